#pragma once
// The dialog "Seitenverhältnis des Dokuments": the page ratio of the current
// document (keep the base image's ratio, or a fixed ratio the base image is
// fitted into without distortion) and the preset for new documents, each
// with the buttons for 10:7 (screen) and 10:12 (worksheet).

#include "document/DokumentModell.h"

#include <QDialog>

class QCheckBox;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace kalumo {

class TSeitenverhaeltnisForm : public QDialog
{
    Q_OBJECT
public:
    enum Seite { seiteAktuell = 0, seiteVorgabe = 1 };

    explicit TSeitenverhaeltnisForm(QWidget *parent = nullptr);

    // The values on showing: the document's ratio and the preset.
    void Fuellen(const HeaderDataTyp &kopf, const SeitenVorgaben &vorgabe, bool neuesBlattVollflaeche);
    // The values after "OK".
    SeitenVorgaben Aktuell() const;
    bool Transformieren() const;
    SeitenVorgaben Vorgabe() const;
    bool NeuesBlattVollflaeche() const;

    QTabWidget *Seiten() const { return m_seiten; }
    QSpinBox *Breite(Seite s) const { return m_teile[s].Breite; }
    QSpinBox *Hoehe(Seite s) const { return m_teile[s].Hoehe; }
    QRadioButton *Festgelegt(Seite s) const { return m_teile[s].Fest; }
    // The preset buttons: 10:7 and 10:12.
    void Bildschirm(Seite s);
    void Arbeitsblatt(Seite s);

private:
    struct Teil
    {
        QRadioButton *Beibehalten = nullptr;
        QRadioButton *Fest = nullptr;
        QSpinBox *Breite = nullptr;
        QSpinBox *Hoehe = nullptr;
    };
    QWidget *seiteBauen(Teil &t, QCheckBox *&zusatz, const QString &zusatzText);
    void setzen(Seite s, const SeitenVorgaben &v);
    SeitenVorgaben lesen(Seite s) const;

    QTabWidget *m_seiten = nullptr;
    Teil m_teile[2];
    QCheckBox *m_transformieren = nullptr;
    QCheckBox *m_vollflaeche = nullptr;
};

} // namespace kalumo
