#include "peripheral/TAnsichtDruckForm.h"

namespace kalumo {

TAnsichtDruckForm::TAnsichtDruckForm(Drucker &drucker, Meldungen &meldungen, QWidget *parent)
    : TDruckForm(QStringLiteral("Ansicht drucken"), drucker, meldungen, parent)
{
    setObjectName(QStringLiteral("AnsichtDruckForm"));
    AuftragSetzen([this, &drucker](const Drucklage &lage, int kopien, QString &fehler) {
        return AnsichtDrucken(drucker, m_bild, lage, kopien, m_titel, fehler);
    });
}

void TAnsichtDruckForm::Vorbereiten(const QImage &bild, const QString &titel, const AnsichtDruckZustand &zustand)
{
    m_bild = bild;
    m_titel = titel;
    Setzen(zustand.Lage, zustand.Seitenverhaeltnis, zustand.Kopien, AnsichtVerhaeltnis(bild.size()));
}

AnsichtDruckZustand TAnsichtDruckForm::Zustand() const
{
    AnsichtDruckZustand z;
    z.Lage = Lage();
    z.Seitenverhaeltnis = Verhaeltnis();
    z.Kopien = Kopien();
    return z;
}

bool TAnsichtDruckForm::Zeigen(QWidget *parent, const QImage &bild, const QString &titel, AnsichtDruckZustand &zustand,
                               Drucker &drucker, Meldungen &meldungen)
{
    TAnsichtDruckForm form(drucker, meldungen, parent);
    form.Vorbereiten(bild, titel, zustand);
    const bool gedruckt = form.exec() == QDialog::Accepted;
    // the values are kept, whether printed or not
    zustand = form.Zustand();
    return gedruckt;
}

} // namespace kalumo
