#include "Uebungstesthilfen.h"

#include "document/DokumentDateien.h"
#include "exercise/Normtext.h"
#include "learnview/TextLayouts.h"

#include <QDir>
#include <QRegularExpression>

#include <map>

#include <gtest/gtest.h>

namespace kalumo::test {

namespace {

UebDialogeTyp &gelesenDialoge()
{
    static UebDialogeTyp d;
    return d;
}

class Lesedienste : public EinfacheDokumentDienste
{
public:
    Lesedienste(Meldungen &m, UebDialogeTyp *dialoge) : EinfacheDokumentDienste(m), m_dialoge(dialoge) {}
    void LayoutsNeuAufbauen(Dokument &dok) override
    {
        TextLayoutsNeuAufbauen(dok, Schriftart(), QSize(1024, 700), numGeordnet);
    }
    void UebEinstGelesen(const UebEinstBlock &block, bool inDialoge) override
    {
        if (m_dialoge)
            UebEinstDokumentGelesen(*m_dialoge, block, inDialoge);
    }

private:
    UebDialogeTyp *m_dialoge;
};

} // namespace

Dokument Beispiel(const QString &name, UebDialogeTyp *dialoge)
{
    // each example is read once; the runs get copies
    static std::map<QString, Dokument> gelesen;
    if (!dialoge) {
        auto it = gelesen.find(name);
        if (it == gelesen.end())
            it = gelesen.emplace(name, Beispiel(name, &gelesenDialoge())).first;
        return it->second;
    }
    SkriptMeldungen m;
    Lesedienste d(m, dialoge);
    Dokument dok;
    const QString pfad = QDir(QStringLiteral(KALUMO_BEISPIELE_ORDNER)).filePath(name);
    if (!DokumentLesen(dok, d, pfad, true))
        ADD_FAILURE() << "Beispiel nicht lesbar: " << pfad.toStdString();
    return dok;
}

Dokument Etikettenseite(const std::vector<Etikett> &etiketten)
{
    Dokument dok;
    NeuesDokument(dok);
    dok.Basisbild = QImage(870, 609, QImage::Format_RGBA8888);
    dok.Basisbild.fill(Qt::white);
    SeitengeometrieAbleiten(dok.Kopf, 870, 609);
    for (const Etikett &e : etiketten) {
        const int i = ObjektHinzufuegen(dok, objAbfrageBeschriftung, ebeneTexteUndBilder, e.Cap, 0, 1, e.Kx, e.Ky, -1);
        dok.Objekte[size_t(i)].Generiert = false;
    }
    return dok;
}

UebEinstTyp Einst(int abfrageModus, int zuordnungRichtig, int zuordnungFalsch, int zuordnungstexte,
                  int zuordnungsziele)
{
    UebEinstTyp e;
    e.AbfrageModus = abfrageModus;
    e.ZuordnungRichtig = zuordnungRichtig;
    e.ZuordnungFalsch = zuordnungFalsch;
    e.Zuordnungstexte = zuordnungstexte;
    e.Zuordnungsziele = zuordnungsziele;
    return e;
}

Testlauf::Testlauf(Dokument d, QSize panel)
    : dok(std::move(d))
{
    ansicht = std::make_unique<Lernansicht>(dok);
    ansicht->Haken = &StandardTextLayouts();
    ansicht->NummerierungsModus = numGeordnet;
    u = std::make_unique<Uebung>(dok, *ansicht, meldungen, uhr, dialoge);
    u->ZufallSetzen(7);
    u->PanelGroesseSetzen(panel);
    u->Dienste.Protokoll = &m_senke;
    m_senke.Ziel = &protokoll;
    u->Dienste.BeimErgebnis = [this](const Uebung &lauf) {
        ende.Erreicht = true;
        ende.Daten = lauf.Daten();
        ende.Zustaende.clear();
        ende.Fehlversuche.clear();
        for (const ObjDataTyp &o : dok.Objekte) {
            ende.Zustaende.push_back(o.Abgedeckt);
            ende.Fehlversuche.push_back(o.Fehlversuche);
        }
        ende.Elemente = lauf.Elemente();
    };
}

bool Testlauf::Starten(const UebEinstTyp &e, int wiederholung, int art)
{
    u->EinstellungenVorgeben(e);
    naechsterTick = uhr.Millisekunden() + 100;
    return u->StarteUebung(false, wiederholung, art);
}

const UebElement *Testlauf::Sichtbar(ElementArt art, int objekt) const
{
    for (const UebElement &e : u->Elemente())
        if (e.Art == art && e.Objekt == objekt && e.Sichtbar)
            return &e;
    return nullptr;
}

int Testlauf::Sichtbare(ElementArt art) const
{
    int n = 0;
    for (const UebElement &e : u->Elemente())
        n += (e.Art == art && e.Sichtbar) ? 1 : 0;
    return n;
}

void Testlauf::Warten(qint64 ms)
{
    kalumo::Warten(*u, uhr, ms, naechsterTick);
}

int Testlauf::Objekt(int typ, const QString &cap) const
{
    for (int i = 0; i < int(dok.Objekte.size()); ++i)
        if (dok.Objekte[size_t(i)].Typ == typ && dok.Objekte[size_t(i)].Cap == cap)
            return i;
    return -1;
}

std::vector<int> Testlauf::ObjekteVon(int typ) const
{
    std::vector<int> v;
    for (int i = 0; i < int(dok.Objekte.size()); ++i)
        if (dok.Objekte[size_t(i)].Typ == typ)
            v.push_back(i);
    return v;
}

std::vector<Etikett> NeunEtiketten()
{
    std::vector<Etikett> e;
    for (int i = 0; i < 9; ++i)
        e.push_back({QStringLiteral("Wort %1").arg(i), 0.1 + 0.08 * i, 0.2 + 0.06 * i});
    return e;
}

QString Testlauf::Text(int objekt) const
{
    return normText(dok.Objekte[size_t(objekt)].Cap);
}

QStringList Testlauf::Ablaufzeilen() const
{
    static const QRegularExpression stempel(QStringLiteral("^\\d\\d+:\\d\\d - "));
    QStringList zeilen = u->Daten().ProtokollAblauf.split(QStringLiteral("\r\n"));
    for (QString &z : zeilen)
        z.remove(stempel);
    return zeilen;
}

void Testlauf::ErwarteZeilen(const QStringList &zeilen) const
{
    const QStringList da = Ablaufzeilen();
    for (const QString &z : zeilen)
        if (!da.contains(z))
            ADD_FAILURE() << "Protokollzeile fehlt: " << z.toStdString() << "\nProtokoll:\n"
                          << u->Daten().ProtokollAblauf.toStdString();
}

} // namespace kalumo::test
