#include "app/settings/Einstellungen.h"

#include "platform/IniDatei.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <type_traits>

namespace kalumo {

QString einstellung::Nummeriert(const char *praefix, int nummer)
{
    return QString::fromLatin1(praefix) + QString::number(nummer);
}

QString MitTrennzeichen(const QString &ordner)
{
    if (ordner.isEmpty() || ordner.endsWith(u'/'))
        return ordner;
    return ordner + u'/';
}

OrdnerUmgebung OrdnerUmgebungErmitteln(const QString &programmOrdner)
{
    OrdnerUmgebung u;
    u.Programm = MitTrennzeichen(QDir::cleanPath(QDir(programmOrdner).absolutePath()));
    const QString geteilt = MitTrennzeichen(QDir::cleanPath(u.Programm + QStringLiteral("../share/kalumo")));
    const bool installiert = QDir(u.Programm).dirName() == QLatin1String("bin") && QFileInfo(geteilt).isDir();
    u.Ressourcen = installiert ? geteilt : u.Programm;
    u.Daten = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Kalumo/");
    u.ProgrammBeschreibbar = !installiert && QFileInfo(u.Programm).isWritable();
    return u;
}

OrdnerTyp OrdnerVorgaben(const OrdnerUmgebung &u)
{
    const QString arbeit = u.ProgrammBeschreibbar ? u.Programm : u.Daten;
    OrdnerTyp o;
    o.Programm = u.Programm;
    o.Sound = u.Ressourcen + QStringLiteral("sound/");
    o.Hilfe = u.Ressourcen + QStringLiteral("hilfe/");
    o.Setup = u.Ressourcen + QStringLiteral("setup/");
    o.Chronik = arbeit + QStringLiteral("chronik/");
    o.Tauschboerse = arbeit + QStringLiteral("tauschboerse/");
    o.BilderGalerie = arbeit + QStringLiteral("bildergalerie/");
    o.Protokolle = arbeit + QStringLiteral("protokolle/");
    o.Bestenlisten = arbeit + QStringLiteral("bestenlisten/");
    o.NetzKom = arbeit + QStringLiteral("kom/");
    o.Kausp = arbeit + QStringLiteral("kausp/");
    // the documents that come with the program sit beside the resources
    o.Start = u.Ressourcen;
    o.Bibliothek = u.Ressourcen;
    return o;
}

bool ArbeitsordnerAnlegen(const OrdnerTyp &v)
{
    bool ok = true;
    for (const QString *o : {&v.Chronik, &v.Tauschboerse, &v.BilderGalerie, &v.Protokolle, &v.Bestenlisten,
                             &v.NetzKom, &v.Kausp}) {
        if (!o->isEmpty())
            ok = QDir().mkpath(*o) && ok;
    }
    return ok;
}

QString BildschirmtastaturVorgabe(const QStringList &suchpfade)
{
    for (const char *programm : {"onboard", "florence"}) {
        const QString pfad = QStandardPaths::findExecutable(QString::fromLatin1(programm), suchpfade);
        if (!pfad.isEmpty())
            return pfad;
    }
    return {};
}

QString VerknuepfungNameVorgabe(int index) { return QStringLiteral("V") + QString::number(index + 1); }

QString VerknuepfungHinweisVorgabe(int index)
{
    return QStringLiteral("Programmverknüpfung ") + QString::number(index + 1);
}

EinstellungenTyp EinstellungenVorgaben(const OrdnerUmgebung &umgebung)
{
    EinstellungenTyp e;
    e.Ordner = OrdnerVorgaben(umgebung);
    e.Verknuepfungen.TastaturDatei = BildschirmtastaturVorgabe();
    return e;
}

EinstellungenTyp EinstellungenVorgaben(const QString &programmOrdner)
{
    return EinstellungenVorgaben(OrdnerUmgebungErmitteln(programmOrdner));
}

namespace {

// Calls f(name, field) for every user setting, in the order of the table.
// Loading and saving both go through this list, so they cannot drift apart.
template <class E, class F>
void jedeEinstellung(E &e, F &&f)
{
    using namespace einstellung;
    f(OptSound, e.Sound);
    f(OptUebNameEingabe, e.UebNameEingabe);
    f(OptUebStatusInfo, e.UebStatusInfo);
    f(OptAutoProtSpeichern, e.AutoProtSpeichern);
    f(OptErgebBestListEintragen, e.ErgebBestListEintragen);
    f(OptUebErgebAnzeigen, e.UebErgebAnzeigen);
    f(NetzKomOrdner, e.Ordner.NetzKom);
    f(NetzKomKanal, e.NetzKomKanal);
    f(NetzKomVerfahren, e.NetzKomVerfahren);
    f(OptChronikOrdner, e.Ordner.Chronik);
    f(OptTauschboerseOrdner, e.Ordner.Tauschboerse);
    f(OptBilderGalerieOrdner, e.Ordner.BilderGalerie);
    f(OptProtOrdner, e.Ordner.Protokolle);
    f(OptBestListOrdner, e.Ordner.Bestenlisten);
    f(OptKAUSPOrdner, e.Ordner.Kausp);
    for (int i = 0; i < kVerknuepfungsAnzahl; ++i) {
        f(Nummeriert(OptVerknuepfung, i + 1), e.Verknuepfungen.Felder[i].Datei);
        f(Nummeriert(OptVerknuepfungName, i + 1), e.Verknuepfungen.Felder[i].Name);
        f(Nummeriert(OptVerknuepfungHint, i + 1), e.Verknuepfungen.Felder[i].Hinweis);
    }
    f(OptVerknuepfungT, e.Verknuepfungen.TastaturDatei);
    f(OptVerknuepfungHintT, e.Verknuepfungen.TastaturHinweis);
    f(OptWerkzeugPos, e.WerkzeugPos);
    f(StartUpdatePruefen, e.StartUpdatePruefen);
    NotenskalaEinstellungen(e.Notenskala, f);
    f(OptSchriftart, e.Schriftart);
    f(OptRueckmeldungRichtigTonDatei, e.Rueckmeldung.RichtigTonDatei);
    f(OptRueckmeldungFalschTonDatei, e.Rueckmeldung.FalschTonDatei);
    f(OptRueckmeldungRichtigText, e.Rueckmeldung.RichtigText);
    f(OptRueckmeldungFalschText, e.Rueckmeldung.FalschText);
    f(OptRueckmeldungMCRichtigText, e.Rueckmeldung.MCRichtigText);
    f(OptRueckmeldungMCFalschText, e.Rueckmeldung.MCFalschText);
    f(OptRueckmeldungMCFehlendText, e.Rueckmeldung.MCFehlendText);
    f(OptTafelanschriebSchriftart, e.TafelanschriebSchriftart);
    for (int i = 0; i < kTafelSchriftgroessen; ++i)
        f(Nummeriert(OptTafelanschriebSchriftgroesse, i + 1), e.TafelanschriebSchriftgroesse[i]);
    JedeUebEinstellung(e, f);
    f(TBBenutzer, e.Tauschboerse.Benutzer);
    f(TBName, e.Tauschboerse.Name);
    f(TBEmail, e.Tauschboerse.Email);
    f(TBZugangscode, e.Tauschboerse.Zugangscode);
    f(TBKennwort, e.Tauschboerse.Kennwort);
    f(DokSeitRatioArt, e.Seite.SeitenverhaeltnisArt);
    f(DokSeitRatioBreite, e.Seite.SeitRatioBreite);
    f(DokSeitRatioHoehe, e.Seite.SeitRatioHoehe);
    f(DokSeitRatioNeuesBlattVollflaeche, e.NeuesBlattVollflaeche);
    f(EditorSchriftartFontName, e.EditorSchrift.FontName);
    f(EditorSchriftartFontSize, e.EditorSchrift.FontSize);
    f(EditorSchriftartFontFett, e.EditorSchrift.FontFett);
    f(SymbolstempelZeichen, e.Symbolstempel.Zeichen);
    for (int i = 0; i < kStempelAnzahl; ++i)
        f(Nummeriert(SymbolstempelFontname, i + 1), e.Symbolstempel.Fontname[i]);
}

void ordnerMitTrennzeichen(OrdnerTyp &o)
{
    for (QString *ordner : {&o.Chronik, &o.Tauschboerse, &o.BilderGalerie, &o.Protokolle, &o.Bestenlisten,
                            &o.NetzKom, &o.Kausp})
        *ordner = MitTrennzeichen(*ordner);
}

} // namespace

void EinstellungenLaden(const Einstellungsspeicher &s, EinstellungenTyp &e, QRandomGenerator *zufall)
{
    jedeEinstellung(e, [&s](const QString &name, auto &feld) {
        using T = std::decay_t<decltype(feld)>;
        if constexpr (std::is_same_v<T, bool>)
            feld = s.Bool(name, feld);
        else if constexpr (std::is_same_v<T, int>)
            feld = s.Int(name, feld);
        else if constexpr (std::is_same_v<T, double>)
            feld = s.Double(name, feld);
        else
            feld = s.Text(name, feld);
    });
    ordnerMitTrennzeichen(e.Ordner);
    if (e.Tauschboerse.Benutzer.isEmpty())
        e.Tauschboerse.Benutzer = TBBenutzerErzeugen(zufall ? *zufall : *QRandomGenerator::global());
}

bool EinstellungenSpeichern(Einstellungsspeicher &s, const EinstellungenTyp &e)
{
    jedeEinstellung(e, [&s](const QString &name, const auto &feld) { s.setzen(name, feld); });
    return s.sichern();
}

QStringList EinstellungsNamen()
{
    QStringList namen;
    EinstellungenTyp e;
    jedeEinstellung(e, [&namen](const QString &name, auto &) { namen << name; });
    return namen;
}

QString TBBenutzerErzeugen(QRandomGenerator &zufall)
{
    QString id = QString::fromLatin1(kTBBenutzerPraefix) + u'-';
    for (int i = 0; i < 20; ++i)
        id += QChar(u'0' + int(zufall.bounded(10)));
    return id;
}

QStringList SystemKonfigurationsOrdner()
{
    QStringList ordner;
    const QStringList xdg = qEnvironmentVariable("XDG_CONFIG_DIRS").split(u':', Qt::SkipEmptyParts);
    for (const QString &o : xdg.isEmpty() ? QStringList{QStringLiteral("/etc/xdg")} : xdg) {
        if (QDir::isAbsolutePath(o))
            ordner << MitTrennzeichen(QDir::cleanPath(o)) + QStringLiteral("Kalumo/");
    }
    return ordner;
}

QString ZentraleKonfigurationFinden(const QString &programmOrdner, const QStringList &systemOrdner)
{
    QStringList kandidaten;
    if (!programmOrdner.isEmpty())
        kandidaten << MitTrennzeichen(programmOrdner);
    kandidaten << systemOrdner;
    for (const QString &o : kandidaten) {
        const QString pfad = MitTrennzeichen(o) + QStringLiteral("config.ini");
        if (QFileInfo(pfad).isFile())
            return pfad;
    }
    return {};
}

namespace {

// Reads the keys of one section of config.ini into the settings.
class Sektion
{
public:
    Sektion(const IniDatei &ini, const char *name) : m_ini(ini), m_name(QString::fromLatin1(name)) {}

    // The switch "...DefZentral": present and not 0.
    bool eingeschaltet(const char *schalter) const { return m_ini.Int(m_name, QString::fromLatin1(schalter), 0) != 0; }

    // A missing key keeps the current value.
    void lesen(const QString &key, bool &w) const { w = m_ini.Bool(m_name, key, w); }
    void lesen(const QString &key, int &w) const { w = m_ini.Int(m_name, key, w); }
    void lesen(const QString &key, QString &w) const { w = m_ini.Text(m_name, key, w); }
    // A folder also keeps it when the key is empty; an empty folder is never valid.
    void ordner(const QString &key, QString &w) const
    {
        const QString neu = m_ini.Text(m_name, key, QString());
        if (!neu.isEmpty())
            w = MitTrennzeichen(neu);
    }
    // A quota given in percent.
    void prozent(const QString &key, double &quote) const
    {
        if (m_ini.hat(m_name, key))
            quote = m_ini.Double(m_name, key, quote * 100.0) / 100.0;
    }

    bool Bool(const QString &key, bool vorgabe) const { return m_ini.Bool(m_name, key, vorgabe); }
    int Int(const QString &key, int vorgabe) const { return m_ini.Int(m_name, key, vorgabe); }
    QString Text(const QString &key, const QString &vorgabe) const { return m_ini.Text(m_name, key, vorgabe); }

private:
    const IniDatei &m_ini;
    QString m_name;
};

} // namespace

bool ZentraleKonfigurationLaden(const QString &iniPfad, EinstellungenTyp &e)
{
    if (iniPfad.isEmpty())
        return false;
    const IniDatei ini = IniDatei::Laden(iniPfad);
    if (!ini.Vorhanden())
        return false;

    if (const Sektion s(ini, "Proxy"); s.eingeschaltet("ProxyDefZentral")) {
        ProxyTyp &p = e.Proxy;
        p.Vorgegeben = true;
        p.Server = s.Text("ProxyServer", QString());
        p.Port = s.Int("ProxyPort", 0);
        p.Benutzer = s.Text("ProxyBenutzer", QString());
        p.Passwort = s.Text("ProxyPasswort", QString());
        p.BasicAuthentication = s.Int("ProxyBasicAuthentication", p.BasicAuthentication ? 1 : 0) == 1;
    }

    if (const Sektion s(ini, "Ordner"); s.eingeschaltet("OrdnerDefZentral")) {
        s.ordner("OrdnerChronik", e.Ordner.Chronik);
        s.ordner("OrdnerProtokoll", e.Ordner.Protokolle);
        s.ordner("OrdnerBestenliste", e.Ordner.Bestenlisten);
        s.ordner("OrdnerTauschboerse", e.Ordner.Tauschboerse);
        s.ordner("OrdnerBilderGalerie", e.Ordner.BilderGalerie);
        s.ordner("Opt-KAUSPOrdner", e.Ordner.Kausp);
    }

    if (const Sektion s(ini, "Verknuepfungsfelder"); s.eingeschaltet("VerknuepfungDefZentral")) {
        VerknuepfungsfelderTyp &v = e.Verknuepfungen;
        for (int i = 0; i < kVerknuepfungsAnzahl; ++i) {
            const QString n = einstellung::Nummeriert("Verknuepfung", i + 1);
            s.lesen(n + QStringLiteral("Datei"), v.Felder[i].Datei);
            v.Felder[i].Name = s.Text(n + QStringLiteral("Beschriftung"), VerknuepfungNameVorgabe(i));
            v.Felder[i].Hinweis = s.Text(n + QStringLiteral("Hinweis"), VerknuepfungHinweisVorgabe(i));
        }
        v.TastaturDatei = s.Text("VerknuepfungBildschirmtastatur", BildschirmtastaturVorgabe());
        v.TastaturHinweis = s.Text("VerknuepfungBildschirmtastaturHinweis", QString::fromUtf8(kBildschirmtastaturHinweis));
    }

    if (const Sektion s(ini, "NetzKom"); s.eingeschaltet("NetzKomDefZentral")) {
        s.ordner("NetzKomOrdner", e.Ordner.NetzKom);
        s.lesen("NetzKomKanal", e.NetzKomKanal);
        s.lesen("NetzKomVerfahren", e.NetzKomVerfahren);
    }
    // the base port belongs to the administrator alone: it counts without the
    // section's switch; a port outside the allowed range is the default
    if (const Sektion s(ini, "NetzKom"); s.Int("NetzKomBasisport", 0) != 0)
        e.NetzKomBasisport = NetzBasisportGueltig(s.Int("NetzKomBasisport", kNetzBasisportVorgabe));

    if (const Sektion s(ini, "Notenskala"); s.eingeschaltet("NotenskalaDefZentral")) {
        NotenskalaTyp &n = e.Notenskala;
        for (int i = 1; i <= kNotenAnzahl; ++i)
            s.prozent(einstellung::Nummeriert("Note", i), n.NoteMinQuote[size_t(i)]);
        for (int i = 1; i <= kPunkteAnzahl; ++i)
            s.prozent(einstellung::Nummeriert("Punkte", i), n.PunkteMinQuote[size_t(i)]);
        s.lesen("BewertSkala", n.BewertSkala);
    }

    if (const Sektion s(ini, "UpdateCheck"); s.eingeschaltet("UpdateCheckDefZentral"))
        s.lesen("UpdateCheck", e.StartUpdatePruefen);

    if (const Sektion s(ini, "Optionen"); s.eingeschaltet("OptionenDefZentral")) {
        s.lesen("Tonausgabe", e.Sound);
        s.lesen("Namenseingabe", e.UebNameEingabe);
        s.lesen("Statusinfo", e.UebStatusInfo);
        s.lesen("ProtokollAutospeichern", e.AutoProtSpeichern);
        s.lesen("BestenlisteAutoeintrag", e.ErgebBestListEintragen);
        s.lesen("UebungsergebnisAnzeigen", e.UebErgebAnzeigen);
        s.lesen("Schriftart", e.Schriftart);
        s.lesen("WerkzeugPos", e.WerkzeugPos);
        s.lesen("TafelanschriebSchriftart", e.TafelanschriebSchriftart);
        for (int i = 0; i < kTafelSchriftgroessen; ++i)
            s.lesen(einstellung::Nummeriert("TafelanschriebSchriftgroesse", i + 1), e.TafelanschriebSchriftgroesse[i]);
    }

    if (const Sektion s(ini, "OptionenAenderbar"); s.eingeschaltet("OptionenAenderbarDefZentral")) {
        AenderbarTyp &a = e.Aenderbar;
        a.Namenseingabe = s.Bool("Namenseingabe", true);
        a.Statusinfo = s.Bool("Statusinfo", true);
        a.ProtokollAutospeichern = s.Bool("ProtokollAutospeichern", true);
        a.BestenlisteAutoeintrag = s.Bool("BestenlisteAutoeintrag", true);
        a.UebungsergebnisAnzeigen = s.Bool("UebungsergebnisAnzeigen", true);
        a.Notenskala = s.Bool("Notenskala", true);
        a.ProtokollderletztenUebung = s.Bool("ProtokollderletztenUebung", true);
    }

    if (const Sektion s(ini, "Uebungsrueckmeldung"); s.eingeschaltet("UebungsrueckmeldungDefZentral")) {
        UebungsrueckmeldungTyp &r = e.Rueckmeldung;
        s.lesen("RichtigTonDatei", r.RichtigTonDatei);
        s.lesen("FalschTonDatei", r.FalschTonDatei);
        s.lesen("RichtigText", r.RichtigText);
        s.lesen("FalschText", r.FalschText);
        s.lesen("MCRichtigText", r.MCRichtigText);
        s.lesen("MCFalschText", r.MCFalschText);
        s.lesen("MCFehlendText", r.MCFehlendText);
    }

    if (const Sektion s(ini, "Tauschboerse"); s.eingeschaltet("TauschboerseDefZentral")) {
        TauschboerseTyp &t = e.Tauschboerse;
        s.lesen("Name", t.Name);
        s.lesen("Email", t.Email);
        s.lesen("Zugangscode", t.Zugangscode);
        s.lesen("Kennwort", t.Kennwort);
        // without accepted terms of use there is no access
        if (!s.Bool("AGB_akzeptiert", false))
            t.Zugangscode.clear();
    }

    e.Themenordner = MitTrennzeichen(Sektion(ini, "Start").Text("Themenordner", QString()));
    return true;
}

} // namespace kalumo
