// The question pages of single questions and multiple choice: the navigation
// buttons, one page of objects per question and the rule that keeps the
// current question in range.

#include "learnview/FragenLayouts.h"

#include "document/Beschriftung.h"
#include "learnview/TextlayoutIntern.h"
#include "learnview/Zeichenhilfen.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace kalumo {

using namespace textlayout;

namespace {

// The lines of a text, whatever the line ends.
QStringList Zeilen(const QString &text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t.split(QLatin1Char('\n'));
}

QString FrageNrText(int k, int n)
{
    return QStringLiteral("Frage Nr. %1 von %2").arg(k).arg(n);
}

// The five buttons under the frame: first, previous, next, last, random.
void NavigationAnlegen(Dokument &dok, const Rahmen &r)
{
    const double y = 1 - r.B - 0.03;
    const int arten[] = {objNavErste, objNavZurueck, objNavVor, objNavLetzte, objNavZufall};
    for (int i = 0; i < 5; ++i)
        ObjektHinzufuegen(dok, arten[i], ebeneInfopunkte, QString(), 0, 1, r.L + i * 0.06, y, -1);
}

QImage Markenbild(bool haken)
{
    QImage b(65, 65, QImage::Format_RGBA8888);
    b.fill(Qt::white);
    QPainter p(&b);
    p.setPen(QPen(QColor(180, 180, 180), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, 64, 64);
    if (haken) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0, 128, 0), 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF zug[] = {QPointF(10, 34), QPointF(26, 52), QPointF(55, 12)};
        p.drawPolyline(zug, 3);
    } else {
        p.fillRect(QRect(8, 31, 49, 4), QColor(255, 0, 0));
    }
    p.end();
    return b;
}

QString Eintrag(const QStringList &e, int i, const QString &vorgabe = {})
{
    return i < e.size() ? e.at(i) : vorgabe;
}

int Deckkraft(int wert)
{
    return std::clamp(wert, 0, 100);
}

} // namespace

QStringList KommatextLesen(const QString &s)
{
    return BeschriftungEintraege(s);
}

QString KommatextSchreiben(const QStringList &eintraege)
{
    QString aus;
    for (qsizetype i = 0; i < eintraege.size(); ++i) {
        if (i > 0)
            aus += u',';
        aus += u'"';
        for (QChar c : eintraege.at(i)) {
            if (c == u'"')
                aus += u'"';
            aus += c;
        }
        aus += u'"';
    }
    return aus;
}

const QImage &Hakenbild()
{
    static const QImage bild = Markenbild(true);
    return bild;
}

const QImage &Strichbild()
{
    static const QImage bild = Markenbild(false);
    return bild;
}

int FragetextFsize(int laenge)
{
    return std::max(-1, 5 - std::max(0, laenge - 60) / 12);
}

void AktFrageBehalten(Lernansicht &lv)
{
    const int anzahl = lv.Dok().Kopf.AnzFrageNummern;
    if (lv.AktFrageNummer < 1 || lv.AktFrageNummer > anzahl)
        lv.AktFrageNummer = anzahl < 1 ? -1 : 1;
}

void LayoutQuestions(Lernansicht &lv, bool neuAufbauen)
{
    Dokument &dok = lv.Dok();
    HeaderDataTyp &kopf = dok.Kopf;
    if (neuAufbauen) {
        ArtenLoeschen(dok, IstEinzelfragenart);
        if (kopf.fragentext.isEmpty()) {
            // no pages: the count must not promise questions that are gone
            kopf.AnzFrageNummern = 0;
            return;
        }
        const Rahmen r = RahmenVon(lv);
        NavigationAnlegen(dok, r);
        QStringList fragen;
        for (const QString &z : Zeilen(kopf.fragentext))
            if (!z.trimmed().isEmpty())
                fragen << z.trimmed();
        const int n = int(fragen.size());
        const double hoehe = (1 - r.T - r.B) / 0.64;
        for (int k = 1; k <= n; ++k) {
            const QString &zeile = fragen.at(k - 1);
            const qsizetype trenner = zeile.indexOf(QLatin1String("//"));
            const QString frage = trenner < 0 ? zeile : zeile.left(trenner).trimmed();
            const QString antwort = trenner < 0 ? QStringLiteral("---") : zeile.mid(trenner + 2).trimmed();
            ObjektHinzufuegen(dok, objTextLabel, ebeneTexteUndBilder, FrageNrText(k, n), -5, 1, r.L, r.T + 0.01, k);
            ObjektHinzufuegen(dok, objFrageText, ebeneTexteUndBilder, frage, 5, 1, r.L, r.T + hoehe * 0.22, k);
            ObjektHinzufuegen(dok, objTextLabel, ebeneTexteUndBilder, QStringLiteral("Antwort:"), 0, 1, r.L,
                              r.T + hoehe * 0.435, k);
            ObjektHinzufuegen(dok, objFrageAntwort, ebeneTexteUndBilder, antwort, 0, 1, r.L + 0.125,
                              r.T + hoehe * 0.435, k);
        }
        kopf.AnzFrageNummern = n;
        lv.AssignNumbers(lv.NummerierungsModus, false);
        if (!lv.UebungLaeuft)
            for (ObjDataTyp &o : dok.Objekte)
                if (o.Typ == objFrageAntwort)
                    o.Abgedeckt = abgAbgedeckt;
    }
    AktFrageBehalten(lv);
}

void LayoutMultipleChoice(Lernansicht &lv, bool neuAufbauen)
{
    Dokument &dok = lv.Dok();
    HeaderDataTyp &kopf = dok.Kopf;
    if (neuAufbauen) {
        ArtenLoeschen(dok, [](int t) { return IstNavKnopf(t) || t == objTextLabel || IstMCElement(t); });
        const Rahmen r = RahmenVon(lv);
        NavigationAnlegen(dok, r);
        std::vector<int> fragen;
        for (int i = 0; i < int(dok.Objekte.size()); ++i)
            if (dok.Objekte[size_t(i)].Typ == objMCFrage || dok.Objekte[size_t(i)].Typ == objMCFrageBild)
                fragen.push_back(i);
        const int n = int(fragen.size());
        const double breite = 1 - r.L - r.R;
        const double hoehe = 1 - r.T - r.B;
        const double zweiteSpalte = breite * 0.45 / 0.9 + r.L;
        for (int k = 1; k <= n; ++k) {
            // copies: new objects may move the vector
            const ObjDataTyp q = dok.Objekte[size_t(fragen[size_t(k - 1)])];
            auto neu = [&](int typ, const QString &cap, int fsize, double x, double y) -> ObjDataTyp & {
                const int i = ObjektHinzufuegen(dok, typ, ebeneTexteUndBilder, cap, fsize, 1, x, y, k);
                return dok.Objekte[size_t(i)];
            };
            neu(objTextLabel, FrageNrText(k, n), -5, r.L, r.T + 0.01);

            const QStringList e = KommatextLesen(q.Cap);
            QString fragetext = Eintrag(e, 0);
            while (!fragetext.isEmpty() && fragetext.back() == u' ')
                fragetext.chop(1);
            neu(objMCFragetext, fragetext, FragetextFsize(int(fragetext.size())), r.L, r.T + 0.08);

            // info point and link beside each other
            const auto &daten = q.MCInfoLinkData;
            double d = 0;
            // items 2/3 hold the info text and the link target, 4/5 their titles
            for (int j = 0; j < 2; ++j) {
                const QString inhalt = Eintrag(e, 2 + j);
                if (inhalt.trimmed().isEmpty())
                    continue;
                QString titel = Eintrag(e, 4 + j);
                if (titel.isEmpty())
                    titel = j == 0 ? QStringLiteral("Info") : QStringLiteral("Link");
                ObjDataTyp &o = neu(j == 0 ? objMCInfopunkt : objMCLink, inhalt, 0, r.L + d, r.T + 0.16);
                o.PktCap = titel;
                o.Farbe = daten[size_t(j)];
                o.HFarbe = daten[size_t(2 + j)];
                o.HDeck = Deckkraft(daten[size_t(4 + j)]);
                d += std::max(titel.size() * 0.01, 0.06);
            }

            const bool bildAntworten = q.Untertyp == kMCBildantworten;
            const double y0 = hoehe * 0.47 / 0.915 + r.T;
            double a = r.L + (bildAntworten ? 0.05 : 0.12);
            if (q.Typ == objMCFrageBild) {
                const QImage &bild = q.Bild.isNull() ? Leerbild() : q.Bild;
                const double seiten = bild.height() > 0 ? double(bild.width()) / bild.height() : 1.0;
                ObjDataTyp &o = neu(objMCBild, QString(), 0, r.L, y0);
                o.Bild = q.Bild;
                o.Fsize = Runden(Runden(breite * 120 / 0.95) / (std::max(seiten, 1.05) / 1.05));
                o.KartBreite = breite * 0.4 / 0.9;
                a = zweiteSpalte;
            }

            QStringList antworten;
            if (e.size() >= 2 && !e.at(1).trimmed().isEmpty())
                antworten = Zeilen(e.at(1).trimmed());
            if (antworten.size() > kMaxAntworten)
                antworten = antworten.mid(0, kMaxAntworten);
            if (antworten.isEmpty())
                antworten << QStringLiteral("+ Antwort");
            const int anz = int(antworten.size());

            const bool zweiSpalten = q.Typ == objMCFrage && bildAntworten;
            const int reihen = zweiSpalten ? (anz + 1) / 2 : anz;
            const double spaltenbreite = (breite - (zweiSpalten ? 0.3 : 0.15)) * 0.5;
            const double schritt =
                std::min((anz * 0.1 / 12 + 0.6) / reihen, bildAntworten ? 0.2 : 0.15) * hoehe / 0.915;
            int reihe = 0;
            for (int i = 0; i < anz; ++i, ++reihe) {
                if (zweiSpalten && i == reihen) {
                    a = zweiteSpalte;
                    reihe = 0;
                }
                const QString zeile = antworten.at(i).trimmed();
                if (zeile.isEmpty())
                    continue;
                const double y = (reihe - (reihen - 1) * 0.5) * schritt + y0;
                const QString marke = zeile.left(1);
                QString text = zeile.mid(1).trimmed();
                text.replace(QLatin1String("<br>"), QLatin1String("\r\n"));
                ObjDataTyp &m = neu(objMCMarke, marke, 4, a, y);
                m.AntwortAnz = anz;
                m.Bild = marke == QLatin1String("+") ? Hakenbild() : Strichbild();
                if (bildAntworten) {
                    ObjDataTyp &b = neu(objMCAntwortBild, text, Runden(schritt * 200) - 10, a + 0.06, y);
                    b.KartBreite = spaltenbreite;
                    b.Bild = q.BildAntw[size_t(i)];
                } else {
                    neu(objMCAntwort, text, 1, a + 0.06, y);
                }
            }
            const double okY = (reihen - (reihen - 1) * 0.5 - (bildAntworten ? 0.1 : 0.0)) * schritt + y0;
            neu(objOkKnopf, QStringLiteral("OK"), 1, a, okY);
        }
        kopf.AnzFrageNummern = n;
        lv.AssignNumbers(lv.NummerierungsModus, false);
        if (!lv.UebungLaeuft)
            for (ObjDataTyp &o : dok.Objekte)
                if (o.Typ == objMCMarke)
                    o.Abgedeckt = abgAbgedeckt;
    }
    AktFrageBehalten(lv);
}

} // namespace kalumo
