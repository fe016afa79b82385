#pragma once

#include "model/records.h"
#include "model/tinctures.h"
#include "storage/document_layout.h"

namespace tess {

// A document file may come from anywhere. Every value the program itself can
// never produce (a partition code, shape, line kind, piece type, tincture or
// class outside its table; a line too fine for the line engine; a flag other
// than -1/0) is replaced before the drawing code sees it: by the value of the
// reset record `base` for the part fields, else by the nearest sound value.
// A file written by the program comes through unchanged.
void sanitizeStoredDocument(StoredDocument& document, const BlazonRecord& base);

// The limits used above, shared with the tests.
inline constexpr Integer kMinLineWidth = 5;
inline constexpr Integer kMaxLineWidth = 200;
inline constexpr Integer kMinLineDepth = 1;
inline constexpr Integer kMaxLineDepth = 200;
inline constexpr Integer kMaxChargeSide = 4096;
// What the fur editor makes: tiles of 5 to 32 cells a side, row shifts of
// 0 to 99 % of the tile width.
inline constexpr Integer kMinEditorFurTile = 5;
inline constexpr Integer kMaxEditorFurTile = 32;
inline constexpr Byte kMaxFurRowShift = 99;

bool isShieldShape(Long shape);

}  // namespace tess
