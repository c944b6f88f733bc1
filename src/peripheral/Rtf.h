#pragma once
// Rich text files as word processors open them, written and read by the
// program itself (Qt has no RTF writer): plain texts, and protocols.
//
// A protocol is plain text, lines separated by CR LF (a lone CR or LF also
// ends a line). A line that begins with "<tit>", in any letter case, is a
// heading; within a line a tab separates a label ("Fehlversuche:") from its
// value. As rich text the protocol is 9-point Arial with one tab stop at
// 160 points; a heading is written without its first five characters in
// bold, followed by an empty line in 4-point type.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QDateTime;
class QTextDocument;

namespace kalumo {

// The text as an RTF document in the given font and size (points).
QByteArray RtfAusText(const QString &text, const QString &schrift = QStringLiteral("Arial"), int punkt = 11);

// --- protocols -----------------------------------------------------------

inline constexpr char kTitelMarke[] = "<tit>";
inline constexpr int kProtokollPunkt = 9;         // body text
inline constexpr int kProtokollAbstandPunkt = 4;  // the empty line after a heading
inline constexpr int kProtokollTabPunkt = 160;    // the tab stop

// Does the line begin with "<tit>" (compared without regard to case)?
bool IstProtokollTitel(const QString &zeile);
// The lines of a text; a line break at the very end starts no further line.
QStringList ProtokollZeilen(const QString &text);

QByteArray ProtokollAlsRtf(const QString &protokoll, const QString &schrift = QStringLiteral("Arial"));

// The same as Qt rich text (HTML for a QTextEdit). HTML knows no tab stops:
// the text box sets its tab distance to ProtokollTabstoppPixel().
QString ProtokollAlsHtml(const QString &protokoll, const QString &schrift = QStringLiteral("Arial"));
double ProtokollTabstoppPixel(double dpi = 96.0);

// Adds the protocol to a text document with fonts, headings and the tab
// stop of every paragraph; with leeren the document is cleared first (else
// the lines are appended, as a comment is).
void ProtokollInTextdokument(QTextDocument &dokument, const QString &protokoll, bool leeren,
                             const QString &schrift = QStringLiteral("Arial"), double dpi = 96.0);

// The file a protocol is saved to before it is sent by e-mail:
// "email-kalprotokoll-YYYYMMDD-hhmmss-N.rtf" in the folder, N the first
// counter (from 1) whose file does not exist yet.
QString EMailProtokollPfad(const QString &ordner, const QDateTime &zeit);
inline constexpr char kEMailProtokollBetreff[] = "Kalumo-Übungsprotokoll";

// --- reading ---------------------------------------------------------------

// One paragraph of an RTF document as far as the program needs it.
struct RtfAbsatz
{
    QString Text;
    bool Fett = false;      // it has text and all of it is bold
    int HalbPunkte = 24;    // font size at its end, in half points (\fs)

    bool operator==(const RtfAbsatz &) const = default;
};

// The paragraphs of an RTF document (font tables, pictures and other
// destinations are skipped). Nothing when the bytes are no RTF or nest
// groups deeper than any document does; a cut file gives what it holds.
std::optional<std::vector<RtfAbsatz>> RtfAbsaetze(const QByteArray &rtf);

// The plain text: every paragraph followed by CR LF.
std::optional<QString> TextAusRtf(const QByteArray &rtf);

// A protocol as ProtokollAlsRtf wrote it: headings get their "<tit>" back,
// the 4-point line after them is dropped; every line ends with CR LF.
std::optional<QString> ProtokollAusRtf(const QByteArray &rtf);

} // namespace kalumo
