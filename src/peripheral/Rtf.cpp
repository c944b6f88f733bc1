#include "peripheral/Rtf.h"

#include "platform/Windows1252.h"

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

} // namespace

QByteArray RtfAusText(const QString &text, const QString &schrift, int punkt)
{
    QByteArray aus = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss ";
    for (QChar c : schrift)
        zeichenAnhaengen(aus, c);
    aus += ";}}\\uc1\\f0\\fs" + QByteArray::number(qBound(1, punkt, 1000) * 2) + ' ';
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

} // namespace kalumo
