#pragma once
// Text in documents and other files of the program is stored as Windows-1252
// bytes; inside the program it is QString. The five bytes that code page 1252
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control
// characters of the same value, so that every byte sequence survives a
// round trip unchanged.

#include <QByteArray>
#include <QString>

namespace kalumo {

QString AusWindows1252(const char *daten, qsizetype laenge);
inline QString AusWindows1252(const QByteArray &b) { return AusWindows1252(b.constData(), b.size()); }

// Characters that code page 1252 cannot hold are written as '?'.
QByteArray NachWindows1252(const QString &text);

} // namespace kalumo
