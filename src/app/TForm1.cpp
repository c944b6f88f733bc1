#include "app/TForm1.h"

#include "app/Hauptmenue.h"
#include "app/Mauszeiger.h"
#include "app/TLernbild.h"
#include "app/TWerkzeugleiste.h"
#include "app/settings/Einstellungsdialoge.h"
#include "app/settings/TDateiordnerForm.h"
#include "app/settings/TVerknuepfungsfelderForm.h"
#include "exercise/TSPuzzleOptForm.h"
#include "exercise/TSchiebepuzzle.h"
#include "learnview/Infofenster.h"
#include "learnview/TInfoForm.h"
#include "learnview/TextFlow.h"
#include "learnview/TextLayouts.h"
#include "peripheral/TAnsichtDruckForm.h"
#include "platform/TPasswortForm.h"
#include "worksheet/Arbeitsblatt.h"
#include "worksheet/TArbeitsblattForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QMenuBar>
#include <QPainter>
#include <QRandomGenerator>
#include <QScrollArea>
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

TForm1::TForm1(QWidget *parent) : QMainWindow(parent), m_qtMeldungen(this), m_qtDialoge(this)
{
    setObjectName(QStringLiteral("Form1"));
    // step 2 of the start: caption, mode, cursors, start picture, panels
    // the defaults of the settings and folders exist before anything reads them
    m_einst = EinstellungenVorgaben(QCoreApplication::applicationDirPath());
    m_startbild = StartbildErzeugen();
    m_dok.Basisbild = m_startbild;
    m_ansicht = std::make_unique<Lernansicht>(m_dok, m_schriftart);
    m_ansicht->Haken = &StandardTextLayouts();
    m_ansicht->NummerierungsModus = m_nummerierungsmodus;
    menuesBauen();
    panelsBauen();
    NeuesDokument(m_dok);
    m_dok.ZuvorAngezeigtesDokument.clear();
    TitelAnzeigen();
    resize(1024, 740);
    // the dialogs live from start-up to the end, hidden until needed
    m_infoForm = new TInfoForm(*m_meldungen, *m_dialoge, this);
    m_passwortForm = new TPasswortForm(this);
    m_puzzleOptForm = new TSPuzzleOptForm(this);
    qApp->installEventFilter(this);
}

TForm1::~TForm1()
{
    qApp->removeEventFilter(this);
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
                continue;
            }
            QAction *a = menue->addAction(p.Text);
            a->setObjectName(p.Name);
            if (!p.Kurzwahl.isEmpty())
                a->setShortcut(QKeySequence(p.Kurzwahl));
            a->setCheckable(p.Ankreuzbar);
            a->setEnabled(p.Verfuegbar);
            a->setVisible(p.Sichtbar);
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
    verbinden("Dateiordner1", &TForm1::Dateiordner1Click);
    verbinden("Verknuepfungsfelder1", &TForm1::Verknuepfungsfelder1Click);
    verbinden("ArbeitsblattErstellen1", &TForm1::ArbeitsblattErstellen1Click);
    verbinden("Drucken1", &TForm1::Drucken1Click);
    connect(Aktion(QStringLiteral("Druckereinrichtung1")), &QAction::triggered, this, [this] { m_drucker->Einrichten(); });
    verbinden("Schiebepuzzle1", &TForm1::Schiebepuzzle1Click);
    for (const char *option : {"Tonausgabe1", "Namenseingabe1", "Statusinfo1", "UebErgebAnzeigen1", "AutoProtSpeichern1",
                               "ErgebBestListEintragen1"}) {
        const QString name = QString::fromLatin1(option);
        connect(Aktion(name), &QAction::toggled, this, [this, name](bool an) { optionUmschalten(name, an); });
    }
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
    for (int ebene = 0; ebene < 4; ++ebene) {
        QAction *a = Aktion(QStringLiteral("Ebene%1Menue").arg(ebene));
        a->setChecked(true);
        connect(a, &QAction::toggled, this, [this, ebene](bool an) { EbeneUmschalten(ebene, an); });
    }
    const std::pair<const char *, int> nummerierungen[] = {
        {"NummerierungFragezeichen1", numFragezeichen}, {"NummerierungGeordnet1", numGeordnet},
        {"NummerierungZufaellig1", numZufaellig}};
    for (const auto &[name, modus] : nummerierungen)
        connect(Aktion(QString::fromLatin1(name)), &QAction::triggered, this, [this, m = modus] { NummerierungSetzen(m); });
    const std::pair<const char *, int> zoomstufen[] = {{"Zoom100", 0}, {"Zoom150", 2}, {"Zoom200", 4}};
    for (const auto &[name, stufe] : zoomstufen)
        connect(Aktion(QString::fromLatin1(name)), &QAction::triggered, this, [this, z = stufe] { ZoomstufeSetzen(z); });
    connect(Aktion(QStringLiteral("WerkzeugleisteLinks1")), &QAction::triggered, this,
            [this] { WerkzeugpositionSetzen(1); });
    connect(Aktion(QStringLiteral("WerkzeugleisteRechts1")), &QAction::triggered, this,
            [this] { WerkzeugpositionSetzen(0); });
}

void TForm1::panelsBauen()
{
    const QColor leiste = fensterFarbe(m_startbild, 500, 690);
    const QColor flaeche = fensterFarbe(m_startbild, 500, 10);

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
    m_individualKnopf->setEnabled(false); // the exercise run comes later
    m_lernansichtKnopf = schwebeKnopf(m_infoPan, QStringLiteral("Lernansicht"), QStringLiteral("LernansichtBtn"));
    connect(m_lernansichtKnopf, &QToolButton::clicked, this, [this] {
        if (m_ansichtsmodus != modusLernansicht && UebungAbbrechenErlaubt())
            LernansichtAktivieren();
        ModusAnzeigen();
    });
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
    m_vorherigesKnopf->setEnabled(false); // the library comes later
    m_naechstesKnopf = new QToolButton(m_titelPan);
    m_naechstesKnopf->setArrowType(Qt::RightArrow);
    m_naechstesKnopf->setAutoRaise(true);
    m_naechstesKnopf->setToolTip(QStringLiteral("nächstes Dokument öffnen"));
    m_naechstesKnopf->setEnabled(false);
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

    m_uebStatusPan = new QLabel(m_infoPan);
    m_uebStatusPan->setObjectName(QStringLiteral("UebStatusPan"));
    m_serieStatusPan = new QLabel(m_infoPan);
    m_serieStatusPan->setObjectName(QStringLiteral("UebserieStatusPan"));
    m_puzzleStatusPan = new QLabel(m_infoPan);
    m_puzzleStatusPan->setObjectName(QStringLiteral("SPuzzleStatusPan"));
    for (QLabel *l : {m_uebStatusPan, m_serieStatusPan, m_puzzleStatusPan}) {
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
    m_lernKartPicImg = new TLernbild(*m_ansicht, m_lernKartPan);
    connect(m_lernKartPicImg, &TLernbild::GroesseGeaendert, this, [this] {
        if (!m_ersteAktivierung && !m_beendet && m_layoutAktiv)
            lernbildZeigen();
    });
    connect(m_lernKartPicImg, &TLernbild::ObjektAktivieren, this, &TForm1::ObjektAktivieren);
    m_startInfoPan = new QLabel(m_lernKartPan);
    m_startInfoPan->setObjectName(QStringLiteral("StartInfoPan"));
    m_startInfoPan->setAlignment(Qt::AlignCenter);
    QPalette startFarben = m_startInfoPan->palette();
    startFarben.setColor(QPalette::WindowText, QColor(0x6F, 0x6F, 0x6A)); // 0x6A6F6F as BGR
    m_startInfoPan->setPalette(startFarben);
    QFont startSchrift = m_startInfoPan->font();
    startSchrift.setPointSizeF(startSchrift.pointSizeF() * 1.5);
    m_startInfoPan->setFont(startSchrift);
    m_uebungPan = new QWidget(m_lernKartPan);
    m_uebungPan->setObjectName(QStringLiteral("UebungPan"));
    m_uebungPan->hide();
    // the sliding puzzle fills the exercise panel, 9 pixels from the left and 8 from the top
    auto *uebungsRand = new QVBoxLayout(m_uebungPan);
    uebungsRand->setContentsMargins(9, 8, 8, 8);
    m_puzzle = new TSchiebepuzzle(*m_meldungen, m_uebungPan);
    m_puzzle->StatusPanelSetzen(m_puzzleStatusPan);
    m_puzzle->hide();
    uebungsRand->addWidget(m_puzzle);
    connect(m_puzzle, &TSchiebepuzzle::PuzzleGeloest, this, &TForm1::LernansichtAktivieren);
    m_uhr = new QTimer(this);
    m_uhr->setInterval(100);
    connect(m_uhr, &QTimer::timeout, m_puzzle, &TSchiebepuzzle::UhrTick);
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
    m_werkzeugleiste = new TWerkzeugleiste(*m_lernKartPicImg, *m_meldungen, *m_dialoge, m_einst.Symbolstempel, werkzeuge);
    werkzeugSpalte->addWidget(m_werkzeugleiste);
    connect(m_werkzeugleiste, &TWerkzeugleiste::ZoomGeaendert, this, &TForm1::menueHaekchenSetzen);
    connect(m_werkzeugleiste, &TWerkzeugleiste::NummerierungGeaendert, this, [this](int modus) {
        m_nummerierungsmodus = modus;
        menueHaekchenSetzen();
    });
    connect(m_werkzeugleiste, &TWerkzeugleiste::EbenenGeaendert, this, &TForm1::menueHaekchenSetzen);
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
    werkzeugSpalte->addLayout(verknuepfungen);
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
        const VerknuepfungTyp &v = m_einst.Verknuepfungen.Felder[size_t(i)];
        m_verknuepfungsKnoepfe[size_t(i)]->setText(v.Name);
        m_verknuepfungsKnoepfe[size_t(i)]->setToolTip(v.Hinweis);
    }
    QToolButton *tastatur = m_verknuepfungsKnoepfe[kVerknuepfungsAnzahl];
    tastatur->setText(QString(QChar(0x2328))); // keyboard symbol
    tastatur->setToolTip(m_einst.Verknuepfungen.TastaturHinweis);
}

void TForm1::verknuepfungGeklickt(int index, Qt::MouseButton knopf)
{
    const QString programm = index < kVerknuepfungsAnzahl ? m_einst.Verknuepfungen.Felder[size_t(index)].Datei
                                                          : m_einst.Verknuepfungen.TastaturDatei;
    if (VerknuepfungKlickAuswerten(programm, knopf) == VerknuepfungsKlick::Oeffnen)
        VerknuepfungOeffnen(programm, *m_oeffner, *m_meldungen);
    else
        Verknuepfungsfelder1Click();
}

void TForm1::Dateiordner1Click()
{
    TDateiordnerForm::Ausfuehren(this, m_einst.Ordner, *m_meldungen);
}

void TForm1::Verknuepfungsfelder1Click()
{
    if (TVerknuepfungsfelderForm::Ausfuehren(this, m_einst.Verknuepfungen, *m_meldungen))
        verknuepfungsKnoepfeAktualisieren();
}

void TForm1::Schiebepuzzle1Click()
{
    if (!SchiebepuzzleStartErlaubt(m_ansichtsmodus != modusLernansicht, m_dok.ObjekteditorOffen, *m_meldungen))
        return;
    m_individualKnopf->setChecked(true);
    if (m_puzzleOptForm->exec() != QDialog::Accepted) {
        m_individualKnopf->setChecked(false);
        return;
    }
    // the tiles are cut from the page as the learning view shows it
    const QImage bild = m_ansicht->PageBitmap;
    m_ansichtsmodus = modusSchiebepuzzle;
    m_lernKartPicImg->hide();
    m_startInfoPan->hide();
    m_infoForm->hide();
    m_werkzeugBox->hide();
    ModusAnzeigen();
    m_uebungPan->show();
    m_puzzle->show();
    m_lernKartPan->layout()->activate();
    m_uebungPan->layout()->activate();
    if (!m_puzzle->Starten(bild, m_puzzleOptForm->Teile(), m_puzzleOptForm->NurNachbarn())) {
        LernansichtAktivieren();
        return;
    }
    m_uhr->start();
}

void TForm1::optionUmschalten(const QString &name, bool an)
{
    if (name == QLatin1String("Tonausgabe1"))
        m_einst.Sound = an;
    else if (name == QLatin1String("Namenseingabe1"))
        m_einst.UebNameEingabe = an;
    else if (name == QLatin1String("Statusinfo1")) {
        m_einst.UebStatusInfo = an;
        m_statusinfo = an;
        ModusAnzeigen(); // takes effect at once
    } else if (name == QLatin1String("UebErgebAnzeigen1"))
        m_einst.UebErgebAnzeigen = an;
    else if (name == QLatin1String("AutoProtSpeichern1"))
        m_einst.AutoProtSpeichern = an;
    else if (name == QLatin1String("ErgebBestListEintragen1"))
        m_einst.ErgebBestListEintragen = an;
}

void TForm1::einstellungenAnwenden()
{
    const std::pair<const char *, bool> optionen[] = {
        {"Tonausgabe1", m_einst.Sound},
        {"Namenseingabe1", m_einst.UebNameEingabe},
        {"Statusinfo1", m_einst.UebStatusInfo},
        {"UebErgebAnzeigen1", m_einst.UebErgebAnzeigen},
        {"AutoProtSpeichern1", m_einst.AutoProtSpeichern},
        {"ErgebBestListEintragen1", m_einst.ErgebBestListEintragen},
    };
    for (const auto &[name, an] : optionen) {
        QAction *a = Aktion(QString::fromLatin1(name));
        const QSignalBlocker sperre(a);
        a->setChecked(an);
    }
    // the central configuration can lock options against change
    const AenderbarTyp &ae = m_einst.Aenderbar;
    Aktion(QStringLiteral("Namenseingabe1"))->setEnabled(ae.Namenseingabe);
    Aktion(QStringLiteral("Statusinfo1"))->setEnabled(ae.Statusinfo);
    Aktion(QStringLiteral("AutoProtSpeichern1"))->setEnabled(ae.ProtokollAutospeichern);
    Aktion(QStringLiteral("ErgebBestListEintragen1"))->setEnabled(ae.BestenlisteAutoeintrag);
    Aktion(QStringLiteral("UebErgebAnzeigen1"))->setEnabled(ae.UebungsergebnisAnzeigen);
    const MenuePunkt *protokoll = MenuePunktSuchen(QStringLiteral("ProtokollLetzteUebung1"));
    Aktion(QStringLiteral("ProtokollLetzteUebung1"))->setEnabled(protokoll->Verfuegbar && ae.ProtokollderletztenUebung);
    m_notenskalaAenderbar = ae.Notenskala;
    m_statusinfo = m_einst.UebStatusInfo;
    m_werkzeugposition = m_einst.WerkzeugPos;
    m_schriftart = m_einst.Schriftart;
    m_ansicht->Schriftart = m_schriftart;
    m_dok.Vorgaben = m_einst.Seite;
    verknuepfungsKnoepfeAktualisieren();
}

void TForm1::einstellungenEinsammeln()
{
    m_einst.Schriftart = m_schriftart;
    m_einst.WerkzeugPos = m_werkzeugposition;
}

void TForm1::werkzeugleisteAnordnen()
{
    const bool offen = m_werkzeugleisteOffen != 0;
    // the toolbar itself is 118 pixels wide; the box adds room for its scroll bar
    const int rand = m_werkzeugBox->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * m_werkzeugBox->frameWidth();
    m_werkzeugBox->setFixedWidth(offen ? 118 + rand : 0);
    m_werkzeugBox->setMinimumHeight(0);
    auto *zeile = static_cast<QHBoxLayout *>(m_werkzeugBox->parentWidget()->layout());
    zeile->removeWidget(m_werkzeugBox);
    zeile->removeWidget(m_lernKartPan);
    if (m_werkzeugposition == 0) {
        zeile->addWidget(m_lernKartPan, 1);
        zeile->addWidget(m_werkzeugBox);
    } else {
        zeile->addWidget(m_werkzeugBox);
        zeile->addWidget(m_lernKartPan, 1);
    }
    // the arrow points where the toolbar goes when the button is pressed
    const bool rechts = m_werkzeugposition == 0;
    m_klappKnopf->setText(offen == rechts ? QStringLiteral(">") : QStringLiteral("<"));
    m_klappKnopf->setToolTip(offen ? QStringLiteral("Werkzeugleiste zuklappen") : QStringLiteral("Werkzeugleiste aufklappen"));
    if (QAction *a = Aktion(QStringLiteral("WerkzeugleisteKlappen1")))
        a->setText(offen ? QStringLiteral("Werkzeugleiste zu&klappen") : QStringLiteral("Werkzeugleiste auf&klappen"));
    if (QAction *a = Aktion(QStringLiteral("WerkzeugleisteLinks1")))
        a->setChecked(!rechts);
    if (QAction *a = Aktion(QStringLiteral("WerkzeugleisteRechts1")))
        a->setChecked(rechts);
}

void TForm1::ModusAnzeigen()
{
    ModusEingaben e;
    e.Ansichtsmodus = m_ansichtsmodus;
    e.UebArt = m_uebArt;
    e.StatusinfoAnzeigen = m_statusinfo;
    e.NotenskalaAenderbar = m_notenskalaAenderbar;
    e.UebEinstSpeichern = m_dok.Kopf.UebEinstSpeichern;
    e.LernansichtSperren = m_dok.Kopf.LernansichtSperren;
    e.ArbeitsblattSperren = m_dok.Kopf.ArbeitsblattSperren;
    const ModusAnzeige a = ModusAnzeigeBerechnen(e);
    for (const auto &[name, aktiv] : a.Aktiv) {
        if (QAction *act = Aktion(name))
            act->setEnabled(aktiv);
        else if (QMenu *m = Menue(name))
            m->setEnabled(aktiv);
    }
    m_titelPan->setVisible(a.TitelPanSichtbar);
    m_uebStatusPan->setVisible(a.UebStatusSichtbar);
    m_serieStatusPan->setVisible(a.SerieStatusSichtbar);
    m_puzzleStatusPan->setVisible(a.PuzzleStatusSichtbar);
    m_gesperrtPan->setVisible(a.LernansichtGesperrtSichtbar);
    m_lernansichtKnopf->setChecked(a.LernansichtGedrueckt);
    m_individualKnopf->setChecked(a.IndividualGedrueckt);
    m_netzKnopf->setChecked(a.NetzGedrueckt);
    m_lernansichtKnopf->setText(a.LernansichtKnopfText);
}

void TForm1::LernansichtAktivieren()
{
    m_uhr->stop();
    m_puzzle->Beenden();
    m_puzzle->hide();
    m_lernKartPicImg->show();
    m_werkzeugBox->show();
    m_ansichtsmodus = modusLernansicht;
    ModusAnzeigen();
    m_uebungPan->hide();
    werkzeugleisteAnordnen();
    lernbildZeigen();
}

void TForm1::TitelAnzeigen()
{
    setWindowTitle(FensterTitel(m_dok.Kopf.Dateiname));
    m_titelLabel->setText(TitelLabelText(m_dok.Bibliotheksindex, m_dok.Kopf.titel, m_titelVerborgen));
    m_titelLabel->setToolTip(m_titelVerborgen ? QStringLiteral("Titel anzeigen") : QStringLiteral("Titel verbergen"));
}

bool TForm1::UebungAbbrechenErlaubt()
{
    return kalumo::UebungAbbrechenErlaubt({m_ansichtsmodus, true}, *m_meldungen);
}

void TForm1::ErsteAktivierungAusfuehren()
{
    if (!m_ersteAktivierung)
        return;
    m_ersteAktivierung = false;

    // user settings, then the central configuration, which wins
    if (!m_speicher) {
        m_eigenerSpeicher = std::make_unique<IniEinstellungsspeicher>();
        m_speicher = m_eigenerSpeicher.get();
    }
    ArbeitsordnerAnlegen(m_einst.Ordner);
    EinstellungenLaden(*m_speicher, m_einst);
    if (!m_zentraleKonfigurationGesetzt)
        m_zentraleKonfiguration = ZentraleKonfigurationFinden(QCoreApplication::applicationDirPath());
    if (!m_zentraleKonfiguration.isEmpty())
        ZentraleKonfigurationLaden(m_zentraleKonfiguration, m_einst);
    einstellungenAnwenden();

    ModusAnzeigen();
    ZoomstufeSetzen(0);
    NummerierungSetzen(numGeordnet);
    LernansichtAktivieren();

    const Startargumente a = KommandozeileAuswerten(m_argumente);
    if (!a.Startordner.isEmpty())
        m_startordner = a.Startordner;
    else if (!m_einst.Themenordner.isEmpty())
        m_startordner = MitTrennzeichen(m_einst.Themenordner);
    else
        m_startordner = m_einst.Ordner.Start;
    m_einst.Ordner.Start = m_startordner;
    if (!a.Paket.isEmpty()) {
        m_meldungen->Information(QStringLiteral("Übungs-Serien können in dieser Programmversion noch nicht "
                                                "ausgeführt werden."));
    } else if (!a.Startdokument.isEmpty()) {
        if (DokumentLesen(m_dok, *this, a.Startdokument, true))
            m_startdokument = a.Startdokument;
    }
    m_dok.Bibliotheksordner = m_startordner;
    m_startInfoPan->setText(StartseitenText());
    TitelAnzeigen();
    lernbildZeigen();
    if (a.Vorschau) {
        // a preview run is unattended: it ends without the end dialog
        m_vorschauLauf = true;
        vorschauSchreiben(a);
        QTimer::singleShot(0, this, &QWidget::close);
    }
}

void TForm1::lernbildZeigen()
{
    const bool offen = !m_dok.Kopf.Dateiname.isEmpty();
    m_startInfoPan->setVisible(!offen);
    // the base image is always there: the start picture while no document is open
    m_ansicht->Schriftart = m_schriftart;
    m_ansicht->Ansichtsgroesse = m_lernKartPicImg->size().expandedTo(QSize(16, 16));
    m_lernKartPicImg->Logik().Neuaufbau();
    m_lernKartPicImg->Aktualisieren();
    m_werkzeugleiste->ZustandAnzeigen();
}

void TForm1::menueHaekchenSetzen()
{
    const Lernansicht &a = *m_ansicht;
    const bool ebenen[] = {a.Ebene0Check, a.Ebene1Check, a.Ebene2Check, a.Ebene3Check};
    for (int ebene = 0; ebene < 4; ++ebene) {
        QAction *act = Aktion(QStringLiteral("Ebene%1Menue").arg(ebene));
        const QSignalBlocker sperre(act);
        act->setChecked(ebenen[ebene]);
    }
    Aktion(QStringLiteral("NummerierungFragezeichen1"))->setChecked(a.NummerierungsModus == numFragezeichen);
    Aktion(QStringLiteral("NummerierungGeordnet1"))->setChecked(a.NummerierungsModus == numGeordnet);
    Aktion(QStringLiteral("NummerierungZufaellig1"))->setChecked(a.NummerierungsModus == numZufaellig);
    Aktion(QStringLiteral("Zoom100"))->setChecked(a.ZoomStufe == 0);
    Aktion(QStringLiteral("Zoom150"))->setChecked(a.ZoomStufe == 2);
    Aktion(QStringLiteral("Zoom200"))->setChecked(a.ZoomStufe == 4);
}

void TForm1::EbeneUmschalten(int ebene, bool sichtbar)
{
    m_werkzeugleiste->EbeneSchalten(ebene, sichtbar);
    menueHaekchenSetzen();
}

void TForm1::NummerierungSetzen(int modus)
{
    m_nummerierungsmodus = modus;
    m_werkzeugleiste->NummerierungWaehlen(modus);
    menueHaekchenSetzen();
}

void TForm1::ZoomstufeSetzen(int stufe)
{
    m_werkzeugleiste->ZoomWaehlen(std::clamp(stufe, 0, 4));
    menueHaekchenSetzen();
}

void TForm1::ObjektAktivieren(int index)
{
    if (index < 0 || index >= int(m_dok.Objekte.size()))
        return;
    if (m_dok.Objekte[size_t(index)].Typ == objInfopunkt) {
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
    m_infoForm->MeldungenSetzen(m);
    m_werkzeugleiste->MeldungenSetzen(m);
    m_puzzle->MeldungenSetzen(m);
}

void TForm1::DateidialogeSetzen(Dateidialoge *d)
{
    m_dialoge = d;
    m_infoForm->DateidialogeSetzen(d);
    m_werkzeugleiste->DateidialogeSetzen(d);
}

void TForm1::ShowInfoText(int index)
{
    if (index < 0 || index >= int(m_dok.Objekte.size()))
        return;
    const ObjDataTyp &o = m_dok.Objekte[size_t(index)];
    Passwortabfrage &abfrage = m_passwortabfrage ? *m_passwortabfrage : *m_passwortForm;
    if (!PunktPasswortPruefen(o.BildKenn, abfrage, *m_meldungen))
        return;
    m_infoForm->Anzeigen(o.Cap, StripStyleTags(o.Cap), [this](QImage &ziel, const QString &text) {
        return InfotextSetzen(ziel, text, m_schriftart);
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

void TForm1::vorschauSchreiben(const Startargumente &a)
{
    // the learning picture as it is shown, scaled to the requested height
    lernbildZeigen();
    const QImage &bild = m_ansicht->ViewBitmap;
    if (bild.isNull() || bild.height() <= 0)
        return;
    const int h = a.VorschauHoehe;
    const int w = std::max(1, int(std::lround(double(bild.width()) / bild.height() * h)));
    if (!bild.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).save(a.VorschauDatei))
        m_meldungen->Fehler(QStringLiteral("Die Datei \"") + a.VorschauDatei
                            + QStringLiteral("\" kann nicht geschrieben werden."));
}

void TForm1::Oeffnen1Click()
{
    BefehlOeffnen(m_dok, *this);
    ModusAnzeigen();
    lernbildZeigen();
}

void TForm1::Speichern1Click()
{
    BefehlSpeichern(m_dok, *this);
}

void TForm1::SpeichernUnter1Click()
{
    BefehlSpeichernUnter(m_dok, *this);
}

void TForm1::Schliessen1Click()
{
    BefehlSchliessen(m_dok, *this);
    ModusAnzeigen();
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
    m_werkzeugleisteOffen = m_werkzeugleisteOffen ? 0 : 1;
    werkzeugleisteAnordnen();
    lernbildZeigen();
}

void TForm1::WerkzeugpositionSetzen(int position)
{
    m_werkzeugposition = position;
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

void TForm1::LayoutsNeuAufbauen(Dokument &)
{
    m_ansicht->Schriftart = m_schriftart;
    m_ansicht->Ansichtsgroesse = m_lernKartPicImg->size().expandedTo(QSize(16, 16));
    TextLayoutsNeuAufbauen(*m_ansicht);
}

void TForm1::NachDemLesen(Dokument &, bool alsAktuell)
{
    // zoom 100 %, window at the top, the current numbering applied anew
    m_ansicht->NeuesDokumentAnzeigen();
    m_ansicht->AssignNumbers(m_nummerierungsmodus, false);
    ZoomstufeSetzen(0);
    if (alsAktuell)
        m_startInfoPan->hide();
    TitelAnzeigen();
}

void TForm1::NachDemSchliessen(Dokument &)
{
    m_ansicht->NeuesDokumentAnzeigen();
    m_startInfoPan->show();
    TitelAnzeigen();
}

QString TForm1::OeffnenDialog(const QString &startOrdner)
{
    return m_dialoge->Oeffnen(QString::fromUtf8(kOeffnenTitel), startOrdner, DokumentDateifilter());
}

QString TForm1::SpeichernDialog(const QString &startOrdner, const QString &vorschlag)
{
    return m_dialoge->Speichern(QString::fromUtf8(kSpeichernTitel), startOrdner, DokumentDateifilter(), vorschlag,
                                QStringLiteral("kal"));
}

void TForm1::tasteAusfuehren(TastenAktion aktion)
{
    switch (aktion) {
    case TastenAktion::FensterZuruecksetzen:
        showNormal();
        move(0, 0);
        resize(1076, 780);
        break;
    case TastenAktion::ErsteFrage: m_lernKartPicImg->Logik().FrageWechseln(objNavKnopf + 2); break;
    case TastenAktion::LetzteFrage: m_lernKartPicImg->Logik().FrageWechseln(objNavKnopf + 3); break;
    case TastenAktion::VorherigeFrage: m_lernKartPicImg->Logik().FrageWechseln(objNavKnopf); break;
    case TastenAktion::NaechsteFrage: m_lernKartPicImg->Logik().FrageWechseln(objNavKnopf + 1); break;
    case TastenAktion::ZoomHinein: ZoomstufeSetzen(m_ansicht->ZoomStufe + 1); break;
    case TastenAktion::ZoomHeraus: ZoomstufeSetzen(m_ansicht->ZoomStufe - 1); break;
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
    if (objekt == m_titelLabel && e->type() == QEvent::MouseButtonPress) {
        m_titelVerborgen = !m_titelVerborgen;
        TitelAnzeigen();
        return true;
    }
    if (e->type() == QEvent::KeyPress && isActiveWindow()) {
        auto *w = qobject_cast<QWidget *>(objekt);
        if (w && w->window() == this) {
            auto *taste = static_cast<QKeyEvent *>(e);
            const TastenAktion a = TasteAuswerten(taste->key(), int(taste->modifiers()),
                                                  {m_dok.Kopf.DokTyp, m_dok.Kopf.AnzFrageNummern, m_dok.ObjekteditorOffen});
            // the puzzle keeps the arrow keys for its tiles
            const bool fuerPuzzle = m_ansichtsmodus == modusSchiebepuzzle && a != TastenAktion::FensterZuruecksetzen;
            if (a != TastenAktion::Keine && !fuerPuzzle) {
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

namespace {

class Schliessfolge : public SchliessSchritte
{
public:
    Schliessfolge(TForm1 &f, Dokument &d, DokumentDienste &dienste, Meldungen &m, bool ohneEndfrage)
        : m_f(f), m_d(d), m_dienste(dienste), m_m(m), m_ohneEndfrage(ohneEndfrage)
    {
    }
    bool UebungAbbrechenErlaubt() override { return m_f.UebungAbbrechenErlaubt(); }
    bool AenderungenSpeichernFragen() override { return kalumo::AenderungenSpeichernFragen(m_d, m_dienste); }
    bool BeendenBestaetigen() override
    {
        if (m_ohneEndfrage)
            return true;
        return m_m.EigeneFrage(QString::fromUtf8(kBeendenTitel), QString::fromUtf8(kBeendenFrage),
                               QString::fromUtf8(kBeendenJa), QString::fromUtf8(kBeendenNein))
            == Antwort::Ja;
    }

private:
    TForm1 &m_f;
    Dokument &m_d;
    DokumentDienste &m_dienste;
    Meldungen &m_m;
    bool m_ohneEndfrage;
};

} // namespace

void TForm1::closeEvent(QCloseEvent *e)
{
    if (m_beendet) {
        e->accept();
        return;
    }
    Schliessfolge folge(*this, m_dok, *this, *m_meldungen, m_vorschauLauf);
    if (!SchliessenErlaubt(folge)) {
        e->ignore();
        return;
    }
    abbauen();
    e->accept();
}

void TForm1::abbauen()
{
    m_beendet = true;
    // the settings are written once, at the end of a run the user confirmed
    if (!m_einstellungenGeschrieben && m_speicher) {
        m_einstellungenGeschrieben = true;
        einstellungenEinsammeln();
        EinstellungenSpeichern(*m_speicher, m_einst);
    }
}

void TForm1::ArbeitsblattGelesen(const QString *einstellungen, const QString &)
{
    if (einstellungen)
        ArbeitsblattEinstellungenLesen(*einstellungen, m_arbeitsblatt);
}

QString TForm1::ArbeitsblattZumSpeichern(const HeaderDataTyp &) const
{
    return ArbeitsblattEinstellungenText(m_arbeitsblatt);
}

void TForm1::ArbeitsblattErstellen1Click()
{
    if (m_ansichtsmodus != modusLernansicht)
        return;
    ArbeitsblattQuelle quelle;
    quelle.Schriftart = m_schriftart;
    quelle.Lernbild = AktuellesLernbild(*m_ansicht);
    quelle.Ebenen = {m_ansicht->Ebene0Check, m_ansicht->Ebene1Check, m_ansicht->Ebene2Check, m_ansicht->Ebene3Check};
    quelle.Saat = QRandomGenerator::global()->generate();
    TArbeitsblattForm::Zeigen(m_arbeitsblattForm, this, m_dok, quelle, m_arbeitsblatt, *m_meldungen, *m_dialoge,
                              *m_drucker);
    m_ansicht->RebuildView();
    TitelAnzeigen();
}

void TForm1::Drucken1Click()
{
    Interaktion &logik = m_lernKartPicImg->Logik();
    const bool bereich = logik.Werkzeug() == wzBereich && logik.BereichGueltig();
    const QImage bild = logik.CaptureView();
    TAnsichtDruckForm form(*m_drucker, *m_meldungen, this);
    form.Vorbereiten(bild, m_dok.Kopf.titel.isEmpty() ? QStringLiteral("Kalumo") : m_dok.Kopf.titel, m_ansichtDruck);
    // the ratio of the selection, else of the page as last rendered
    form.Setzen(m_ansichtDruck.Lage, m_ansichtDruck.Seitenverhaeltnis, m_ansichtDruck.Kopien,
                AnsichtVerhaeltnis(bereich ? bild.size() : m_ansicht->PageBitmap.size()));
    form.exec();
    m_ansichtDruck = form.Zustand();
}

} // namespace kalumo
