// The layouts that set running text: cloze text (C-test and wrong words
// included) and find words, the fitting rule that shrinks their text, the
// rebuild entry points and marked-up card captions.

#include "learnview/TextLayouts.h"
#include "learnview/Seitenlayouts.h"
#include "learnview/TextlayoutIntern.h"
#include "learnview/Zeichenhilfen.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kalumo {

namespace textlayout {

namespace {
double Bruch(double v)
{
    return std::isfinite(v) ? std::clamp(v, 0.0, 0.45) : 0.0;
}
} // namespace

Rahmen RahmenVon(const Lernansicht &lv)
{
    Rahmen r;
    r.W = std::max(1, lv.PageBitmap.width());
    r.H = std::max(1, lv.PageBitmap.height());
    r.S = r.W / 870.0;
    const auto &e = lv.Dok().Kopf.EinrueckRand;
    r.L = Bruch(e[0]);
    r.T = Bruch(e[1]);
    r.R = Bruch(e[2]);
    r.B = Bruch(e[3]);
    return r;
}

QStringList Absaetze(const QString &text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList zeilen = t.split(QLatin1Char('\n'));
    for (QString &z : zeilen) {
        qsizetype n = z.size();
        while (n > 0 && z[n - 1] == u' ')
            --n;
        z.truncate(n);
    }
    return zeilen;
}

void ArtenLoeschen(Dokument &dok, std::initializer_list<int> arten)
{
    for (int i = int(dok.Objekte.size()) - 1; i >= 0; --i)
        if (std::find(arten.begin(), arten.end(), dok.Objekte[size_t(i)].Typ) != arten.end())
            ObjektLoeschen(dok, i);
}

void ArtenLoeschen(Dokument &dok, bool (*art)(int))
{
    for (int i = int(dok.Objekte.size()) - 1; i >= 0; --i)
        if (art(dok.Objekte[size_t(i)].Typ))
            ObjektLoeschen(dok, i);
}

void UmgebungEinrichten(TextFlowUmgebung &form, Lernansicht &lv)
{
    form.Dok = &lv.Dok();
    form.Schriftart = lv.Schriftart;
    form.Ebene1Check = lv.Ebene1Check;
    form.UebungLaeuft = lv.UebungLaeuft;
    form.Objektindex = 0;
}

} // namespace textlayout

using namespace textlayout;

int Textgrundhoehe(const Lernansicht &lv)
{
    return Runden(22 * RahmenVon(lv).S);
}

namespace {

// The fitting rule: the paragraphs are measured from the top of the frame;
// while one ends below the frame, GapFontOffset goes down by
// max(1, round(c * 0.1)). Below 9 pixels nothing is measured any more.
// Then the text is drawn (gaps and tokens created with neuAufbauen).
void FliesstextSetzen(Lernansicht &lv, bool neuAufbauen, int modus, const QStringList &absaetze)
{
    Dokument &dok = lv.Dok();
    const Rahmen r = RahmenVon(lv);
    const int links = Runden(r.W * r.L), oben = Runden(r.H * r.T), rechterRand = Runden(r.W * r.R);
    const int unten = r.H - Runden(r.H * r.B);
    const QColor farbe = Farbe(dok.Kopf.TextCol);
    const int basis = Textgrundhoehe(lv);
    TextFlowUmgebung form;
    UmgebungEinrichten(form, lv);
    lv.GapFontOffset = std::clamp(lv.GapFontOffset, -basis, 0);
    int c = basis + lv.GapFontOffset;
    while (c >= 9) {
        bool passt = true;
        int y = oben;
        form.Objektindex = 0;
        for (const QString &a : absaetze) {
            y = TextFlow(form, nullptr, r.W, rechterRand, true, farbe, false, modus, c, 0, a, y, links, r.H);
            if (y > unten) {
                passt = false;
                break;
            }
        }
        if (passt)
            break;
        lv.GapFontOffset -= std::max(1, Runden(c * 0.1));
        c = basis + lv.GapFontOffset;
    }
    c = std::max(1, c);
    dok.Kopf.TextSchriftHoehe = -c;
    form.Objektindex = 0;
    QPainter p(&lv.PageBitmap);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    int y = oben;
    for (const QString &a : absaetze)
        y = TextFlow(form, &p, r.W, rechterRand, false, farbe, neuAufbauen, modus, c, 0, a, y, links, r.H);
}

bool Bereit(const Lernansicht &lv)
{
    return !lv.PageBitmap.isNull();
}

} // namespace

void LayoutCloze(Lernansicht &lv, bool neuAufbauen)
{
    Dokument &dok = lv.Dok();
    if (!Bereit(lv))
        return;
    lv.GapFontOffset = 0;
    if (neuAufbauen)
        ArtenLoeschen(dok, {objAbfrageLuecke, objFalschwort});
    if (dok.Kopf.lueckentext.isEmpty())
        return;
    FliesstextSetzen(lv, neuAufbauen, fmCloze, Absaetze(dok.Kopf.lueckentext));
    if (!neuAufbauen)
        return;
    const int unter = dok.Kopf.DokUnterTyp;
    if (unter == subLueckentextFalschwoerter || unter == subCTestFalschwoerter) {
        QString t = dok.Kopf.fragentext;
        t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        for (const QString &zeile : t.split(QLatin1Char('\n')))
            if (!zeile.trimmed().isEmpty())
                ObjektHinzufuegen(dok, objFalschwort, ebeneBasisbild, zeile, 0, 1, 0.0, 0.0, -1);
    }
    lv.AssignNumbers(lv.NummerierungsModus, false);
}

void LayoutFindWords(Lernansicht &lv, bool neuAufbauen)
{
    Dokument &dok = lv.Dok();
    if (!Bereit(lv))
        return;
    lv.GapFontOffset = 0;
    if (neuAufbauen)
        ArtenLoeschen(dok, IstWortsucheElement);
    if (dok.Kopf.lueckentext.isEmpty())
        return;
    // the find-words text: fragentext when it is filled, else the edited text itself
    const QString &quelle = dok.Kopf.fragentext.isEmpty() ? dok.Kopf.lueckentext : dok.Kopf.fragentext;
    FliesstextSetzen(lv, neuAufbauen, fmFindWords, Absaetze(quelle));
    if (neuAufbauen)
        lv.AssignNumbers(lv.NummerierungsModus, false);
}

void TextLayoutsNeuAufbauen(Lernansicht &lv)
{
    if (lv.PageBitmap.isNull())
        lv.RebuildView();
    const Seitenlayout &seite = SeitenlayoutVon(lv.Dok().Kopf);
    if (!seite.Layout)
        return;
    const auto &objekte = lv.Dok().Objekte;
    if (seite.Art != Seitenart::Einzelfragen) {
        seite.Layout(lv, true);
    } else if (std::none_of(objekte.begin(), objekte.end(),
                            [](const ObjDataTyp &o) { return IstEinzelfragenart(o.Typ); })) {
        // the pages of single questions are stored with the document
        seite.Layout(lv, true);
        // new pages are drawn once, as stored pages are after reading
        if (!objekte.empty())
            lv.RebuildView();
    }
}

void TextLayoutsNeuAufbauen(Dokument &dok, const QString &schriftart, QSize ansicht, int nummerierung)
{
    Lernansicht lv(dok, schriftart);
    lv.NummerierungsModus = std::clamp(nummerierung, 0, 2);
    lv.Ansichtsgroesse = QSize(std::clamp(ansicht.width(), 16, 8192), std::clamp(ansicht.height(), 16, 8192));
    lv.RebuildView();
    TextLayoutsNeuAufbauen(lv);
}

void LernansichtNeuaufbau::LayoutsNeuAufbauen(Dokument &)
{
    m_ansicht.RebuildView(); // the page at its new size
    TextLayoutsNeuAufbauen(m_ansicht);
}

bool TextLayoutsFehlen(const Dokument &dok)
{
    const Seitenlayout &seite = SeitenlayoutVon(dok.Kopf);
    const auto &objekte = dok.Objekte;
    auto gibt = [&](bool (*art)(int)) {
        return std::any_of(objekte.begin(), objekte.end(), [&](const ObjDataTyp &o) { return art(o.Typ); });
    };
    // question pages: single questions are stored, multiple-choice pages never
    switch (seite.Art) {
    case Seitenart::Bildseite: return false;
    case Seitenart::Einzelfragen: return !dok.Kopf.fragentext.trimmed().isEmpty() && !gibt(IstEinzelfragenart);
    case Seitenart::MultipleChoice:
        return gibt([](int t) { return t == objMCFrage || t == objMCFrageBild; })
               && !gibt([](int t) { return t >= objMCFragetext && t <= objMCAntwortBild; });
    default: break;
    }
    return std::none_of(objekte.begin(), objekte.end(),
                        [&](const ObjDataTyp &o) { return seite.EigeneArt(o.Typ) && o.Generiert; });
}

void TextLayouts::SeiteVorbereiten(Lernansicht &lv)
{
    const Seitenlayout &seite = SeitenlayoutVon(lv.Dok().Kopf);
    if (seite.Schritt == Layoutschritt::VorDemHintergrund)
        seite.Layout(lv, false);
}

void TextLayouts::SeiteSetzen(Lernansicht &lv)
{
    const Seitenlayout &seite = SeitenlayoutVon(lv.Dok().Kopf);
    if (seite.Schritt == Layoutschritt::UmDieObjekte)
        seite.Layout(lv, false);
}

void TextLayouts::Hintergrund(Lernansicht &lv, QImage &raster)
{
    if (const auto zeichnen = SeitenlayoutVon(lv.Dok().Kopf).Hintergrund)
        zeichnen(lv, raster);
}

TextLayouts &StandardTextLayouts()
{
    static TextLayouts haken;
    return haken;
}

QSize AuszeichnungSetzen(QPainter *p, const QString &text, const QRect &r, const QFont &schrift,
                         const QColor &farbe, int tausr, bool nurMessen)
{
    TextFlowUmgebung form;
    form.Schriftart = schrift.family();
    form.Reserve = 0;
    // caption lines stand where the plain drawing would put them
    form.OhneVorlauf = true;
    // the style bits of the card are where every line starts
    form.Grundstil = (schrift.bold() ? 1 : 0) | (schrift.italic() ? 2 : 0) | (schrift.underline() ? 4 : 0);
    const int hoehe = std::max(1, schrift.pixelSize());
    const int breite = std::max(1, r.width());
    int y = r.top();
    int groesste = 0;
    for (const QString &zeile : Absaetze(text)) {
        TextFlow(form, nullptr, breite, 0, true, farbe, false, fmPlain, hoehe, 0, zeile, 0, 0, 1);
        const int zeilenbreite = int(std::ceil(form.GroessteX));
        groesste = std::max(groesste, zeilenbreite);
        int versatz = 0;
        if (tausr == 1)
            versatz = (breite - zeilenbreite) / 2;
        else if (tausr == 2)
            versatz = breite - zeilenbreite;
        versatz = std::max(0, versatz);
        if (p && !nurMessen) {
            p->save();
            p->translate(r.left() + versatz, 0);
            TextFlow(form, p, breite, 0, false, farbe, false, fmPlain, hoehe, 0, zeile, y, 0, 1);
            p->restore();
        }
        y += QFontMetrics(schrift).height();
    }
    return {groesste, y - r.top()};
}

bool TextLayouts::KartentextSetzen(QPainter &p, const ObjDataTyp &o, const QRect &r, const QFont &schrift,
                                   const QColor &farbe, int tausr)
{
    if (!HatAuszeichnung(o.Cap))
        return false;
    AuszeichnungSetzen(&p, o.Cap, r, schrift, farbe, tausr, false);
    return true;
}

bool TextLayouts::KartentextMessen(const ObjDataTyp &o, const QFont &schrift, int breite, QSize &groesse)
{
    if (!HatAuszeichnung(o.Cap))
        return false;
    groesse = AuszeichnungSetzen(nullptr, o.Cap, QRect(0, 0, std::max(1, breite), 1), schrift, Qt::black, 0, true);
    groesse.setWidth(std::clamp(groesse.width(), 1, std::max(1, breite)));
    return true;
}

} // namespace kalumo
