#pragma once

#include <string>

#include "model/tinctures.h"

namespace tess {

// "QRZ.inf" in the program folder: eleven 128-byte records, record k holding
// the current colour of tincture k as a little-endian Long.
std::string tinctureColourFilePath();

// Reads the current colours from "QRZ.inf". A missing file is created from the
// factory colours; a tincture the file does not hold (short file, damaged
// value, unreadable file) keeps its factory colour. Never fails: the program
// starts with whatever colours could be had. Expects the names and factory
// colours to be in the table already.
void LoadTinctureColours(TinctureTable& table);

// Writes the current colours to "QRZ.inf", replacing the whole file at once so
// a failed write leaves the old one intact. Returns an empty text on success,
// else the reason.
std::string SaveTinctureColours(const TinctureTable& table);

}  // namespace tess
