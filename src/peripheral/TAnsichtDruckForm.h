#pragma once
// The dialog "Ansicht drucken" of the learning view.

#include "peripheral/Ansichtdruck.h"
#include "peripheral/TDruckForm.h"

namespace kalumo {

class TAnsichtDruckForm : public TDruckForm
{
    Q_OBJECT
public:
    TAnsichtDruckForm(Drucker &drucker, Meldungen &meldungen, QWidget *parent = nullptr);

    // AnsichtDrucken: shows the dialog for bild (the view or the area
    // selection) with the state kept in zustand; true when it printed.
    static bool Zeigen(QWidget *parent, const QImage &bild, const QString &titel, AnsichtDruckZustand &zustand,
                       Drucker &drucker, Meldungen &meldungen);
    // For tests: prepares the dialog without showing it.
    void Vorbereiten(const QImage &bild, const QString &titel, const AnsichtDruckZustand &zustand);
    AnsichtDruckZustand Zustand() const;

private:
    QImage m_bild;
    QString m_titel;
};

} // namespace kalumo
