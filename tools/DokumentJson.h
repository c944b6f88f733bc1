#pragma once
// JSON views of documents for kalumo-tool: field names are those of the
// document model, colours plain integers, images described by size and the
// SHA-256 of their straight RGBA pixels.

#include "Json.h"
#include "document/DokumentDatei.h"

namespace kalumo {

Json BildJson(const QImage &bild);
// Every header field of the file, with the derived page geometry.
Json KopfJson(const HeaderDataTyp &kopf);
// Only the fields the header reader fills.
Json KurzkopfJson(const HeaderDataTyp &kopf);
Json ObjektJson(const ObjDataTyp &objekt);
Json DateiInhaltJson(const DateiInhalt &inhalt);

} // namespace kalumo
