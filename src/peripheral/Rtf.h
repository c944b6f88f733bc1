#pragma once
// Rich text files as word processors open them: a plain text written as RTF
// in code page 1252 with one font, line breaks as paragraphs.

#include <QByteArray>
#include <QString>

namespace kalumo {

// The text as an RTF document in the given font and size (points).
QByteArray RtfAusText(const QString &text, const QString &schrift = QStringLiteral("Arial"), int punkt = 11);

} // namespace kalumo
