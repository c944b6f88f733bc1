#include "peripheral/Rtf.h"

#include "platform/Windows1252.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include <cctype>

namespace kalumo {

namespace {

void zeichenAnhaengen(QByteArray &aus, QChar c)
{
    const char16_t u = c.unicode();
    if (u == u'\\' || u == u'{' || u == u'}') {
        aus += '\\';
        aus += char(u);
        return;
    }
    if (u == u'\t') {
        aus += "\\tab ";
        return;
    }
    if (u >= 0x20 && u < 0x80) {
        aus += char(u);
        return;
    }
    const QByteArray b = NachWindows1252(QString(c));
    if (!b.isEmpty() && b != "?") {
        // a character of the code page as its byte
        aus += QByteArray("\\'") + QByteArray::number(static_cast<unsigned char>(b[0]), 16).rightJustified(2, '0');
        return;
    }
    // anything else as a Unicode escape with '?' for readers that do not know it
    aus += "\\u" + QByteArray::number(qint16(u)) + '?';
}

void textAnhaengen(QByteArray &aus, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            zeichenAnhaengen(aus, c);
            zeichenAnhaengen(aus, text.at(++i));
        } else {
            zeichenAnhaengen(aus, c);
        }
    }
}

QByteArray rtfKopf(const QString &schrift)
{
    QByteArray aus = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss ";
    textAnhaengen(aus, schrift);
    aus += ";}}\\uc1";
    return aus;
}

QString htmlText(const QString &text)
{
    return text.toHtmlEscaped();
}

} // namespace

QByteArray RtfAusText(const QString &text, const QString &schrift, int punkt)
{
    QByteArray aus = rtfKopf(schrift) + "\\f0\\fs" + QByteArray::number(qBound(1, punkt, 1000) * 2) + ' ';
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r') {
            if (i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            aus += "\\par\r\n";
        } else if (c == u'\n') {
            aus += "\\par\r\n";
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            zeichenAnhaengen(aus, c);
            zeichenAnhaengen(aus, text.at(++i));
        } else {
            zeichenAnhaengen(aus, c);
        }
    }
    aus += "}";
    return aus;
}

// --- protocols -----------------------------------------------------------

bool IstProtokollTitel(const QString &zeile)
{
    return zeile.startsWith(QLatin1String(kTitelMarke), Qt::CaseInsensitive);
}

QStringList ProtokollZeilen(const QString &text)
{
    QStringList zeilen;
    QString zeile;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            zeilen << zeile;
            zeile.clear();
        } else {
            zeile += c;
        }
    }
    if (!zeile.isEmpty())
        zeilen << zeile;
    return zeilen;
}

QByteArray ProtokollAlsRtf(const QString &protokoll, const QString &schrift)
{
    const QByteArray koerper = "\\fs" + QByteArray::number(kProtokollPunkt * 2);
    QByteArray aus = rtfKopf(schrift) + "\r\n\\pard\\tx" + QByteArray::number(kProtokollTabPunkt * 20) + "\\plain\\f0"
        + koerper + ' ';
    const int marke = int(qstrlen(kTitelMarke));
    for (const QString &zeile : ProtokollZeilen(protokoll)) {
        if (IstProtokollTitel(zeile)) {
            aus += "\\b ";
            textAnhaengen(aus, zeile.mid(marke));
            aus += "\\b0\\par\r\n\\fs" + QByteArray::number(kProtokollAbstandPunkt * 2) + "\\par\r\n" + koerper + ' ';
        } else {
            textAnhaengen(aus, zeile);
            aus += "\\par\r\n";
        }
    }
    aus += "}";
    return aus;
}

double ProtokollTabstoppPixel(double dpi)
{
    return kProtokollTabPunkt * dpi / 72.0;
}

QString ProtokollAlsHtml(const QString &protokoll, const QString &schrift)
{
    const int marke = int(qstrlen(kTitelMarke));
    const QString absatz = QStringLiteral("<p style=\"margin:0px; white-space:pre-wrap;\">");
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body style=\"font-family:'")
        + htmlText(schrift) + QStringLiteral("'; font-size:") + QString::number(kProtokollPunkt)
        + QStringLiteral("pt;\">");
    for (const QString &zeile : ProtokollZeilen(protokoll)) {
        if (IstProtokollTitel(zeile)) {
            html += absatz + QStringLiteral("<b>") + htmlText(zeile.mid(marke)) + QStringLiteral("</b></p>");
            html += QStringLiteral("<p style=\"margin:0px; font-size:") + QString::number(kProtokollAbstandPunkt)
                + QStringLiteral("pt;\">&nbsp;</p>");
        } else {
            html += absatz + htmlText(zeile) + QStringLiteral("</p>");
        }
    }
    html += QStringLiteral("</body></html>");
    return html;
}

void ProtokollInTextdokument(QTextDocument &dokument, const QString &protokoll, bool leeren, const QString &schrift,
                             double dpi)
{
    if (leeren)
        dokument.clear();
    QTextBlockFormat absatz;
    absatz.setTabPositions({QTextOption::Tab(ProtokollTabstoppPixel(dpi), QTextOption::LeftTab)});
    absatz.setTopMargin(0);
    absatz.setBottomMargin(0);
    QTextCharFormat text;
    text.setFontFamilies({schrift});
    text.setFontPointSize(kProtokollPunkt);
    text.setFontWeight(QFont::Normal);
    QTextCharFormat titel = text;
    titel.setFontWeight(QFont::Bold);
    QTextCharFormat abstand = text;
    abstand.setFontPointSize(kProtokollAbstandPunkt);

    QTextCursor cursor(&dokument);
    cursor.movePosition(QTextCursor::End);
    // the first line goes into the empty first block of a cleared document
    bool ersterBlock = dokument.isEmpty();
    auto block = [&](const QTextCharFormat &format) {
        if (ersterBlock) {
            cursor.setBlockFormat(absatz);
            cursor.setBlockCharFormat(format);
            ersterBlock = false;
        } else {
            cursor.insertBlock(absatz, format);
        }
    };
    const int marke = int(qstrlen(kTitelMarke));
    for (const QString &zeile : ProtokollZeilen(protokoll)) {
        if (IstProtokollTitel(zeile)) {
            block(titel);
            cursor.insertText(zeile.mid(marke), titel);
            block(abstand);
        } else {
            block(text);
            cursor.insertText(zeile, text);
        }
    }
}

// --- reading ---------------------------------------------------------------

namespace {

constexpr int kHoechsteTiefe = 200;

struct Zustand
{
    bool fett = false;
    int halbPunkte = 24;
    int uc = 1;
    bool ueberspringen = false;   // inside a destination that holds no text
};

// Destinations whose content is no text of the document.
bool istZielOhneText(const QByteArray &wort)
{
    static const char *const ziele[] = {"fonttbl", "colortbl", "stylesheet", "info", "pict", "header", "footer",
                                        "headerl", "headerr", "headerf", "footerl", "footerr", "footerf", "footnote",
                                        "object", "generator", "listtable", "listoverridetable", "rsidtbl",
                                        "xmlnstbl", "themedata", "colorschememapping", "latentstyles",
                                        "datastore", "revtbl", "filetbl", "mmathPr", "pgdsctbl", "nonshppict",
                                        "fldinst", "bkmkstart", "bkmkend", "field"};
    for (const char *z : ziele)
        if (wort == z)
            return true;
    return false;
}

class RtfLeser
{
public:
    explicit RtfLeser(const QByteArray &rtf) : m_rtf(rtf) {}

    std::optional<std::vector<RtfAbsatz>> lesen()
    {
        if (!m_rtf.startsWith("{\\rtf"))
            return std::nullopt;
        std::vector<Zustand> stapel;
        while (m_pos < m_rtf.size()) {
            const char c = m_rtf[m_pos];
            if (c == '{') {
                ++m_pos;
                stapel.push_back(m_z);
                if (stapel.size() > kHoechsteTiefe)
                    return std::nullopt;
            } else if (c == '}') {
                ++m_pos;
                if (stapel.empty())
                    break;   // the end of the document
                m_z = stapel.back();
                stapel.pop_back();
                if (stapel.empty())
                    break;
            } else if (c == '\\') {
                steuerung();
            } else if (c == '\r' || c == '\n') {
                ++m_pos;
            } else {
                ++m_pos;
                zeichen(AusWindows1252(&c, 1));
            }
        }
        if (!m_absatz.Text.isEmpty())
            absatzEnde();
        return std::move(m_absaetze);
    }

private:
    void zeichen(const QString &text)
    {
        if (m_z.ueberspringen || text.isEmpty())
            return;
        m_absatz.Text += text;
        if (!text.trimmed().isEmpty())
            m_nurFett = m_nurFett && m_z.fett;
    }

    void absatzEnde()
    {
        if (m_z.ueberspringen)
            return;
        m_absatz.Fett = m_nurFett && !m_absatz.Text.trimmed().isEmpty();
        m_absatz.HalbPunkte = m_z.halbPunkte;
        m_absaetze.push_back(m_absatz);
        m_absatz = {};
        m_nurFett = true;
    }

    // The characters a \uN is followed by for readers without Unicode.
    void ersatzUeberspringen()
    {
        for (int n = 0; n < m_z.uc && m_pos < m_rtf.size(); ++n) {
            const char c = m_rtf[m_pos];
            if (c == '{' || c == '}')
                return;
            if (c == '\\') {
                if (m_pos + 1 < m_rtf.size() && m_rtf[m_pos + 1] == '\'')
                    m_pos += 4;
                else
                    return;
            } else {
                ++m_pos;
            }
        }
        m_pos = std::min(m_pos, m_rtf.size());
    }

    void steuerung()
    {
        ++m_pos;   // the backslash
        if (m_pos >= m_rtf.size())
            return;
        const char c = m_rtf[m_pos];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++m_pos;
            switch (c) {
            case '\\':
            case '{':
            case '}': zeichen(QString(QChar(char16_t(c)))); break;
            case '~': zeichen(QString(QChar(0xa0))); break;
            case '_': zeichen(QStringLiteral("-")); break;
            case '*': m_z.ueberspringen = true; break;
            case '\r':
            case '\n': absatzEnde(); break;
            case '\'': {
                bool ok = false;
                const int wert = m_rtf.mid(m_pos, 2).toInt(&ok, 16);
                m_pos = std::min(m_pos + 2, m_rtf.size());
                if (ok) {
                    const char b = char(wert);
                    zeichen(AusWindows1252(&b, 1));
                }
                break;
            }
            default: break;
            }
            return;
        }
        const qsizetype anfang = m_pos;
        while (m_pos < m_rtf.size() && std::isalpha(static_cast<unsigned char>(m_rtf[m_pos])) && m_pos - anfang < 32)
            ++m_pos;
        const QByteArray wort = m_rtf.mid(anfang, m_pos - anfang);
        bool hatZahl = false;
        long long zahl = 0;
        const qsizetype zahlAnfang = m_pos;
        if (m_pos < m_rtf.size() && m_rtf[m_pos] == '-')
            ++m_pos;
        while (m_pos < m_rtf.size() && std::isdigit(static_cast<unsigned char>(m_rtf[m_pos])) && m_pos - zahlAnfang < 11)
            ++m_pos;
        if (m_pos > zahlAnfang) {
            zahl = m_rtf.mid(zahlAnfang, m_pos - zahlAnfang).toLongLong(&hatZahl);
        }
        if (m_pos < m_rtf.size() && m_rtf[m_pos] == ' ')
            ++m_pos;

        if (wort == "par" || wort == "line" || wort == "sect" || wort == "page") {
            absatzEnde();
        } else if (wort == "tab") {
            zeichen(QStringLiteral("\t"));
        } else if (wort == "b") {
            m_z.fett = !hatZahl || zahl != 0;
        } else if (wort == "plain") {
            m_z.fett = false;
            m_z.halbPunkte = 24;
        } else if (wort == "fs") {
            if (hatZahl && zahl > 0 && zahl < 10000)
                m_z.halbPunkte = int(zahl);
        } else if (wort == "uc") {
            if (hatZahl && zahl >= 0 && zahl < 10)
                m_z.uc = int(zahl);
        } else if (wort == "u") {
            if (hatZahl) {
                const int wert = int(zahl < 0 ? zahl + 65536 : zahl);
                if (wert >= 0 && wert <= 0xffff)
                    zeichen(QString(QChar(char16_t(wert))));
                ersatzUeberspringen();
            }
        } else if (wort == "emdash") {
            zeichen(QString(QChar(0x2014)));
        } else if (wort == "endash") {
            zeichen(QString(QChar(0x2013)));
        } else if (wort == "lquote") {
            zeichen(QString(QChar(0x2018)));
        } else if (wort == "rquote") {
            zeichen(QString(QChar(0x2019)));
        } else if (wort == "ldblquote") {
            zeichen(QString(QChar(0x201c)));
        } else if (wort == "rdblquote") {
            zeichen(QString(QChar(0x201d)));
        } else if (wort == "bullet") {
            zeichen(QString(QChar(0x2022)));
        } else if (istZielOhneText(wort)) {
            m_z.ueberspringen = true;
        }
    }

    const QByteArray &m_rtf;
    qsizetype m_pos = 0;
    Zustand m_z;
    RtfAbsatz m_absatz;
    bool m_nurFett = true;
    std::vector<RtfAbsatz> m_absaetze;
};

} // namespace

std::optional<std::vector<RtfAbsatz>> RtfAbsaetze(const QByteArray &rtf)
{
    return RtfLeser(rtf).lesen();
}

std::optional<QString> TextAusRtf(const QByteArray &rtf)
{
    const auto absaetze = RtfAbsaetze(rtf);
    if (!absaetze)
        return std::nullopt;
    QString text;
    for (const RtfAbsatz &a : *absaetze)
        text += a.Text + QStringLiteral("\r\n");
    return text;
}

std::optional<QString> ProtokollAusRtf(const QByteArray &rtf)
{
    const auto absaetze = RtfAbsaetze(rtf);
    if (!absaetze)
        return std::nullopt;
    const std::vector<RtfAbsatz> &a = *absaetze;
    auto abstand = [&](size_t i) {
        return i < a.size() && a[i].Text.isEmpty() && a[i].HalbPunkte <= kProtokollAbstandPunkt * 2;
    };
    QString text;
    for (size_t i = 0; i < a.size(); ++i) {
        if (abstand(i + 1) || a[i].Fett) {
            text += QLatin1String(kTitelMarke) + a[i].Text + QStringLiteral("\r\n");
            if (abstand(i + 1))
                ++i;
        } else {
            text += a[i].Text + QStringLiteral("\r\n");
        }
    }
    return text;
}

QString EMailProtokollPfad(const QString &ordner, const QDateTime &zeit)
{
    const QDir dir(ordner);
    const QString stamm = QStringLiteral("email-kalprotokoll-") + zeit.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int n = 1;; ++n) {
        const QString pfad = dir.filePath(stamm + QStringLiteral("-%1.rtf").arg(n));
        if (!QFileInfo::exists(pfad))
            return pfad;
    }
}

} // namespace kalumo
