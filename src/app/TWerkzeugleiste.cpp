#include "app/TWerkzeugleiste.h"

#include "app/Mauszeiger.h"
#include "app/TLernbild.h"
#include "learnview/Ansichtexport.h"
#include "learnview/Zeichenhilfen.h"
#include "platform/Meldungen.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QMenu>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace kalumo {

namespace {

constexpr int kSpalten = 3;
const QSize kKnopf(33, 26);
const QString kEditorOffen = QStringLiteral("Bitte zuerst den Beschriftungseditor schließen.");

QIcon Bildsymbol(MauszeigerArt art)
{
    return QIcon(QPixmap::fromImage(MauszeigerZeichnen(art).Bild));
}

// The picture of a pen menu entry: 1 the freehand pen, 2..10 the shapes.
QIcon StiftSymbol(int eintrag)
{
    QImage b(24, 24, QImage::Format_ARGB32_Premultiplied);
    b.fill(Qt::transparent);
    QPainter p(&b);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(200, 0, 0), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const int werkzeug = eintrag == 1 ? int(wzStift) : wzLinie + eintrag - 2;
    if (werkzeug == wzStift) {
        QPainterPath s;
        s.moveTo(3, 18);
        s.cubicTo(8, 2, 12, 24, 21, 6);
        p.drawPath(s);
    } else {
        const bool gefuellt = werkzeug == wzRechteckGefuellt || werkzeug == wzEllipseGefuellt
                              || werkzeug == wzDreieckGefuellt;
        const bool linie = werkzeug <= wzDoppelpfeil;
        p.setBrush(gefuellt ? QBrush(QColor(200, 0, 0)) : QBrush(Qt::NoBrush));
        p.drawPath(Formumriss(werkzeug, linie ? QPoint(3, 20) : QPoint(3, 5), linie ? QPoint(21, 4) : QPoint(21, 19),
                              1));
    }
    return QIcon(QPixmap::fromImage(b));
}

QIcon GroessenSymbol(int groesse)
{
    QImage b(48, 24, QImage::Format_ARGB32_Premultiplied);
    b.fill(Qt::transparent);
    QPainter p(&b);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Qt::black, std::min(20, Stiftbreite(groesse)), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(12, 12, 36, 12);
    return QIcon(QPixmap::fromImage(b));
}

QIcon FarbSymbol(int index)
{
    QImage b(24, 16, QImage::Format_ARGB32_Premultiplied);
    b.fill(Stiftfarbe(index));
    QPainter p(&b);
    p.setPen(Qt::gray);
    p.drawRect(0, 0, 23, 15);
    return QIcon(QPixmap::fromImage(b));
}

QIcon BereichSymbol()
{
    QImage b(24, 24, QImage::Format_ARGB32_Premultiplied);
    b.fill(Qt::transparent);
    QPainter p(&b);
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    p.drawRect(3, 5, 17, 13);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(12, 0, 12, 23);
    p.drawLine(0, 12, 23, 12);
    return QIcon(QPixmap::fromImage(b));
}

// The pictures of the export group: printer, disk, clipboard.
QIcon ExportSymbol(int art)
{
    QImage b(24, 24, QImage::Format_ARGB32_Premultiplied);
    b.fill(Qt::transparent);
    QPainter p(&b);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    if (art == 0) {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 2.5, 10, 7));
        p.setBrush(QColor(150, 150, 150));
        p.drawRoundedRect(QRectF(2.5, 9.5, 19, 8), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 15.5, 10, 6));
    } else if (art == 1) {
        p.setBrush(QColor(40, 80, 170));
        p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 3.5, 10, 6));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(6.5, 13, 11, 7.5));
    } else {
        p.setBrush(QColor(190, 140, 80));
        p.drawRoundedRect(QRectF(4.5, 4.5, 15, 17), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 7.5, 10, 12));
        p.setBrush(QColor(120, 120, 120));
        p.drawRect(QRectF(9, 2.5, 6, 4));
    }
    return QIcon(QPixmap::fromImage(b));
}

} // namespace

QImage StempelSymbolZeichnen(QChar zeichen, const QString &schriftart)
{
    QImage b(36, 36, QImage::Format_ARGB32_Premultiplied);
    b.fill(Qt::white);
    QString text(zeichen);
    QFont schrift;
    if (schriftart.compare(QLatin1String("Wingdings"), Qt::CaseInsensitive) == 0) {
        text = WingdingsZeichen(zeichen.unicode());
        schrift = WingdingsSchrift(40);
    } else {
        schrift = QFont(schriftart);
        schrift.setPixelSize(40);
    }
    {
        QPainter p(&b);
        p.setFont(schrift);
        p.setPen(Qt::black);
        const QFontMetrics fm(schrift);
        p.drawText(QPoint(Runden((36 - fm.horizontalAdvance(text)) / 2.0), 1 + fm.ascent()), text);
    }
    return b.scaled(18, 18, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

TWerkzeugleiste::TWerkzeugleiste(TLernbild &bild, Meldungen &meldungen, Dateidialoge &dialoge,
                                 const SymbolstempelTyp &stempel, QWidget *parent)
    : QWidget(parent)
    , m_bild(bild)
    , m_meldungen(&meldungen)
    , m_dialoge(&dialoge)
    , m_stempel(stempel)
{
    setObjectName(QStringLiteral("Werkzeugleiste"));
    setFixedWidth(kBreite);
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(2, 2, 2, 2);
    spalte->setSpacing(3);

    std::vector<QGroupBox *> gruppen;
    auto gruppe = [this, spalte, &gruppen](const QString &titel, const std::vector<QWidget *> &inhalt) {
        // the heading stands flush left like the others, also where its
        // caption begins with a blank (" Werkzeugeinstellung")
        auto *g = new QGroupBox(titel.trimmed(), this);
        gruppen.push_back(g);
        auto *raster = new QGridLayout(g);
        raster->setContentsMargins(2, 2, 2, 2);
        raster->setSpacing(1);
        int n = 0;
        for (QWidget *w : inhalt) {
            w->setParent(g);
            if (qobject_cast<QCheckBox *>(w)) {
                raster->addWidget(w, n / kSpalten + 1, 0, 1, kSpalten);
                n = (n / kSpalten + 1) * kSpalten;
            } else if (w->width() > kKnopf.width() && n % kSpalten < kSpalten - 1) {
                raster->addWidget(w, n / kSpalten, n % kSpalten, 1, 2);
                n += 2;
            } else {
                raster->addWidget(w, n / kSpalten, n % kSpalten);
                ++n;
            }
        }
        spalte->addWidget(g);
    };

    // ---- the buttons ----
    QToolButton *zeiger = NeuerKnopf("ZeigerBtn", "Zeiger zum Auf- und Abdecken von Abfragefeldern");
    zeiger->setIcon(Bildsymbol(MauszeigerArt::Ziehen));
    QToolButton *hand = NeuerKnopf("HandBtn", "Bildausschnitt verschieben");
    hand->setIcon(Bildsymbol(MauszeigerArt::Hand));
    QToolButton *stift = NeuerKnopf("StiftBtn", "Zeichenstift");
    QToolButton *radierer = NeuerKnopf("RadierBtn", "Radierer");
    radierer->setIcon(Bildsymbol(MauszeigerArt::Radierer));
    QToolButton *symbol = NeuerKnopf("SymbolBtn", "Symbolstempel");
    QToolButton *text = NeuerKnopf("TexteingabeBtn", "Text");
    text->setIcon(Bildsymbol(MauszeigerArt::Text));
    QToolButton *bereich = NeuerKnopf("BereichBtn", "Bereich auswählen für Drucken, Speichern, kopieren\n"
                                                    "in Zwischenablage und einfügen aus Zwischenablage");
    bereich->setIcon(BereichSymbol());
    for (QToolButton *k : {zeiger, hand, stift, radierer, symbol, text, bereich})
        k->setCheckable(true);

    QToolButton *zoom0 = NeuerKnopf("ZoomPan0", "Zoomstufe 100%", "100 %");
    QToolButton *zoom2 = NeuerKnopf("ZoomPan2", "Zoomstufe 150%", "150 %");
    QToolButton *zoom4 = NeuerKnopf("ZoomPan4", "Zoomstufe 200%", "200 %");
    QToolButton *fragez = NeuerKnopf("NummerModeFragez", "Abfragefelder mit Fragezeichen", "?");
    QToolButton *sortiert = NeuerKnopf("NummerModeSort", "Abfragefelder geordnet nummerieren", "1 2");
    QToolButton *zufall = NeuerKnopf("NummerModeZufall", "Abfragefelder zufällig nummerieren", "3 1");
    for (QToolButton *k : {zoom0, zoom2, zoom4, fragez, sortiert, zufall})
        k->setCheckable(true);
    QToolButton *abdecken = NeuerKnopf("AlleAbdeckenBtn", "Alle Abfragefelder abdecken", QString(QChar(0x25A0)));
    QToolButton *aufdecken = NeuerKnopf("AlleAufdeckenBtn", "Alle Abfragefelder aufdecken", "Lösung");
    aufdecken->setFixedWidth(2 * kKnopf.width() + 1);
    QToolButton *abdecker = NeuerKnopf("AbdeckerBtn", "verschiebbares Abdeckblatt ein-/ausblenden",
                                       QString(QChar(0x25A4)));
    QToolButton *groesse = NeuerKnopf("StrichdickeBtn", "Größe");
    groesse->setIcon(GroessenSymbol(1));
    QToolButton *farbe = NeuerKnopf("FarbeBtn", "Farbe");
    QToolButton *zurueck = NeuerKnopf("RueckgaengigBtn", "Letzte Zeichenaktion rückgängig machen",
                                      QString(QChar(0x21B6)));
    QToolButton *entfernen = NeuerKnopf("MarkEntfBtn", "Alle Zeichnungen entfernen", QString(QChar(0x2716)));
    QToolButton *drucken = NeuerKnopf("DruckBtn", "Ansicht drucken");
    drucken->setIcon(ExportSymbol(0));
    QToolButton *exportieren = NeuerKnopf("ExportBtn", "Ansicht in Bilddatei speichern");
    exportieren->setIcon(ExportSymbol(1));
    QToolButton *ablage = NeuerKnopf("ClipbordBtn", "Ansicht in Zwischenablage kopieren");
    ablage->setIcon(ExportSymbol(2));
    QToolButton *arbeitsblatt = NeuerKnopf("ArbeitsblattBtn", "Arbeitsblatt erstellen", "AB");

    const char *ebenenTexte[] = {" Basisbild ", " Texte && Bilder ", " Infopunkte ", " Layout  "};
    for (int i = 0; i < 4; ++i) {
        auto *c = new QCheckBox(QString::fromUtf8(ebenenTexte[i]), this);
        c->setObjectName(QStringLiteral("Ebene%1Check").arg(i));
        connect(c, &QCheckBox::toggled, this, [this, i](bool an) { EbeneSchalten(i, an); });
        m_ebenen[size_t(i)] = c;
    }

    gruppe("Mauszeigerfunktion", {zeiger, hand, stift, radierer, symbol, text, bereich});
    gruppe("Zoom", {zoom0, zoom2, zoom4});
    gruppe("Nummerierung", {fragez, sortiert, zufall});
    gruppe("Darstellung", {abdecken, aufdecken, abdecker});
    // the layer order of the menu: base image, layout, texts and images, info points
    gruppe("Ebenen", {m_ebenen[0], m_ebenen[3], m_ebenen[1], m_ebenen[2]});
    gruppe(" Werkzeugeinstellung", {groesse, farbe, zurueck, entfernen});
    gruppe("Exportfunktionen", {drucken, exportieren, ablage, arbeitsblatt});
    spalte->addStretch(1);
    UeberschriftenEinpassen(gruppen);
    for (auto &[name, k] : m_knoepfe)
        KnopftextEinpassen(k);

    MenuesAufbauen();

    // ---- commands ----
    connect(zeiger, &QToolButton::clicked, this, [this] { WerkzeugWaehlen(wzZeiger); });
    connect(hand, &QToolButton::clicked, this, [this] { WerkzeugWaehlen(wzHand); });
    connect(stift, &QToolButton::clicked, this, [this] { WerkzeugWaehlen(m_bild.Logik().StiftWahl()); });
    connect(radierer, &QToolButton::clicked, this, [this] { WerkzeugWaehlen(wzRadierer); });
    connect(symbol, &QToolButton::clicked, this, [this] { StempelWaehlen(m_bild.Logik().StempelNr()); });
    connect(text, &QToolButton::clicked, this, [this] { WerkzeugWaehlen(wzText); });
    connect(bereich, &QToolButton::clicked, this, [this] { WerkzeugWaehlen(wzBereich); });
    connect(zoom0, &QToolButton::clicked, this, [this] { ZoomWaehlen(0); });
    connect(zoom2, &QToolButton::clicked, this, [this] { ZoomWaehlen(2); });
    connect(zoom4, &QToolButton::clicked, this, [this] { ZoomWaehlen(4); });
    connect(fragez, &QToolButton::clicked, this, [this] { NummerierungWaehlen(numFragezeichen); });
    connect(sortiert, &QToolButton::clicked, this, [this] { NummerierungWaehlen(numGeordnet); });
    connect(zufall, &QToolButton::clicked, this, [this] { NummerierungWaehlen(numZufaellig); });
    connect(abdecken, &QToolButton::clicked, this, &TWerkzeugleiste::AlleAbdecken);
    connect(aufdecken, &QToolButton::clicked, this, &TWerkzeugleiste::AlleAufdecken);
    connect(abdecker, &QToolButton::clicked, this, [this] { m_bild.AbdeckblattKnopf(); });
    connect(zurueck, &QToolButton::clicked, this, &TWerkzeugleiste::Rueckgaengig);
    connect(entfernen, &QToolButton::clicked, this, &TWerkzeugleiste::ZeichnungenEntfernen);
    connect(drucken, &QToolButton::clicked, this, &TWerkzeugleiste::DruckenAngefordert);
    connect(arbeitsblatt, &QToolButton::clicked, this, &TWerkzeugleiste::ArbeitsblattAngefordert);
    connect(exportieren, &QToolButton::clicked, this, &TWerkzeugleiste::Exportieren);
    connect(ablage, &QToolButton::clicked, this, &TWerkzeugleiste::InZwischenablage);
    connect(&m_bild, &TLernbild::WerkzeugGeaendert, this, [this] { ZustandAnzeigen(); });

    StempelSetzen(stempel);
    ZustandAnzeigen();
}

void TWerkzeugleiste::UeberschriftenEinpassen(const std::vector<QGroupBox *> &gruppen)
{
    // one size for every heading: at most 11 pixels, small enough for the
    // widest heading to fit the bar (margins and the frame's inset aside)
    const int verfuegbar = kBreite - 2 * 2 - 2 * kUeberschriftEinzug;
    QFont schrift = font();
    int groesse = 11;
    auto breiteste = [&] {
        schrift.setPixelSize(groesse);
        const QFontMetrics fm(schrift);
        int b = 0;
        for (const QGroupBox *g : gruppen)
            b = std::max(b, fm.horizontalAdvance(g->title()));
        return b;
    };
    while (groesse > 8 && breiteste() > verfuegbar)
        --groesse;
    schrift.setPixelSize(groesse);
    for (QGroupBox *g : gruppen)
        g->setFont(schrift);
}

void TWerkzeugleiste::KnopftextEinpassen(QToolButton *k)
{
    // a caption keeps some room to the button's border ("100 %")
    if (k->text().size() < 2)
        return;
    QFont schrift = k->font();
    int groesse = std::max(1, schrift.pixelSize());
    while (groesse > 7 && QFontMetrics(schrift).horizontalAdvance(k->text()) > k->width() - 2 * kKnopfRand) {
        schrift.setPixelSize(--groesse);
    }
    k->setFont(schrift);
}

QToolButton *TWerkzeugleiste::NeuerKnopf(const QString &name, const QString &hinweis, const QString &text)
{
    auto *k = new QToolButton(this);
    k->setObjectName(name);
    k->setToolTip(hinweis);
    k->setFixedSize(kKnopf);
    k->setIconSize(QSize(22, 22));
    k->setAutoRaise(true);
    if (!text.isEmpty()) {
        k->setText(text);
        QFont schrift = k->font();
        schrift.setPixelSize(text.size() > 1 ? 10 : 15);
        k->setFont(schrift);
    }
    m_knoepfe[name] = k;
    return k;
}

QMenu *TWerkzeugleiste::NeuesMenue(const QString &name)
{
    auto *m = new QMenu(this);
    m->setObjectName(name);
    m_menues[name] = m;
    return m;
}

void TWerkzeugleiste::MenuesAufbauen()
{
    QMenu *stifte = NeuesMenue("StiftMenu");
    for (int i = 1; i <= 10; ++i) {
        m_stiftSymbole[size_t(i - 1)] = StiftSymbol(i);
        QAction *a = stifte->addAction(m_stiftSymbole[size_t(i - 1)], QString());
        a->setObjectName(QStringLiteral("Stift%1").arg(i));
        connect(a, &QAction::triggered, this, [this, i] { StiftWaehlen(i); });
    }
    Knopf("StiftBtn")->setMenu(stifte);
    Knopf("StiftBtn")->setPopupMode(QToolButton::MenuButtonPopup);

    QMenu *groessen = NeuesMenue("StrichdickeMenu");
    for (int g = 1; g <= kGroessen; ++g) {
        QAction *a = groessen->addAction(GroessenSymbol(g), QString());
        a->setObjectName(QStringLiteral("Strichdicke%1").arg(g));
        connect(a, &QAction::triggered, this, [this, g] { GroesseWaehlen(g); });
    }
    Knopf("StrichdickeBtn")->setMenu(groessen);
    Knopf("StrichdickeBtn")->setPopupMode(QToolButton::InstantPopup);

    QMenu *farben = NeuesMenue("FarbeMenu");
    for (int index : kFarbmenue) {
        if (index == 0) {
            farben->addSeparator();
            continue;
        }
        QString text;
        switch (index) {
        case 11: text = QStringLiteral("rot - transparent"); break;
        case 12: text = QStringLiteral("gelb - transparent"); break;
        case 13: text = QStringLiteral("grün - transparent"); break;
        case 14: text = QStringLiteral("blau - transparent"); break;
        }
        QAction *a = farben->addAction(FarbSymbol(index), text);
        a->setObjectName(QStringLiteral("Farbe%1").arg(index));
        connect(a, &QAction::triggered, this, [this, index] { FarbeWaehlen(index); });
    }
    Knopf("FarbeBtn")->setMenu(farben);
    Knopf("FarbeBtn")->setPopupMode(QToolButton::InstantPopup);

    QMenu *stempel = NeuesMenue("SymbolMenu");
    for (int n = 1; n <= kStempelAnzahl; ++n) {
        QAction *a = stempel->addAction(QStringLiteral("Stempel %1").arg(n));
        a->setObjectName(QStringLiteral("Stempel%1").arg(n));
        connect(a, &QAction::triggered, this, [this, n] { StempelWaehlen(n); });
    }
    QAction *konfig = stempel->addAction(QStringLiteral("Konfig."));
    konfig->setObjectName(QStringLiteral("StempelKonfig"));
    connect(konfig, &QAction::triggered, this, &TWerkzeugleiste::StempelKonfigurieren);
    konfig->setEnabled(false); // until the stamp configuration dialog exists
    Knopf("SymbolBtn")->setMenu(stempel);
    Knopf("SymbolBtn")->setPopupMode(QToolButton::MenuButtonPopup);
}

void TWerkzeugleiste::StempelSetzen(const SymbolstempelTyp &stempel)
{
    m_stempel = stempel;
    m_bild.Logik().Stempel = stempel;
    const QList<QAction *> eintraege = Menue("SymbolMenu")->actions();
    for (int n = 0; n < kStempelAnzahl; ++n) {
        const QChar z = n < stempel.Zeichen.size() ? stempel.Zeichen.at(n) : QChar(' ');
        m_stempelSymbole[size_t(n)] = QIcon(QPixmap::fromImage(StempelSymbolZeichnen(z, stempel.Fontname[size_t(n)])));
        eintraege[n]->setIcon(m_stempelSymbole[size_t(n)]);
    }
    ZustandAnzeigen();
}

QToolButton *TWerkzeugleiste::Knopf(const QString &name) const
{
    const auto it = m_knoepfe.find(name);
    return it == m_knoepfe.end() ? nullptr : it->second;
}

QMenu *TWerkzeugleiste::Menue(const QString &name) const
{
    const auto it = m_menues.find(name);
    return it == m_menues.end() ? nullptr : it->second;
}

void TWerkzeugleiste::ZustandAnzeigen()
{
    const Interaktion &l = m_bild.Logik();
    const Lernansicht &a = m_bild.Logik().Ansicht();
    const int w = l.Werkzeug();
    Knopf("ZeigerBtn")->setChecked(w == wzZeiger);
    Knopf("HandBtn")->setChecked(w == wzHand);
    Knopf("StiftBtn")->setChecked(w == wzStift || IstForm(w));
    Knopf("RadierBtn")->setChecked(w == wzRadierer);
    Knopf("SymbolBtn")->setChecked(w == wzStempel);
    Knopf("TexteingabeBtn")->setChecked(w == wzText);
    Knopf("BereichBtn")->setChecked(w == wzBereich);
    const int wahl = l.StiftWahl();
    Knopf("StiftBtn")->setIcon(m_stiftSymbole[size_t(wahl == wzStift ? 0 : wahl - wzLinie + 1)]);
    Knopf("SymbolBtn")->setIcon(m_stempelSymbole[size_t(l.StempelNr() - 1)]);
    Knopf("StrichdickeBtn")->setIcon(GroessenSymbol(l.StiftGroesse()));
    Knopf("FarbeBtn")->setIcon(FarbSymbol(l.StiftFarbe()));
    Knopf("ZoomPan0")->setChecked(a.ZoomStufe == 0);
    Knopf("ZoomPan2")->setChecked(a.ZoomStufe == 2);
    Knopf("ZoomPan4")->setChecked(a.ZoomStufe == 4);
    Knopf("NummerModeFragez")->setChecked(a.NummerierungsModus == numFragezeichen);
    Knopf("NummerModeSort")->setChecked(a.NummerierungsModus == numGeordnet);
    Knopf("NummerModeZufall")->setChecked(a.NummerierungsModus == numZufaellig);
    const bool ebenen[] = {a.Ebene0Check, a.Ebene1Check, a.Ebene2Check, a.Ebene3Check};
    for (int i = 0; i < 4; ++i) {
        const QSignalBlocker still(m_ebenen[size_t(i)]);
        m_ebenen[size_t(i)]->setChecked(ebenen[i]);
    }
}

bool TWerkzeugleiste::ZeichnenErlaubt()
{
    if (!m_bild.Ansicht().Autorenmodus())
        return true;
    m_meldungen->Information(kEditorOffen);
    return false;
}

void TWerkzeugleiste::NachBefehl()
{
    ZustandAnzeigen();
    m_bild.Aktualisieren();
    emit AnsichtGeaendert();
}

void TWerkzeugleiste::WerkzeugWaehlen(int werkzeug)
{
    if (IstZeichenwerkzeug(werkzeug) && !ZeichnenErlaubt()) {
        ZustandAnzeigen();
        return;
    }
    m_bild.WerkzeugSetzen(werkzeug);
    ZustandAnzeigen();
    emit WerkzeugGeaendert(m_bild.Logik().Werkzeug());
}

void TWerkzeugleiste::StiftWaehlen(int eintrag)
{
    eintrag = std::clamp(eintrag, 1, 10);
    WerkzeugWaehlen(eintrag == 1 ? int(wzStift) : wzLinie + eintrag - 2);
}

void TWerkzeugleiste::GroesseWaehlen(int groesse)
{
    const int vorher = m_bild.Logik().Werkzeug();
    m_bild.Logik().GroesseSetzen(groesse);
    if (m_bild.Logik().Werkzeug() != vorher)
        m_bild.WerkzeugSetzen(m_bild.Logik().Werkzeug());
    ZustandAnzeigen();
}

void TWerkzeugleiste::FarbeWaehlen(int farbindex)
{
    const int vorher = m_bild.Logik().Werkzeug();
    m_bild.Logik().FarbeSetzen(farbindex);
    if (m_bild.Logik().Werkzeug() != vorher)
        m_bild.WerkzeugSetzen(m_bild.Logik().Werkzeug());
    ZustandAnzeigen();
}

void TWerkzeugleiste::StempelWaehlen(int nummer)
{
    if (!ZeichnenErlaubt())
        return;
    m_bild.Logik().StempelSetzen(nummer);
    m_bild.WerkzeugSetzen(wzStempel);
    ZustandAnzeigen();
    emit WerkzeugGeaendert(wzStempel);
}

void TWerkzeugleiste::ZoomWaehlen(int stufe)
{
    m_bild.Logik().ZoomSetzen(stufe);
    NachBefehl();
    emit ZoomGeaendert(m_bild.Ansicht().ZoomStufe);
}

void TWerkzeugleiste::ZoomSchritt(int richtung)
{
    if (richtung > 0)
        m_bild.Logik().Vergroessern();
    else
        m_bild.Logik().Verkleinern();
    NachBefehl();
    emit ZoomGeaendert(m_bild.Ansicht().ZoomStufe);
}

void TWerkzeugleiste::NummerierungWaehlen(int modus)
{
    m_bild.Logik().NummerierungSetzen(modus);
    NachBefehl();
    emit NummerierungGeaendert(m_bild.Ansicht().NummerierungsModus);
}

void TWerkzeugleiste::EbeneSchalten(int ebene, bool sichtbar)
{
    m_bild.Logik().EbeneSetzen(ebene, sichtbar);
    NachBefehl();
    emit EbenenGeaendert();
}

void TWerkzeugleiste::AlleAbdecken()
{
    m_bild.Logik().AlleAbdecken();
    NachBefehl();
}

void TWerkzeugleiste::AlleAufdecken()
{
    m_bild.Logik().AlleAufdecken();
    NachBefehl();
}

void TWerkzeugleiste::Rueckgaengig()
{
    if (m_bild.Logik().Rueckgaengig())
        NachBefehl();
}

void TWerkzeugleiste::ZeichnungenEntfernen()
{
    m_bild.Logik().AlleZeichnungenEntfernen();
    NachBefehl();
}

bool TWerkzeugleiste::Exportieren()
{
    return AnsichtExportieren(m_bild.Logik().CaptureView(), *m_meldungen, *m_dialoge);
}

void TWerkzeugleiste::InZwischenablage()
{
    InZwischenablageKopieren(m_bild.Logik().CaptureView());
}

} // namespace kalumo
