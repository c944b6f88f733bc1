#include "learnview/TextFlow.h"

#include "learnview/Zeichenhilfen.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPaintDevice>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace kalumo {

Zeichenmasse::Zeichenmasse(const QFont &schrift)
    : m_schrift(schrift)
{
    std::fill(std::begin(m_latin), std::end(m_latin), -1.0);
    // the height of a line of text, as the renderer measures card text
    const QFontMetrics fm(m_schrift);
    m_hoehe = fm.height();
    m_oberlaenge = fm.ascent();
}

double Zeichenmasse::Breite(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 256) {
        double &w = m_latin[u];
        if (w < 0)
            w = QFontMetricsF(m_schrift).horizontalAdvance(c);
        return w;
    }
    auto it = m_rest.find(u);
    if (it == m_rest.end())
        it = m_rest.emplace(u, QFontMetricsF(m_schrift).horizontalAdvance(c)).first;
    return it->second;
}

double Zeichenmasse::Breite(QStringView text)
{
    double w = 0;
    for (QChar c : text)
        w += Breite(c);
    return w;
}

TextFlowUmgebung::TextFlowUmgebung() = default;
TextFlowUmgebung::~TextFlowUmgebung() = default;

Zeichenmasse &TextFlowUmgebung::Masse(const QFont &schrift)
{
    const std::uint64_t schluessel = (std::uint64_t(std::max(0, schrift.pixelSize())) << 24)
                                     ^ (std::uint64_t(std::max(0, schrift.pointSize())) << 8)
                                     ^ (schrift.bold() ? 1u : 0u) ^ (schrift.italic() ? 2u : 0u)
                                     ^ (schrift.underline() ? 4u : 0u)
                                     ^ (std::uint64_t(qHash(schrift.family())) << 40);
    auto &eintrag = m_masse[schluessel];
    if (!eintrag || eintrag->Schrift() != schrift)
        eintrag = std::make_unique<Zeichenmasse>(schrift);
    return *eintrag;
}

namespace {

bool Beginnt(const QString &t, qsizetype pos, QLatin1String tag)
{
    return pos + tag.size() <= t.size() && QStringView(t).mid(pos, tag.size()).compare(tag, Qt::CaseInsensitive) == 0;
}

bool IstHex(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

bool IstZiffer(QChar c) { return c >= u'0' && c <= u'9'; }

enum class Tag {
    Keiner,
    FettAn, FettAus, KursivAn, KursivAus, UnterAn, UnterAus,
    LueckeAuf, TokenAuf, LueckeZu, TokenZu,
    Farbe, FarbeAus, Linie, Tab, Feld,
};

struct Treffer
{
    Tag Art = Tag::Keiner;
    int Laenge = 0;
    int Zahl = 0;
};

// The tags of the grammar in their order of checks.
Treffer TagBei(const QString &t, qsizetype pos, int modus)
{
    if (t[pos] != u'<' && t[pos] != u'>' && t[pos] != u'[' && t[pos] != u']')
        return {};
    static const struct { const char *text; Tag art; } stil[] = {
        {"<b>", Tag::FettAn}, {"</b>", Tag::FettAus}, {"<i>", Tag::KursivAn},
        {"</i>", Tag::KursivAus}, {"<u>", Tag::UnterAn}, {"</u>", Tag::UnterAus},
    };
    for (const auto &s : stil)
        if (Beginnt(t, pos, QLatin1String(s.text)))
            return {s.art, int(std::strlen(s.text)), 0};
    if (modus != fmPlain && Beginnt(t, pos, QLatin1String("<<")))
        return {Tag::LueckeAuf, 2, 0};
    if (modus == fmFindWords && Beginnt(t, pos, QLatin1String("[[")))
        return {Tag::TokenAuf, 2, 0};
    if (modus != fmPlain && Beginnt(t, pos, QLatin1String(">>")))
        return {Tag::LueckeZu, 2, 0};
    if (modus == fmFindWords && Beginnt(t, pos, QLatin1String("]]")))
        return {Tag::TokenZu, 2, 0};
    if (Beginnt(t, pos, QLatin1String("<@COL=")) && pos + 13 <= t.size() && t[pos + 12] == u'>') {
        bool hex = true;
        for (int i = 6; i < 12; ++i)
            hex = hex && IstHex(t[pos + i]);
        if (hex)
            return {Tag::Farbe, 13, 0};
    }
    if (Beginnt(t, pos, QLatin1String("</@COL>")))
        return {Tag::FarbeAus, 7, 0};
    if (Beginnt(t, pos, QLatin1String("<@LINIE>")))
        return {Tag::Linie, 8, 0};
    if (Beginnt(t, pos, QLatin1String("<@POSX=")) && pos + 11 <= t.size() && IstZiffer(t[pos + 7])
        && IstZiffer(t[pos + 8]) && t[pos + 9] == u'%' && t[pos + 10] == u'>')
        return {Tag::Tab, 11, (t[pos + 7].unicode() - u'0') * 10 + (t[pos + 8].unicode() - u'0')};
    if (Beginnt(t, pos, QLatin1String("<@REB=")) && pos + 9 <= t.size() && IstZiffer(t[pos + 6])
        && IstZiffer(t[pos + 7]) && t[pos + 8] == u'>')
        return {Tag::Feld, 9, (t[pos + 6].unicode() - u'0') * 10 + (t[pos + 7].unicode() - u'0')};
    return {};
}

// Tags that change only how the text looks, not where it goes.
bool IstStilOderFarbe(Tag t)
{
    switch (t) {
    case Tag::FettAn: case Tag::FettAus: case Tag::KursivAn: case Tag::KursivAus:
    case Tag::UnterAn: case Tag::UnterAus: case Tag::Farbe: case Tag::FarbeAus:
        return true;
    default:
        return false;
    }
}

// One paragraph being set.
class Satz
{
public:
    Satz(TextFlowUmgebung &form, QPainter *canvas, int seitenBreite, int rechterRand, bool nurMessen,
         const QColor &farbe, bool erzeugen, int modus, int schriftHoehe, int schriftGroesse, int links,
         int seitenHoehe)
        : m_form(form), m_canvas(nurMessen ? nullptr : canvas), m_seitenBreite(std::max(1, seitenBreite)),
          m_seitenHoehe(std::max(1, seitenHoehe)), m_rechts(seitenBreite - rechterRand), m_farbe(farbe),
          m_erzeugen(erzeugen), m_modus(modus), m_links(links), m_x(links)
    {
        m_grund = QFont(form.Schriftart.isEmpty() ? QStringLiteral("Arial") : form.Schriftart);
        m_grund.setKerning(false);
        // points at 96 dpi, so that measuring and drawing agree on every device
        if (schriftGroesse != 0)
            m_grund.setPixelSize(Runden(std::clamp(std::abs(schriftGroesse), 1, 1000) * 96.0 / 72.0));
        if (schriftHoehe != 0)
            m_grund.setPixelSize(std::clamp(std::abs(schriftHoehe), 1, 2000));
        const int h0 = Masse().Hoehe();
        m_zeilenhoehe = Runden(h0 * 1.25);
        if (modus != fmPlain)
            m_zeilenhoehe = Runden(m_zeilenhoehe * 1.1);
        m_zeilenhoehe = std::max(1, m_zeilenhoehe);
        m_vorlauf = form.OhneVorlauf ? 0 : Runden(h0 * 1.25 * 0.02 / 0.055);
        m_h0 = h0;
        switch (modus) {
        case fmPlain: case fmWorksheet: case fmSolution: m_textZeichnen = true; break;
        case fmAnswers: m_textZeichnen = form.UebungLaeuft; break;
        default: m_textZeichnen = form.Ebene1Check || form.UebungLaeuft; break;
        }
        m_textZeichnen = m_textZeichnen && m_canvas;
        m_stil = form.Grundstil & 7;
        m_woerterFinden = form.Dok && form.Dok->Kopf.DokTyp == dokWoerterFinden;
        if (m_canvas)
            m_rasterHoehe = m_canvas->device() ? m_canvas->device()->height() : 1 << 24;
        form.GroessteX = links;
    }

    int Setzen(const QString &absatz, int y)
    {
        m_y = y + m_vorlauf;
        m_text = absatz + QLatin1Char(' ');
        const qsizetype n = m_text.size();
        qsizetype letztes = n - 1;
        while (letztes >= 0 && m_text[letztes] == u' ')
            --letztes;
        qsizetype pos = 0, start = 0, kandidat = -1;
        double segment = 0;
        // the pending segment starts right behind a blank with only style or
        // colour tags between: that blank is its break point (" <b>Wort")
        bool hinterBlank = false;
        while (pos < n) {
            const bool drinnen = m_luecke || m_token;
            Treffer tag = TagBei(m_text, pos, m_modus);
            // a closing marker without its opening one is text
            if (!drinnen && (tag.Art == Tag::LueckeZu || tag.Art == Tag::TokenZu))
                tag = {};
            if (tag.Art != Tag::Keiner && (!drinnen || tag.Art == m_schliesser)) {
                if (tag.Art == Tag::LueckeAuf || tag.Art == Tag::TokenAuf) {
                    Oeffnen(tag, start, pos, kandidat);
                    pos += tag.Laenge;
                    start = pos;
                    segment = 0;
                    kandidat = -1;
                    hinterBlank = false;
                    continue;
                }
                if (tag.Art == Tag::LueckeZu || tag.Art == Tag::TokenZu) {
                    pos = Schliessen(start, pos, pos + tag.Laenge);
                    start = pos;
                    segment = 0;
                    kandidat = -1;
                    hinterBlank = false;
                    continue;
                }
                const bool blankDavor = pos > start ? m_text[pos - 1] == u' ' : hinterBlank;
                Zeichnen(start, pos);
                pos += tag.Laenge;
                pos = Anwenden(tag, pos);
                start = pos;
                segment = 0;
                hinterBlank = blankDavor && IstStilOderFarbe(tag.Art);
                continue;
            }
            if (drinnen) {
                ++pos;
                continue;
            }
            // ordinary and unrecognised text
            const QChar c = m_text[pos];
            const double breite = Masse().Breite(c);
            if (m_x + segment + breite <= m_rechts - m_form.Reserve) {
                segment += breite;
                if (c == u' ')
                    kandidat = pos;
                ++pos;
                continue;
            }
            if (pos > letztes) // only the closing blanks are left
                break;
            if (kandidat >= start && kandidat < pos) {
                Zeichnen(start, kandidat);
                pos = kandidat;
            } else if (((kandidat == start - 1 && kandidat >= 0) || hinterBlank) && m_x > m_links) {
                // the word began behind a blank that is already drawn: it wraps whole
                pos = start;
            } else if (pos == start && m_x <= m_links) {
                // not even one character fits: it stands alone
                segment += breite;
                ++pos;
                continue;
            } else {
                Zeichnen(start, pos);
            }
            NeueZeile();
            while (pos < n && m_text[pos] == u' ')
                ++pos;
            start = pos;
            segment = 0;
            kandidat = -1;
            hinterBlank = false;
        }
        Zeichnen(start, std::min(n, m_text.size()));
        NeueZeile();
        return m_y;
    }

private:
    Zeichenmasse &Masse()
    {
        if (!m_masse || m_masseStil != m_stil) {
            QFont f = m_grund;
            f.setBold(m_stil & 1);
            f.setItalic(m_stil & 2);
            f.setUnderline(m_stil & 4);
            m_masse = &m_form.Masse(f);
            m_masseStil = m_stil;
        }
        return *m_masse;
    }

    void NeueZeile()
    {
        m_form.GroessteX = std::max(m_form.GroessteX, m_x);
        m_x = m_links;
        m_y += m_zeilenhoehe;
    }

    bool Sichtbar() const { return m_textZeichnen && m_y < m_rasterHoehe && m_y + m_zeilenhoehe > 0; }

    void Text(const QString &text, const QColor &farbe)
    {
        m_canvas->setFont(Masse().Schrift());
        m_canvas->setPen(farbe);
        m_canvas->drawText(QPointF(m_x, m_y + Masse().Oberlaenge()), text);
    }

    // Draws the pending text [von, bis) at x and moves x on.
    void Zeichnen(qsizetype von, qsizetype bis)
    {
        if (bis <= von)
            return;
        const QStringView teil = QStringView(m_text).mid(von, bis - von);
        const double breite = Masse().Breite(teil);
        if (Sichtbar())
            Text(teil.toString(), m_farbe);
        m_x += breite;
        m_form.GroessteX = std::max(m_form.GroessteX, m_x);
    }

    bool AlsToken(Tag oeffner) const
    {
        return oeffner == Tag::TokenAuf || m_modus == fmFindWords || m_woerterFinden;
    }

    // "<<" or "[[": the pending text before the word is drawn, the word wraps
    // as a whole when its display text does not fit, then its prefix is drawn.
    void Oeffnen(const Treffer &tag, qsizetype start, qsizetype pos, qsizetype)
    {
        qsizetype wort = pos;
        while (wort > start && m_text[wort - 1] != u' ')
            --wort;
        Zeichnen(start, wort);
        const QLatin1String zu(tag.Art == Tag::TokenAuf ? "]]" : ">>");
        m_token = AlsToken(tag.Art);
        m_luecke = !m_token;
        m_tokenArt = tag.Art == Tag::TokenAuf ? objWortsucheFalle : objWortsucheWort;
        m_schliesser = tag.Art == Tag::TokenAuf ? Tag::TokenZu : Tag::LueckeZu;
        const qsizetype ende = m_text.indexOf(zu, pos + 2, Qt::CaseInsensitive);
        if (ende >= 0) {
            const QString inhalt = m_text.mid(pos + 2, ende - pos - 2);
            const double breite = m_token ? Masse().Breite(QLatin1Char(' ') + inhalt) : LueckenBreite(inhalt);
            if (m_x + breite > m_rechts && m_x > m_links)
                NeueZeile();
        }
        Zeichnen(wort, pos);
    }

    double LueckenBreite(const QString &inhalt)
    {
        const int minLuecke = m_form.Dok ? std::clamp(m_form.Dok->Kopf.MinLuecke, 0, kMinLueckeMax) : 3;
        Zeichenmasse &m = Masse();
        const double blank = m.Breite(u' '), x = m.Breite(u'X');
        return std::max({blank + m.Breite(FirstAlternative(inhalt)), blank + 2 * x, blank + minLuecke * x});
    }

    // ">>" or "]]" at pos: the gap or token ends; returns where the scan goes on.
    qsizetype Schliessen(qsizetype start, qsizetype pos, qsizetype weiter)
    {
        const QString inhalt = m_text.mid(start, pos - start);
        const bool token = m_token;
        m_luecke = m_token = false;
        m_schliesser = Tag::Keiner;
        const bool bildschirm = m_modus == fmCloze || m_modus == fmFindWords;
        double w = 0;
        if (token) {
            w = Masse().Breite(inhalt);
            if (bildschirm) {
                ObjektSetzen(m_tokenArt, inhalt, QString(), w, 4.0 * m_seitenHoehe / 1100.0);
            } else if (m_canvas) {
                if (m_modus == fmAnswers || m_modus == fmSolution) {
                    m_canvas->save();
                    m_canvas->setPen(QPen(QColor(255, 0, 0), 2));
                    m_canvas->drawLine(QPointF(m_x, m_y + m_h0), QPointF(m_x + w, m_y + m_h0));
                    m_canvas->restore();
                }
                if (m_modus == fmWorksheet || m_modus == fmSolution)
                    Text(inhalt, Qt::black);
            }
        } else {
            w = LueckenBreite(inhalt);
            if (bildschirm) {
                ObjektSetzen(objAbfrageLuecke, FirstAlternative(inhalt),
                             QLatin1Char('|') + inhalt + QLatin1Char('|'), w, 4.0);
            } else {
                const int p = std::clamp(m_form.Kastengroesse, 30, 200);
                w += Runden(w * (p - 100) / 100.0);
                if (m_canvas) {
                    if (m_modus == fmWorksheet || m_modus == fmSolution) {
                        m_canvas->save();
                        m_canvas->setPen(QPen(Qt::black, 1));
                        m_canvas->drawLine(QPointF(m_x, m_y + m_h0), QPointF(m_x + w, m_y + m_h0));
                        m_canvas->restore();
                    }
                    if (m_modus == fmAnswers || m_modus == fmSolution)
                        Text(QLatin1Char(' ') + FirstAlternative(inhalt), QColor(255, 0, 0));
                }
            }
        }
        m_x += w;
        m_form.GroessteX = std::max(m_form.GroessteX, m_x);
        // punctuation glued to the gap stays on its line
        qsizetype q = weiter;
        while (q < m_text.size() && m_text[q] != u' ' && TagBei(m_text, q, m_modus).Art == Tag::Keiner)
            ++q;
        Zeichnen(weiter, q);
        return q;
    }

    void ObjektSetzen(int typ, const QString &cap, const QString &kennung, double w, double abstand)
    {
        if (!m_form.Dok)
            return;
        Dokument &dok = *m_form.Dok;
        const double kx = (m_x + w / 2.0) / m_seitenBreite;
        const double ky = (m_y + m_h0 + abstand) / m_seitenHoehe;
        if (m_erzeugen) {
            const int i = ObjektHinzufuegen(dok, typ, ebeneTexteUndBilder, cap, 0, 2, kx, ky, 0);
            ObjDataTyp &o = dok.Objekte[size_t(i)];
            o.BildKenn = kennung;
            o.TAusr = typ == objAbfrageLuecke ? 0 : 1;
            o.Sline = 0;
            o.ZIndex = 0;
            o.Generiert = true;
            return;
        }
        auto passt = [typ](int t) { return typ == objAbfrageLuecke ? t == objAbfrageLuecke : IstWortsucheElement(t); };
        const int anzahl = int(dok.Objekte.size());
        int i = std::max(0, m_form.Objektindex);
        while (i < anzahl && !passt(dok.Objekte[size_t(i)].Typ))
            ++i;
        if (i >= anzahl) {
            m_form.Objektindex = anzahl;
            return;
        }
        ObjDataTyp &o = dok.Objekte[size_t(i)];
        o.Kx = o.Sx = kx;
        o.Ky = o.Sy = ky;
        m_form.Objektindex = i + 1;
    }

    // Applies a tag other than a gap or token; returns where the scan goes on.
    qsizetype Anwenden(const Treffer &tag, qsizetype pos)
    {
        switch (tag.Art) {
        case Tag::FettAn: m_stil |= 1; break;
        case Tag::FettAus: m_stil &= ~1; break;
        case Tag::KursivAn: m_stil |= 2; break;
        case Tag::KursivAus: m_stil &= ~2; break;
        case Tag::UnterAn: m_stil |= 4; break;
        case Tag::UnterAus: m_stil &= ~4; break;
        case Tag::Linie: {
            if (Sichtbar()) {
                const int ly = m_y + m_zeilenhoehe / 2 - 1;
                m_canvas->save();
                m_canvas->setRenderHint(QPainter::Antialiasing, false);
                m_canvas->setPen(QPen(m_farbe, 1));
                m_canvas->drawLine(QPointF(m_x, ly), QPointF(m_seitenBreite, ly));
                m_canvas->restore();
            }
            m_x = m_seitenBreite;
            break;
        }
        case Tag::Tab:
            m_x = Runden(tag.Zahl / 100.0 * m_seitenBreite);
            break;
        case Tag::Feld: {
            const qsizetype bis = std::min(m_text.size(), pos + tag.Zahl);
            const double f = Masse().Breite(QStringView(m_text).mid(pos, bis - pos));
            m_x += tag.Zahl * Masse().Breite(u'0') - f;
            Zeichnen(pos, bis);
            return bis;
        }
        default:
            break;
        }
        return pos;
    }

    TextFlowUmgebung &m_form;
    QPainter *m_canvas;
    int m_seitenBreite, m_seitenHoehe, m_rechts;
    QColor m_farbe;
    bool m_erzeugen;
    int m_modus;
    int m_links;
    double m_x;
    int m_y = 0;
    QString m_text;
    QFont m_grund;
    int m_stil = 0;
    Zeichenmasse *m_masse = nullptr;
    int m_masseStil = -1;
    int m_zeilenhoehe = 1, m_vorlauf = 0, m_h0 = 1;
    bool m_textZeichnen = false;
    bool m_woerterFinden = false;
    int m_rasterHoehe = 0;
    bool m_luecke = false, m_token = false;
    int m_tokenArt = objWortsucheWort;
    Tag m_schliesser = Tag::Keiner;
};

} // namespace

int TextFlow(TextFlowUmgebung &form, QPainter *canvas, int seitenBreite, int rechterRand, bool nurMessen,
             const QColor &farbe, bool erzeugen, int flowMode, int schriftHoehe, int schriftGroesse,
             const QString &absatz, int y, int links, int seitenHoehe)
{
    Satz satz(form, canvas, seitenBreite, rechterRand, nurMessen, farbe, erzeugen, flowMode, schriftHoehe,
              schriftGroesse, links, seitenHoehe);
    return satz.Setzen(absatz, y);
}

QString StripStyleTags(const QString &text)
{
    QString ergebnis;
    ergebnis.reserve(text.size());
    static const QLatin1String tags[] = {QLatin1String("<b>"), QLatin1String("</b>"), QLatin1String("<i>"),
                                         QLatin1String("</i>"), QLatin1String("<u>"), QLatin1String("</u>")};
    for (qsizetype i = 0; i < text.size();) {
        bool weg = false;
        for (const QLatin1String &t : tags)
            if (Beginnt(text, i, t)) {
                i += t.size();
                weg = true;
                break;
            }
        if (!weg)
            ergebnis += text[i++];
    }
    return ergebnis;
}

QString FirstAlternative(const QString &lueckentext)
{
    const qsizetype bar = lueckentext.indexOf(QLatin1Char('|'));
    return bar < 0 ? lueckentext : lueckentext.left(bar);
}

int InfotextSetzen(QImage &raster, const QString &text, const QString &schriftart)
{
    TextFlowUmgebung form;
    form.Schriftart = schriftart;
    QPainter p;
    const bool zeichnen = !raster.isNull() && p.begin(&raster);
    if (zeichnen)
        p.setRenderHint(QPainter::TextAntialiasing, true);
    const int breite = std::max(1, raster.width()), hoehe = std::max(1, raster.height());
    int y = 0;
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    for (const QString &zeile : t.split(QLatin1Char('\n')))
        y = TextFlow(form, zeichnen ? &p : nullptr, breite, 0, !zeichnen, Qt::black, false, fmPlain, 0, 14, zeile, y,
                     0, hoehe);
    return y;
}

bool HatAuszeichnung(const QString &text)
{
    for (qsizetype i = text.indexOf(QLatin1Char('<')); i >= 0; i = text.indexOf(QLatin1Char('<'), i + 1)) {
        const Treffer t = TagBei(text, i, fmPlain);
        if (t.Art != Tag::Keiner)
            return true;
    }
    return false;
}

} // namespace kalumo
