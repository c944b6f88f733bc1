#pragma once
// normText: the normalisation through which every comparison of captions
// and typed answers goes.
//   1. "-" + CR LF before a lower-case letter joins the broken word
//      ("Haus-\r\nbau" -> "Hausbau"); before anything else only the line
//      break goes ("Nord-\r\nAmerika" -> "Nord-Amerika").
//   2. Line feeds and carriage returns become blanks; runs of three blanks,
//      then of two, become one (one pass each).
//   3. Control characters and blanks are trimmed at both ends.
//   4. A text that begins with the character 0xFF gets a blank in front.

#include <QString>

namespace kalumo {

QString normText(const QString &text);

} // namespace kalumo
