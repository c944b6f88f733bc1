#pragma once
// A run on a document without windows: the view at the size the program
// gives an exercise, a hand-set clock, scripted messages; the examples and
// small pages to build runs on.

#include "document/DokumentModell.h"
#include "exercise/Uebung.h"
#include "exercise/Uebungsaktionen.h"
#include "learnview/Lernansicht.h"
#include "platform/Meldungen.h"

#include <QString>

#include <memory>

namespace kalumo::test {

// An example document from examples/, read as the program reads it (the
// layouts run at 1024 x 700 with ordered numbering).
Dokument Beispiel(const QString &name, UebDialogeTyp *dialoge = nullptr);

// A white page with query labels: caption, card point.
struct Etikett
{
    QString Cap;
    double Kx, Ky;
};
Dokument Etikettenseite(const std::vector<Etikett> &etiketten);
// Nine labels "Wort 0" … "Wort 8" on a diagonal.
std::vector<Etikett> NeunEtiketten();

// The settings as given, with everything else at the dialog defaults.
UebEinstTyp Einst(int abfrageModus = abfFrei, int zuordnungRichtig = 0, int zuordnungFalsch = 0,
                  int zuordnungstexte = 1, int zuordnungsziele = 1);

class Testlauf
{
public:
    explicit Testlauf(Dokument dok, QSize panel = QSize(1209, 700));

    bool Starten(const UebEinstTyp &e, int wiederholung = wiedKomplett, int art = uebIndividual);
    // The visible element of a kind for an object, or nullptr.
    const UebElement *Sichtbar(ElementArt art, int objekt) const;
    int Sichtbare(ElementArt art) const;
    // Lets ms pass with the timer's ticks.
    void Warten(qint64 ms);
    int Zustand(int objekt) const { return dok.Objekte[size_t(objekt)].Abgedeckt; }
    // The first object of a kind with that caption.
    int Objekt(int typ, const QString &cap) const;
    std::vector<int> ObjekteVon(int typ) const;
    // The normalised caption of an object, as the protocol quotes it.
    QString Text(int objekt) const;
    // The lines of the protocol's course so far, without their "mm:ss - " stamps.
    QStringList Ablaufzeilen() const;
    // Fails for every line the course lacks, and shows the course.
    void ErwarteZeilen(const QStringList &zeilen) const;

    // The run as it was when its result was due.
    struct Ende
    {
        bool Erreicht = false;
        UebDataTyp Daten;
        std::vector<int> Zustaende;      // Abgedeckt per object
        std::vector<int> Fehlversuche;
        std::vector<UebElement> Elemente;
    };
    Ende ende;
    std::vector<ProtokollEintrag> protokoll;

    Dokument dok;
    std::unique_ptr<Lernansicht> ansicht;
    SkriptMeldungen meldungen;
    Handuhr uhr{0};
    UebDialogeTyp dialoge;
    std::unique_ptr<Uebung> u;
    qint64 naechsterTick = 100;

private:
    struct Senke : Protokollsenke
    {
        std::vector<ProtokollEintrag> *Ziel = nullptr;
        void Zeile(const ProtokollEintrag &e) override { Ziel->push_back(e); }
    };
    Senke m_senke;
};

} // namespace kalumo::test
