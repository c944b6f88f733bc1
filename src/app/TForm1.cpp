#include "app/TForm1.h"

#include "app/Hauptmenue.h"
#include "app/Menuezustand.h"
#include "app/TLernbild.h"
#include "app/TSerienteil.h"
#include "app/TWerkzeugleiste.h"
#include "app/settings/Einstellungsdialoge.h"
#include "app/settings/TDateiordnerForm.h"
#include "app/settings/TVerknuepfungsfelderForm.h"
#include "exercise/TSPuzzleOptForm.h"
#include "exercise/Puzzlelauf.h"
#include "exercise/TSchiebepuzzle.h"
#include "exercise/TNameEingabeForm.h"
#include "exercise/TNotenskalaForm.h"
#include "exercise/TUebEinstDialoge.h"
#include "exercise/TUebStatusPan.h"
#include "exercise/TUebungPan.h"
#include "exercise/Uebungslauf.h"
#include "learnview/Infofenster.h"
#include "learnview/TInfoForm.h"
#include "learnview/TextFlow.h"
#include "peripheral/TAnsichtDruckForm.h"
#include "platform/Produkt.h"
#include "platform/TPasswortForm.h"
#include "series/TUebserieStatusPan.h"
#include "worksheet/Arbeitsblatt.h"
#include "worksheet/TArbeitsblattForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QMenuBar>
#include <QPainter>
#include <QRandomGenerator>
#include <QScrollArea>
#include <QSet>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace kalumo {

namespace {

// Colours of the window parts, taken from the start picture.
QColor fensterFarbe(const QImage &bild, int x, int y)
{
    return bild.isNull() ? QColor(0xEE, 0xF2, 0xF8) : bild.pixelColor(x, y);
}

QToolButton *schwebeKnopf(QWidget *eltern, const QString &text, const QString &name)
{
    auto *k = new QToolButton(eltern);
    k->setText(text);
    k->setObjectName(name);
    k->setAutoRaise(true);
    k->setCheckable(true);
    k->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return k;
}

} // namespace

TForm1::TForm1(QWidget *parent)
    : QMainWindow(parent)
    , m_sitzung(QCoreApplication::applicationDirPath())
    , m_qtMeldungen(this)
    , m_qtDialoge(this)
{
    setObjectName(QStringLiteral("Form1"));
    // step 2 of the start: the session holds the defaults of the settings and
    // folders, the start picture and the empty document; then menus and panels
    m_sitzung.MeldungenSetzen(m_meldungen);
    m_sitzung.DateidialogeSetzen(m_dialoge);
    m_sitzung.AnzeigeSetzen(this);
    menuesBauen();
    panelsBauen();
    netzVerbinden();
    TitelAnzeigen();
    ZustandAnzeigen();
    resize(1024, 740);
    m_uhr = new QTimer(this);
    m_uhr->setInterval(TUebungPan::kTaktMs);
    connect(m_uhr, &QTimer::timeout, this, &TForm1::uhrTick);
    // the dialogs live from start-up to the end, hidden until needed
    m_infoForm = new TInfoForm(*m_meldungen, *m_dialoge, this);
    m_passwortForm = new TPasswortForm(this);
    m_puzzleOptForm = new TSPuzzleOptForm(this);
    // the exercise's settings dialogs work on the settings' dialog values
    m_uebEinstDialoge = std::make_unique<TUebEinstDialoge>(m_sitzung.Einstellungen(), this);
    m_nameForm = new TNameEingabeForm(this);
    m_sitzung.EinstellungsdialogSetzen(m_uebEinstDialoge.get());
    m_sitzung.NamensabfrageSetzen(m_nameForm);
    m_sitzung.TonausgabeSetzen(&m_qtTon);
    BibliotheksmenueBauen();
    uebungsendeEinrichten();
    qApp->installEventFilter(this);
}

TForm1::~TForm1()
{
    qApp->removeEventFilter(this);
    // the panel goes before the session whose exercise it shows
    m_sitzung.UebungsOberflaecheSetzen(nullptr);
    m_sitzung.EinstellungsdialogSetzen(nullptr);
    m_sitzung.NamensabfrageSetzen(nullptr);
    m_sitzung.ErgebnisfensterSetzen(nullptr);
    delete m_uebungsFlaeche;
    m_uebungsFlaeche = nullptr;
}

QAction *TForm1::Aktion(const QString &name) const
{
    const auto it = m_aktionen.find(name);
    return it == m_aktionen.end() ? nullptr : it->second;
}

QMenu *TForm1::Menue(const QString &name) const
{
    const auto it = m_menues.find(name);
    return it == m_menues.end() ? nullptr : it->second;
}

void TForm1::menuesBauen()
{
    QSet<QString> vergeben;
    std::function<void(QMenu *, const std::vector<MenuePunkt> &)> fuellen = [&](QMenu *menue,
                                                                               const std::vector<MenuePunkt> &punkte) {
        for (const MenuePunkt &p : punkte) {
            if (p.IstTrenner()) {
                menue->addSeparator();
                continue;
            }
            if (!p.Unterpunkte.empty() || p.Name == QLatin1String("AusschnittScrollen1")
                || p.Name == QLatin1String("Werkzeug1")) {
                QMenu *unter = menue->addMenu(p.Text);
                unter->setObjectName(p.Name);
                unter->menuAction()->setVisible(p.Sichtbar);
                m_menues[p.Name] = unter;
                fuellen(unter, p.Unterpunkte);
                if (!p.Sichtbar)
                    addActions(unter->actions()); // a hidden menu's shortcuts still work
                continue;
            }
            QAction *a = menue->addAction(p.Text);
            a->setObjectName(p.Name);
            if (!p.Kurzwahl.isEmpty()) {
                // a key that two entries name (Alt+Enter for the document
                // properties in two menus) belongs to the first; the second
                // shows it beside its caption, so that the key stays unambiguous
                if (vergeben.contains(p.Kurzwahl))
                    m_kurzwahlTexte[p.Name] =
                        QLatin1Char('\t') + QKeySequence(p.Kurzwahl).toString(QKeySequence::NativeText);
                else
                    a->setShortcut(QKeySequence(p.Kurzwahl));
                vergeben.insert(p.Kurzwahl);
            }
            a->setText(p.Text + m_kurzwahlTexte.value(p.Name));
            a->setCheckable(p.Ankreuzbar);
            m_aktionen[p.Name] = a;
        }
    };
    for (const MenuePunkt &m : Hauptmenue()) {
        QMenu *menue = menuBar()->addMenu(m.Text);
        menue->setObjectName(m.Name);
        m_menues[m.Name] = menue;
        fuellen(menue, m.Unterpunkte);
    }

    auto verbinden = [&](const char *name, auto methode) {
        connect(Aktion(QString::fromLatin1(name)), &QAction::triggered, this, methode);
    };
    verbinden("Oeffnen1", &TForm1::Oeffnen1Click);
    verbinden("Speichern1", &TForm1::Speichern1Click);
    verbinden("SpeichernUnter1", &TForm1::SpeichernUnter1Click);
    verbinden("Schliessen1", &TForm1::Schliessen1Click);
    verbinden("Beenden1", &QWidget::close);
    verbinden("Vollbild1", &TForm1::Vollbild1Click);
    verbinden("Fenster1", &TForm1::Fenster1Click);
    verbinden("Minimieren1", &TForm1::Minimieren1Click);
    verbinden("WerkzeugleisteKlappen1", &TForm1::WerkzeugleisteKlappen1Click);
    verbinden("Info1", &TForm1::Info1Click);
    verbinden("Inhalt1", &TForm1::Inhalt1Click);
    verbinden("Website1", &TForm1::Website1Click);
    verbinden("Dateiordner1", &TForm1::Dateiordner1Click);
    verbinden("Verknuepfungsfelder1", &TForm1::Verknuepfungsfelder1Click);
    verbinden("ArbeitsblattErstellen1", &TForm1::ArbeitsblattErstellen1Click);
    verbinden("Drucken1", &TForm1::Drucken1Click);
    connect(Aktion(QStringLiteral("Druckereinrichtung1")), &QAction::triggered, this, [this] { m_drucker->Einrichten(); });
    verbinden("Schiebepuzzle1", &TForm1::Schiebepuzzle1Click);
    verbinden("IndividualUebung1", &TForm1::IndividualUebung1Click);
    verbinden("Uebungseinstellungen1", &TForm1::Uebungseinstellungen1Click);
    verbinden("UebungAbbrechen1", &TForm1::UebungAbbrechen1Click);
    verbinden("Notenskala1", &TForm1::Notenskala1Click);
    m_serienteil = new TSerienteil(m_sitzung, this);
    m_serienteil->NachBefehlSetzen([this] {
        uebungsendePruefen();
        ZustandAnzeigen();
    });
    for (const char *name : {"UebungsserieAusfuehren1", "UebungsserieAusfuehren2"})
        connect(Aktion(QString::fromLatin1(name)), &QAction::triggered, m_serienteil, &TSerienteil::Ausfuehren);
    connect(Aktion(QStringLiteral("UebungsserieErstellen1")), &QAction::triggered, m_serienteil, &TSerienteil::Erstellen);
    connect(Aktion(QStringLiteral("UebungsserieOeffnen1")), &QAction::triggered, m_serienteil, &TSerienteil::Oeffnen);
    connect(Aktion(QStringLiteral("UebungsserieEntpacken1")), &QAction::triggered, m_serienteil, &TSerienteil::Entpacken);
    for (const Optionseintrag &o : Optionseintraege())
        connect(Aktion(QString::fromLatin1(o.Name)), &QAction::toggled, this, [this, feld = o.Feld](bool an) {
            m_sitzung.Einstellungen().*feld = an;
            ZustandAnzeigen(); // the status panels follow at once
        });
    verbinden("AlleAbdecken1", &TForm1::AlleAbdecken1Click);
    connect(Aktion(QStringLiteral("ZeichnungenEntfernen1")), &QAction::triggered, this,
            [this] { m_werkzeugleiste->ZeichnungenEntfernen(); });
    connect(Aktion(QStringLiteral("Exportieren1")), &QAction::triggered, this, [this] { m_werkzeugleiste->Exportieren(); });
    connect(Aktion(QStringLiteral("InZwischenablageKopieren1")), &QAction::triggered, this,
            [this] { m_werkzeugleiste->InZwischenablage(); });
    connect(Aktion(QStringLiteral("AbdeckblattEinblenden1")), &QAction::triggered, this,
            [this] { m_lernKartPicImg->AbdeckblattEinblenden(); });
    connect(Aktion(QStringLiteral("AbdeckblattAusblenden1")), &QAction::triggered, this,
            [this] { m_lernKartPicImg->AbdeckblattAusblenden(); });
    verbinden("AlleAufdecken1", &TForm1::AlleAufdecken1Click);
    for (int ebene = 0; ebene < 4; ++ebene)
        connect(Aktion(QStringLiteral("Ebene%1Menue").arg(ebene)), &QAction::toggled, this,
                [this, ebene](bool an) { EbeneUmschalten(ebene, an); });
    const std::pair<const char *, int> nummerierungen[] = {
        {"NummerierungFragezeichen1", numFragezeichen}, {"NummerierungGeordnet1", numGeordnet},
        {"NummerierungZufaellig1", numZufaellig}};
    for (const auto &[name, modus] : nummerierungen)
        connect(Aktion(QString::fromLatin1(name)), &QAction::triggered, this, [this, m = modus] { NummerierungSetzen(m); });
    const std::pair<const char *, int> zoomstufen[] = {{"Zoom100", 0}, {"Zoom150", 2}, {"Zoom200", 4}};
    for (const auto &[name, stufe] : zoomstufen)
        connect(Aktion(QString::fromLatin1(name)), &QAction::triggered, this, [this, z = stufe] { ZoomstufeSetzen(z); });
    for (const Werkzeugeintrag &w : Werkzeugeintraege())
        connect(Aktion(QString::fromLatin1(w.Name)), &QAction::triggered, this, [this, werkzeug = w.Werkzeug] {
            // the pen entry takes the pen last chosen in the pen menu
            m_werkzeugleiste->WerkzeugWaehlen(werkzeug == wzStift ? m_sitzung.Lerninteraktion().StiftWahl() : werkzeug);
            ZustandAnzeigen(); // the check marks follow even when the choice was refused
        });
    connect(Aktion(QStringLiteral("WerkzeugleisteLinks1")), &QAction::triggered, this,
            [this] { WerkzeugpositionSetzen(1); });
    connect(Aktion(QStringLiteral("WerkzeugleisteRechts1")), &QAction::triggered, this,
            [this] { WerkzeugpositionSetzen(0); });
}

void TForm1::panelsBauen()
{
    const QImage startbild = m_sitzung.Startbild();
    const QColor leiste = fensterFarbe(startbild, 500, 690);
    const QColor flaeche = fensterFarbe(startbild, 500, 10);

    m_lernPan = new QWidget(this);
    m_lernPan->setObjectName(QStringLiteral("LernPan"));
    auto *spalten = new QVBoxLayout(m_lernPan);
    spalten->setContentsMargins(0, 0, 0, 0);
    spalten->setSpacing(0);

    m_infoPan = new QWidget(m_lernPan);
    m_infoPan->setObjectName(QStringLiteral("InfoPan"));
    m_infoPan->setAutoFillBackground(true);
    QPalette infoFarben = m_infoPan->palette();
    infoFarben.setColor(QPalette::Window, leiste);
    m_infoPan->setPalette(infoFarben);
    auto *info = new QHBoxLayout(m_infoPan);
    info->setContentsMargins(6, 3, 6, 3);
    m_individualKnopf = schwebeKnopf(m_infoPan, QStringLiteral("Individual- Übung"), QStringLiteral("IndividualBtn"));
    connect(m_individualKnopf, &QToolButton::clicked, this, &TForm1::IndividualUebung1Click);
    m_lernansichtKnopf = schwebeKnopf(m_infoPan, QStringLiteral("Lernansicht"), QStringLiteral("LernansichtBtn"));
    connect(m_lernansichtKnopf, &QToolButton::clicked, this, &TForm1::UebungAbbrechen1Click);
    m_netzKnopf = schwebeKnopf(m_infoPan, QStringLiteral("Netz-Übung teilnehmen"), QStringLiteral("NetzBtn"));
    m_netzKnopf->setEnabled(false);
    info->addWidget(m_individualKnopf);
    info->addWidget(m_lernansichtKnopf);
    info->addWidget(m_netzKnopf);

    m_titelPan = new QWidget(m_infoPan);
    m_titelPan->setObjectName(QStringLiteral("TitelPan"));
    auto *titel = new QHBoxLayout(m_titelPan);
    titel->setContentsMargins(12, 0, 12, 0);
    m_vorherigesKnopf = new QToolButton(m_titelPan);
    m_vorherigesKnopf->setArrowType(Qt::LeftArrow);
    m_vorherigesKnopf->setAutoRaise(true);
    m_vorherigesKnopf->setToolTip(QStringLiteral("vorheriges Dokument öffnen"));
    m_naechstesKnopf = new QToolButton(m_titelPan);
    m_naechstesKnopf->setArrowType(Qt::RightArrow);
    m_naechstesKnopf->setAutoRaise(true);
    m_naechstesKnopf->setToolTip(QStringLiteral("nächstes Dokument öffnen"));
    m_titelLabel = new QLabel(m_titelPan);
    m_titelLabel->setObjectName(QStringLiteral("TitelLabel"));
    m_titelLabel->setToolTip(QStringLiteral("Titel verbergen"));
    m_titelLabel->installEventFilter(this);
    QFont titelSchrift = m_titelLabel->font();
    titelSchrift.setBold(true);
    titelSchrift.setPointSizeF(titelSchrift.pointSizeF() * 1.2);
    m_titelLabel->setFont(titelSchrift);
    titel->addWidget(m_vorherigesKnopf);
    titel->addWidget(m_titelLabel, 1);
    titel->addWidget(m_naechstesKnopf);
    info->addWidget(m_titelPan, 1);

    m_uebStatusPan = new TUebStatusPan(m_infoPan);
    m_uebStatusPan->hide();
    info->addWidget(m_uebStatusPan);
    m_serieStatusPan = new TUebserieStatusPan(m_infoPan);
    m_serieStatusPan->setObjectName(QStringLiteral("UebserieStatusPan"));
    m_serienteil->StatusPanSetzen(m_serieStatusPan);
    m_puzzleStatusPan = new QLabel(m_infoPan);
    m_puzzleStatusPan->setObjectName(QStringLiteral("SPuzzleStatusPan"));
    for (QWidget *l : std::initializer_list<QWidget *>{m_serieStatusPan, m_puzzleStatusPan}) {
        l->hide();
        info->addWidget(l);
    }
    m_klappKnopf = new QToolButton(m_infoPan);
    m_klappKnopf->setObjectName(QStringLiteral("WerkzeugKlappBtn"));
    m_klappKnopf->setAutoRaise(true);
    connect(m_klappKnopf, &QToolButton::clicked, this, &TForm1::WerkzeugleisteKlappen1Click);
    info->addWidget(m_klappKnopf);
    spalten->addWidget(m_infoPan);

    auto *mitte = new QWidget(m_lernPan);
    auto *zeile = new QHBoxLayout(mitte);
    zeile->setContentsMargins(0, 0, 0, 0);
    zeile->setSpacing(0);

    m_lernKartPan = new QWidget(mitte);
    m_lernKartPan->setObjectName(QStringLiteral("LernKartPan"));
    m_lernKartPan->setAutoFillBackground(true);
    QPalette bildFarben = m_lernKartPan->palette();
    bildFarben.setColor(QPalette::Window, flaeche);
    m_lernKartPan->setPalette(bildFarben);
    auto *stapel = new QGridLayout(m_lernKartPan);
    stapel->setContentsMargins(0, 0, 0, 0);
    m_lernKartPicImg = new TLernbild(m_sitzung, m_lernKartPan);
    connect(m_lernKartPicImg, &TLernbild::GroesseGeaendert, this, [this](QSize groesse) {
        // during an exercise the view has the size of its panel's picture
        if (m_sitzung.Modus() == modusUebung)
            return;
        m_sitzung.Ansicht().Ansichtsgroesse = groesse.expandedTo(QSize(16, 16));
        if (!m_ersteAktivierung && !m_beendet && m_layoutAktiv)
            lernbildZeigen();
    });
    connect(m_lernKartPicImg, &TLernbild::ObjektAktivieren, this, &TForm1::ObjektAktivieren);
    connect(m_lernKartPicImg, &TLernbild::LaufBeendet, this, &TForm1::LernansichtAktivieren);
    m_startInfoPan = new QLabel(m_lernKartPan);
    m_startInfoPan->setObjectName(QStringLiteral("StartInfoPan"));
    m_startInfoPan->setAlignment(Qt::AlignCenter);
    QPalette startFarben = m_startInfoPan->palette();
    startFarben.setColor(QPalette::WindowText, QColor(0x6F, 0x6F, 0x6A)); // 0x6A6F6F as BGR
    m_startInfoPan->setPalette(startFarben);
    QFont startSchrift = m_startInfoPan->font();
    startSchrift.setPointSizeF(startSchrift.pointSizeF() * 1.5);
    m_startInfoPan->setFont(startSchrift);
    m_startInfoPan->installEventFilter(this);
    m_uebungPan = new QWidget(m_lernKartPan);
    m_uebungPan->setObjectName(QStringLiteral("UebungPanRand"));
    m_uebungPan->hide();
    // the exercise and the sliding puzzle fill the exercise panel, 9 pixels
    // from the left and 8 from the top (17 and 16 less than the picture area)
    auto *uebungsRand = new QVBoxLayout(m_uebungPan);
    uebungsRand->setContentsMargins(9, 8, 8, 8);
    m_puzzle = new TSchiebepuzzle(*m_meldungen, m_uebungPan);
    m_puzzle->StatusPanelSetzen(m_puzzleStatusPan);
    m_puzzle->UhrSetzen([this] { return m_sitzung.Millisekunden(); });
    m_puzzle->ErfolgsTon = [this] { m_sitzung.ErfolgsTon(); };
    m_puzzle->hide();
    uebungsRand->addWidget(m_puzzle);
    // the exercise: the panel shows the session's exercise and forwards its
    // mouse and keys to the session's current engine (the run in its slot)
    m_uebungsFlaeche = new TUebungPan(m_sitzung.Uebungsobjekt(), m_sitzung.Ansicht(), m_uebungPan);
    m_uebungsFlaeche->hide();
    m_uebungsFlaeche->HauptSetzen(&m_fensterOberflaeche);
    m_uebungsFlaeche->StatusSetzen(m_uebStatusPan);
    m_uebungsFlaeche->WeiterleitungSetzen([this]() -> Eingabemaschine & { return m_sitzung.Eingabe(); },
                                          [this](const Eingabereaktion &r) {
                                              // info points were opened through the surface already
                                              if (r.LaufEnde)
                                                  LernansichtAktivieren();
                                          });
    m_sitzung.UebungsOberflaecheSetzen(m_uebungsFlaeche);
    uebungsRand->addWidget(m_uebungsFlaeche);
    connect(m_puzzle, &TSchiebepuzzle::PuzzleGeloest, this, &TForm1::LernansichtAktivieren);
    m_gesperrtPan = new QLabel(QStringLiteral("Lernansicht gesperrt"), m_lernKartPan);
    m_gesperrtPan->setObjectName(QStringLiteral("LernansichtGesperrtPan"));
    m_gesperrtPan->setAlignment(Qt::AlignCenter);
    m_gesperrtPan->setAutoFillBackground(true);
    m_gesperrtPan->hide();
    for (QWidget *w : std::initializer_list<QWidget *>{m_lernKartPicImg, m_startInfoPan, m_uebungPan, m_gesperrtPan})
        stapel->addWidget(w, 0, 0);

    m_werkzeugBox = new QScrollArea(mitte);
    m_werkzeugBox->setObjectName(QStringLiteral("WerkzeugBox"));
    m_werkzeugBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_werkzeugBox->setWidgetResizable(true);
    auto *werkzeuge = new QWidget(m_werkzeugBox);
    auto *werkzeugSpalte = new QVBoxLayout(werkzeuge);
    werkzeugSpalte->setContentsMargins(0, 0, 0, 0);
    m_werkzeugleiste = new TWerkzeugleiste(*m_lernKartPicImg, *m_meldungen, *m_dialoge,
                                           m_sitzung.Einstellungen().Symbolstempel, werkzeuge);
    werkzeugSpalte->addWidget(m_werkzeugleiste);
    for (auto signal : {&TWerkzeugleiste::ZoomGeaendert, &TWerkzeugleiste::NummerierungGeaendert})
        connect(m_werkzeugleiste, signal, this, &TForm1::ZustandAnzeigen);
    connect(m_werkzeugleiste, &TWerkzeugleiste::EbenenGeaendert, this, &TForm1::ZustandAnzeigen);
    connect(m_werkzeugleiste, &TWerkzeugleiste::WerkzeugGeaendert, this, &TForm1::ZustandAnzeigen);
    connect(m_werkzeugleiste, &TWerkzeugleiste::DruckenAngefordert, this, &TForm1::Drucken1Click);
    connect(m_werkzeugleiste, &TWerkzeugleiste::ArbeitsblattAngefordert, this, &TForm1::ArbeitsblattErstellen1Click);
    werkzeugSpalte->addStretch(1);
    // link buttons for external programs and the on-screen keyboard
    auto *verknuepfungen = new QGridLayout();
    for (int i = 0; i <= kVerknuepfungsAnzahl; ++i) {
        auto *k = new QToolButton(werkzeuge);
        k->setObjectName(i < kVerknuepfungsAnzahl ? QStringLiteral("VerknuepfungBtn%1").arg(i + 1)
                                                  : QStringLiteral("BildschirmtastaturBtn"));
        k->setMinimumSize(32, 28);
        k->installEventFilter(this);
        m_verknuepfungsKnoepfe[size_t(i)] = k;
        verknuepfungen->addWidget(k, i / 2, i % 2);
    }
    // the link buttons form a group of their own, headed like the toolbar's groups
    auto *externe = new QGroupBox(QStringLiteral("Externe Programme"), werkzeuge);
    externe->setObjectName(QStringLiteral("ExterneProgrammeBox"));
    if (const auto *vorbild = m_werkzeugleiste->findChild<QGroupBox *>())
        externe->setFont(vorbild->font());
    verknuepfungen->setContentsMargins(2, 2, 2, 2);
    externe->setLayout(verknuepfungen);
    auto *externeRand = new QVBoxLayout();
    externeRand->setContentsMargins(2, 0, 2, 2); // as the toolbar's own groups
    externeRand->addWidget(externe);
    werkzeugSpalte->addLayout(externeRand);
    m_werkzeugBox->setWidget(werkzeuge);

    zeile->addWidget(m_lernKartPan, 1);
    zeile->addWidget(m_werkzeugBox);
    spalten->addWidget(mitte, 1);
    setCentralWidget(m_lernPan);

    werkzeugleisteAnordnen();
    verknuepfungsKnoepfeAktualisieren();
}

void TForm1::verknuepfungsKnoepfeAktualisieren()
{
    for (int i = 0; i < kVerknuepfungsAnzahl; ++i) {
        const VerknuepfungTyp &v = m_sitzung.Einstellungen().Verknuepfungen.Felder[size_t(i)];
        m_verknuepfungsKnoepfe[size_t(i)]->setText(v.Name);
        m_verknuepfungsKnoepfe[size_t(i)]->setToolTip(v.Hinweis);
    }
    QToolButton *tastatur = m_verknuepfungsKnoepfe[kVerknuepfungsAnzahl];
    tastatur->setText(QString(QChar(0x2328))); // keyboard symbol
    tastatur->setToolTip(m_sitzung.Einstellungen().Verknuepfungen.TastaturHinweis);
}

void TForm1::verknuepfungGeklickt(int index, Qt::MouseButton knopf)
{
    const VerknuepfungsfelderTyp &v = m_sitzung.Einstellungen().Verknuepfungen;
    const QString programm = index < kVerknuepfungsAnzahl ? v.Felder[size_t(index)].Datei : v.TastaturDatei;
    if (VerknuepfungKlickAuswerten(programm, knopf) == VerknuepfungsKlick::Oeffnen)
        VerknuepfungOeffnen(programm, *m_oeffner, *m_meldungen);
    else
        Verknuepfungsfelder1Click();
}

void TForm1::Inhalt1Click()
{
    const QString seite = m_sitzung.Einstellungen().Ordner.Hilfe + QStringLiteral("index.html");
    if (!QFileInfo::exists(seite) || !m_oeffner->Oeffnen(seite))
        m_meldungen->Fehler(QStringLiteral("Die Datei \"%1\" kann nicht geöffnet werden.").arg(seite));
}

void TForm1::Website1Click()
{
    const QString adresse = QString::fromLatin1(kProduktWebseite);
    if (!m_oeffner->AdresseOeffnen(adresse))
        m_meldungen->Fehler(QStringLiteral("Die Internetseite \"%1\" kann nicht geöffnet werden.").arg(adresse));
}

void TForm1::Dateiordner1Click()
{
    TDateiordnerForm::Ausfuehren(this, m_sitzung.Einstellungen().Ordner, *m_meldungen);
}

void TForm1::Verknuepfungsfelder1Click()
{
    if (TVerknuepfungsfelderForm::Ausfuehren(this, m_sitzung.Einstellungen().Verknuepfungen, *m_meldungen))
        verknuepfungsKnoepfeAktualisieren();
}

void TForm1::Schiebepuzzle1Click()
{
    if (!SchiebepuzzleStartErlaubt(m_sitzung.Modus() != modusLernansicht, m_sitzung.Dok().ObjekteditorOffen,
                                   *m_meldungen))
        return;
    m_startDialogOffen = true;
    ZustandAnzeigen();
    const bool starten = m_puzzleOptForm->exec() == QDialog::Accepted;
    m_startDialogOffen = false;
    ZustandAnzeigen();
    if (!starten)
        return;
    // the tiles are cut from the page as the learning view shows it; the
    // session runs the puzzle, ModusGewechselt shows it
    if (std::unique_ptr<Puzzlelauf> lauf = m_puzzle->LaufBauen(m_sitzung.Ansicht().PageBitmap,
                                                               m_puzzleOptForm->Teile(), m_puzzleOptForm->NurNachbarn()))
        m_sitzung.LaufStarten(std::move(lauf));
}

void TForm1::werkzeugleisteAnordnen()
{
    const bool offen = m_sitzung.WerkzeugleisteOffen();
    // the toolbar itself is 118 pixels wide; the box adds room for its scroll bar
    const int rand = m_werkzeugBox->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * m_werkzeugBox->frameWidth();
    m_werkzeugBox->setFixedWidth(offen ? 118 + rand : 0);
    m_werkzeugBox->setMinimumHeight(0);
    auto *zeile = static_cast<QHBoxLayout *>(m_werkzeugBox->parentWidget()->layout());
    zeile->removeWidget(m_werkzeugBox);
    zeile->removeWidget(m_lernKartPan);
    // the collapse button stands above the toolbar, at the window's edge
    auto *info = static_cast<QHBoxLayout *>(m_infoPan->layout());
    info->removeWidget(m_klappKnopf);
    if (m_sitzung.Einstellungen().WerkzeugPos == 0) {
        zeile->addWidget(m_lernKartPan, 1);
        zeile->addWidget(m_werkzeugBox);
        info->addWidget(m_klappKnopf);
    } else {
        zeile->addWidget(m_werkzeugBox);
        zeile->addWidget(m_lernKartPan, 1);
        info->insertWidget(0, m_klappKnopf);
    }
    ZustandAnzeigen();
}

void TForm1::ZustandAnzeigen()
{
    MenueEingaben eingaben = m_sitzung.MenueEingabenErmitteln();
    eingaben.StartDialogOffen = m_startDialogOffen;
    const MenueZustand z = MenueZustandBerechnen(eingaben);
    for (const auto &[name, e] : z.Eintraege) {
        if (QAction *a = Aktion(name)) {
            // the state is shown, not a command: no toggled signal goes out
            const QSignalBlocker sperre(a);
            a->setEnabled(e.Aktiv);
            a->setVisible(e.Sichtbar);
            if (a->isCheckable())
                a->setChecked(e.Angekreuzt);
            const QString text = e.Text + m_kurzwahlTexte.value(name);
            if (a->text() != text)
                a->setText(text);
        } else if (QMenu *m = Menue(name)) {
            m->setEnabled(e.Aktiv);
            m->menuAction()->setVisible(e.Sichtbar);
        }
    }
    const std::pair<QWidget *, bool> flaechen[] = {
        {m_titelPan, z.TitelPanSichtbar},
        {m_uebStatusPan, z.UebStatusSichtbar},
        {m_serieStatusPan, z.SerieStatusSichtbar},
        {m_puzzleStatusPan, z.PuzzleStatusSichtbar},
        {m_gesperrtPan, z.LernansichtGesperrtSichtbar},
        {m_lernKartPicImg, z.LernbildSichtbar},
        {m_werkzeugBox, z.WerkzeugleisteSichtbar},
        {m_uebungPan, z.UebungPanSichtbar},
        {m_uebungsFlaeche, z.UebungsflaecheSichtbar},
        {m_puzzle, z.PuzzleSichtbar},
        {m_startInfoPan, z.StartInfoSichtbar},
    };
    // what goes is hidden before what comes is shown: the window never needs
    // room for both (the title panel and the exercise status side by side
    // would widen it for good)
    for (const auto &[w, sichtbar] : flaechen)
        if (!sichtbar)
            w->hide();
    for (const auto &[w, sichtbar] : flaechen)
        if (sichtbar)
            w->show();
    m_lernansichtKnopf->setChecked(z.LernansichtGedrueckt);
    m_individualKnopf->setChecked(z.IndividualGedrueckt);
    m_netzKnopf->setChecked(z.NetzGedrueckt);
    m_lernansichtKnopf->setText(z.LernansichtKnopfText);
    m_klappKnopf->setText(z.KlappKnopfText);
    m_klappKnopf->setToolTip(z.KlappKnopfHinweis);
}

void TForm1::LernansichtAktivieren()
{
    // the session leaves a run, switches to mode 2 and rebuilds the view;
    // ModusGewechselt arranges the window
    m_sitzung.LernansichtAktivieren();
}

void TForm1::ModusGewechselt()
{
    Ansichtslauf *lauf = m_sitzung.Lauf();
    auto *puzzle = dynamic_cast<Puzzlelauf *>(lauf);
    Uebungslauf *uebung = m_sitzung.AktuelleUebung();
    if (!puzzle)
        m_puzzle->Beenden(); // the board lets go of a run that is gone
    if (lauf)
        m_infoForm->hide();
    werkzeugleisteAnordnen(); // and the panels with it (ZustandAnzeigen)
    m_lernKartPicImg->EingabeGewechselt();
    m_werkzeugleiste->ZustandAnzeigen();
    if (puzzle || uebung) {
        // the board and the exercise are sized to the panel as laid out now
        m_lernPan->layout()->activate();
        m_lernKartPan->parentWidget()->layout()->activate();
        m_lernKartPan->layout()->activate();
        m_uebungPan->layout()->activate();
    }
    if (puzzle)
        m_puzzle->Zeigen(*puzzle);
    if (uebung)
        m_uebungsFlaeche->setFocus();
    if (!lauf && !m_ersteAktivierung && !m_beendet) {
        // an exercise had the view at the size of its panel's picture: the
        // picture area takes it back at its own size
        m_lernPan->layout()->activate();
        m_lernKartPan->parentWidget()->layout()->activate();
        m_lernKartPan->layout()->activate();
        lernbildZeigen();
    }
    if (lauf)
        m_uhr->start();
    else
        m_uhr->stop();
}

void TForm1::uebungsendePruefen()
{
    if (Uebungslauf *u = m_sitzung.AktuelleUebung(); u && !u->Lauf().Laeuft())
        LernansichtAktivieren();
}

void TForm1::Fensteroberflaeche::LernansichtAktivieren()
{
    // the exercise went back from within one of its own calls (the end of a
    // feedback pause, its end message): the run is left once that call has
    // returned
    QTimer::singleShot(0, &m_f, [f = &m_f] { f->uebungsendePruefen(); });
}

void TForm1::Fensteroberflaeche::IndividualKnopf(bool gedrueckt)
{
    m_f.m_startDialogOffen = gedrueckt;
    m_f.ZustandAnzeigen();
}

void TForm1::Fensteroberflaeche::ObjektOeffnen(int objekt)
{
    m_f.ObjektAktivieren(objekt);
}

void TForm1::Fensteroberflaeche::InfofensterSchliessen()
{
    m_f.m_infoForm->hide();
}

void TForm1::IndividualUebung1Click()
{
    m_sitzung.IndividualUebung();
    m_startDialogOffen = false;
    ZustandAnzeigen();
}

void TForm1::Uebungseinstellungen1Click()
{
    m_sitzung.Uebungseinstellungen();
    m_startDialogOffen = false;
    ZustandAnzeigen();
}

void TForm1::Notenskala1Click()
{
    NotenskalaZustand zustand;
    zustand.Laeuft = m_sitzung.Modus() != modusLernansicht;
    zustand.Gesperrt = !m_sitzung.Einstellungen().Aenderbar.Notenskala;
    TNotenskalaForm::Ausfuehren(this, m_sitzung.Einstellungen().Notenskala, zustand, *m_meldungen);
}

void TForm1::UebungAbbrechen1Click()
{
    if (m_sitzung.Modus() != modusLernansicht && UebungAbbrechenErlaubt())
        LernansichtAktivieren();
    ZustandAnzeigen();
}

void TForm1::uhrTick()
{
    const Eingabereaktion r = m_sitzung.Takt(m_sitzung.Millisekunden());
    if (r.Neuzeichnen) {
        m_lernKartPicImg->Aktualisieren();
        m_puzzle->StatusAktualisieren();
    }
    if (r.LaufEnde)
        LernansichtAktivieren();
}

void TForm1::TitelAnzeigen()
{
    const Dokument &dok = m_sitzung.Dok();
    setWindowTitle(FensterTitel(dok.Kopf.Dateiname));
    m_titelLabel->setText(TitelLabelText(dok.Bibliotheksindex, dok.Kopf.titel, m_titelVerborgen));
    m_titelLabel->setToolTip(m_titelVerborgen ? QStringLiteral("Titel anzeigen") : QStringLiteral("Titel verbergen"));
}

void TForm1::ErsteAktivierungAusfuehren()
{
    if (!m_ersteAktivierung)
        return;
    m_ersteAktivierung = false;

    // user settings, then the central configuration, which wins
    m_sitzung.EinstellungenLaden();
    m_werkzeugleiste->StempelSetzen(m_sitzung.Einstellungen().Symbolstempel);
    verknuepfungsKnoepfeAktualisieren();

    ZoomstufeSetzen(0);
    NummerierungSetzen(numGeordnet);
    LernansichtAktivieren();

    const Startargumente a = KommandozeileAuswerten(m_argumente);
    m_sitzung.KommandozeileAusfuehren(a);
    m_startInfoPan->setText(StartseitenText());
    TitelAnzeigen();
    lernbildZeigen();
    if (a.Vorschau) {
        // a preview run is unattended: it ends without the end dialog
        m_vorschauLauf = true;
        lernbildZeigen();
        m_sitzung.VorschauSchreiben(a.VorschauDatei, a.VorschauHoehe);
        QTimer::singleShot(0, this, &QWidget::close);
    }
}

void TForm1::lernbildZeigen()
{
    // an exercise keeps the view at the size of its panel's picture
    if (m_sitzung.Modus() == modusUebung)
        return;
    // the base image is always there: the start picture while no document is open
    m_sitzung.Ansicht().Ansichtsgroesse = m_lernKartPicImg->size().expandedTo(QSize(16, 16));
    m_sitzung.Neuaufbau();
    m_lernKartPicImg->Aktualisieren();
    m_werkzeugleiste->ZustandAnzeigen();
}

void TForm1::EbeneUmschalten(int ebene, bool sichtbar)
{
    m_werkzeugleiste->EbeneSchalten(ebene, sichtbar);
}

void TForm1::NummerierungSetzen(int modus)
{
    m_werkzeugleiste->NummerierungWaehlen(modus);
}

void TForm1::ZoomstufeSetzen(int stufe)
{
    m_werkzeugleiste->ZoomWaehlen(std::clamp(stufe, 0, 4));
}

void TForm1::ObjektAktivieren(int index)
{
    const auto &objekte = m_sitzung.Dok().Objekte;
    if (index < 0 || index >= int(objekte.size()))
        return;
    const int typ = objekte[size_t(index)].Typ;
    // the info point of a page and that of a multiple-choice question open the same window
    if (typ == objInfopunkt || typ == objMCInfopunkt) {
        ShowInfoText(index);
        return;
    }
    // links to files, addresses and documents open once that part of the program exists
    m_meldungen->Information(QStringLiteral("Verknüpfungen können in dieser Programmversion noch nicht "
                                            "geöffnet werden."));
}

void TForm1::MeldungenSetzen(Meldungen *m)
{
    m_meldungen = m;
    m_sitzung.MeldungenSetzen(m);
    m_infoForm->MeldungenSetzen(m);
    m_werkzeugleiste->MeldungenSetzen(m);
    m_puzzle->MeldungenSetzen(m);
    BibliotheksmenueMeldungen(m);
}

void TForm1::DateidialogeSetzen(Dateidialoge *d)
{
    m_dialoge = d;
    m_sitzung.DateidialogeSetzen(d);
    m_infoForm->DateidialogeSetzen(d);
    m_werkzeugleiste->DateidialogeSetzen(d);
    BibliotheksmenueDateidialoge(d);
}

void TForm1::ShowInfoText(int index)
{
    const auto &objekte = m_sitzung.Dok().Objekte;
    if (index < 0 || index >= int(objekte.size()))
        return;
    const ObjDataTyp &o = objekte[size_t(index)];
    Passwortabfrage &abfrage = m_passwortabfrage ? *m_passwortabfrage : *m_passwortForm;
    if (!PunktPasswortPruefen(o.BildKenn, abfrage, *m_meldungen))
        return;
    // the window sets the text again whenever its width changes: in the document font of that moment
    m_infoForm->Anzeigen(o.Cap, StripStyleTags(o.Cap), [this](QImage &ziel, const QString &text) {
        return InfotextSetzen(ziel, text, m_sitzung.Schriftart());
    }, frameGeometry());
}

void TForm1::AlleAbdecken1Click()
{
    m_werkzeugleiste->AlleAbdecken();
}

void TForm1::AlleAufdecken1Click()
{
    m_werkzeugleiste->AlleAufdecken();
}

void TForm1::Oeffnen1Click()
{
    m_sitzung.Oeffnen();
    ZustandAnzeigen();
    lernbildZeigen();
}

void TForm1::Speichern1Click()
{
    m_sitzung.Speichern();
}

void TForm1::SpeichernUnter1Click()
{
    m_sitzung.SpeichernUnter();
}

void TForm1::Schliessen1Click()
{
    m_sitzung.Schliessen();
    ZustandAnzeigen();
    lernbildZeigen();
}

void TForm1::Vollbild1Click()
{
    rahmenSetzen(false);
}

void TForm1::Fenster1Click()
{
    rahmenSetzen(true);
}

void TForm1::rahmenSetzen(bool mitRahmen)
{
    // switching the border re-creates the native window; layout waits until it is done
    m_layoutAktiv = false;
    setWindowFlag(Qt::FramelessWindowHint, !mitRahmen);
    showMaximized();
    raise();
    activateWindow();
    m_layoutAktiv = true;
    lernbildZeigen();
}

void TForm1::Minimieren1Click()
{
    showMinimized();
}

void TForm1::WerkzeugleisteKlappen1Click()
{
    m_sitzung.WerkzeugleisteOffenSetzen(!m_sitzung.WerkzeugleisteOffen());
    werkzeugleisteAnordnen();
    lernbildZeigen();
}

void TForm1::WerkzeugpositionSetzen(int position)
{
    m_sitzung.Einstellungen().WerkzeugPos = position;
    werkzeugleisteAnordnen();
    lernbildZeigen();
}

void TForm1::Info1Click()
{
    m_meldungen->Information(QStringLiteral("Kalumo\r\n\r\nInteraktives Lernmaterial für den Unterricht.\r\n"
                                            "Version ")
                             + QCoreApplication::applicationVersion());
}

void TForm1::Sanduhr(bool an)
{
    if (an)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void TForm1::DokumentGelesen(bool alsAktuell)
{
    // zoom 100 % (the session reset the view): toolbar, picture and menus follow
    Q_UNUSED(alsAktuell)
    ZoomstufeSetzen(0);
    ZustandAnzeigen();
    TitelAnzeigen();
}

void TForm1::DokumentGeschlossen()
{
    ZustandAnzeigen();
    TitelAnzeigen();
}

void TForm1::tasteAusfuehren(TastenAktion aktion)
{
    switch (aktion) {
    case TastenAktion::FensterZuruecksetzen:
        showNormal();
        move(0, 0);
        resize(1076, 780);
        break;
    case TastenAktion::ErsteFrage:
    case TastenAktion::LetzteFrage:
    case TastenAktion::VorherigeFrage:
    case TastenAktion::NaechsteFrage:
        if (m_sitzung.Lerninteraktion().FrageWechseln(FrageKnopf(aktion)))
            m_lernKartPicImg->Aktualisieren();
        break;
    case TastenAktion::ZoomHinein: m_werkzeugleiste->ZoomSchritt(+1); break;
    case TastenAktion::ZoomHeraus: m_werkzeugleiste->ZoomSchritt(-1); break;
    case TastenAktion::Keine: break;
    }
}

bool TForm1::eventFilter(QObject *objekt, QEvent *e)
{
    if (e->type() == QEvent::MouseButtonRelease) {
        for (int i = 0; i <= kVerknuepfungsAnzahl; ++i)
            if (objekt == m_verknuepfungsKnoepfe[size_t(i)]) {
                verknuepfungGeklickt(i, static_cast<QMouseEvent *>(e)->button());
                return true;
            }
    }
    if (objekt == m_startInfoPan && e->type() == QEvent::MouseButtonPress) {
        // a click on the start page hides the hint and shows the page itself
        m_sitzung.StartHinweisVerbergen();
        ZustandAnzeigen();
        return true;
    }
    if (objekt == m_titelLabel && e->type() == QEvent::MouseButtonPress) {
        m_titelVerborgen = !m_titelVerborgen;
        TitelAnzeigen();
        return true;
    }
    if (e->type() == QEvent::KeyPress && isActiveWindow()) {
        auto *w = qobject_cast<QWidget *>(objekt);
        if (w && w->window() == this) {
            auto *taste = static_cast<QKeyEvent *>(e);
            const Dokument &dok = m_sitzung.Dok();
            const TastenAktion a = TasteAuswerten(taste->key(), int(taste->modifiers()),
                                                  {dok.Kopf.DokTyp, dok.Kopf.AnzFrageNummern, dok.ObjekteditorOffen,
                                                   m_sitzung.Modus()});
            if (a != TastenAktion::Keine) {
                tasteAusfuehren(a);
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(objekt, e);
}

void TForm1::showEvent(QShowEvent *e)
{
    QMainWindow::showEvent(e);
    // the start-up work belongs to the first activation; a window that is
    // never activated (no window manager) still gets it once the loop runs
    QTimer::singleShot(0, this, &TForm1::ErsteAktivierungAusfuehren);
}

void TForm1::changeEvent(QEvent *e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        ErsteAktivierungAusfuehren();
}

void TForm1::resizeEvent(QResizeEvent *e)
{
    QMainWindow::resizeEvent(e);
    if (m_ersteAktivierung || m_beendet || !m_layoutAktiv)
        return;
    lernbildZeigen();
}

void TForm1::closeEvent(QCloseEvent *e)
{
    if (m_beendet) {
        e->accept();
        return;
    }
    if (!m_sitzung.SchliessenErlaubt(m_vorschauLauf)) {
        e->ignore();
        return;
    }
    abbauen();
    e->accept();
}

void TForm1::abbauen()
{
    m_beendet = true;
    m_uhr->stop();
    // the settings are written once, at the end of a run the user confirmed
    m_sitzung.EinstellungenSpeichern();
}

void TForm1::ArbeitsblattErstellen1Click()
{
    if (m_sitzung.Modus() != modusLernansicht)
        return;
    Lernansicht &ansicht = m_sitzung.Ansicht();
    ArbeitsblattQuelle quelle;
    quelle.Schriftart = m_sitzung.Schriftart();
    quelle.Lernbild = AktuellesLernbild(ansicht);
    quelle.Ebenen = {ansicht.Ebene0Check, ansicht.Ebene1Check, ansicht.Ebene2Check, ansicht.Ebene3Check};
    quelle.Saat = QRandomGenerator::global()->generate();
    TArbeitsblattForm::Zeigen(m_arbeitsblattForm, this, m_sitzung.Dok(), quelle, m_sitzung.Arbeitsblatt(), *m_meldungen, *m_dialoge,
                              *m_drucker);
    ansicht.RebuildView();
    TitelAnzeigen();
}

void TForm1::Drucken1Click()
{
    Interaktion &logik = m_lernKartPicImg->Logik();
    const bool bereich = logik.Werkzeug() == wzBereich && logik.BereichGueltig();
    const QImage bild = logik.CaptureView();
    TAnsichtDruckForm form(*m_drucker, *m_meldungen, this);
    const QString &titel = m_sitzung.Dok().Kopf.titel;
    form.Vorbereiten(bild, titel.isEmpty() ? QStringLiteral("Kalumo") : titel, m_ansichtDruck);
    // the ratio of the selection, else of the page as last rendered
    form.Setzen(m_ansichtDruck.Lage, m_ansichtDruck.Seitenverhaeltnis, m_ansichtDruck.Kopien,
                AnsichtVerhaeltnis(bereich ? bild.size() : m_sitzung.Ansicht().PageBitmap.size()));
    form.exec();
    m_ansichtDruck = form.Zustand();
}

} // namespace kalumo
