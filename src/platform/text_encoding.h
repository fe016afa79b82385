#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tess {

// Text lives in memory as UTF-8 and on disk as Windows-1252.
// Empty optional when a character has no Windows-1252 byte (or the UTF-8 is broken).
std::optional<std::string> utf8ToWindows1252(std::string_view utf8);
// Every byte maps to a character; the five bytes Windows-1252 leaves unassigned
// map to the C1 control of the same number, so the round trip is exact.
std::string windows1252ToUtf8(std::string_view bytes);
// True when every character of `utf8` can be written.
bool fitsWindows1252(std::string_view utf8);

// A file name or path as the system gives it (any bytes) made readable: well-
// formed UTF-8 stays as it is, anything else is read as Windows-1252 (the
// Latin-1 names of older disks). Only for showing: the bytes stay the name.
bool isWellFormedUtf8(std::string_view bytes);
std::string displayedName(std::string_view bytes);

// Lower-casing by character, not by byte ("Écusson" gives "écusson").
std::string lowerFirstCharacter(std::string_view utf8);
std::string lowerCase(std::string_view utf8);
// Number of characters (not bytes) of a UTF-8 text; a byte that starts no
// well-formed character counts as one.
std::size_t characterCount(std::string_view utf8);
// The first `n` characters of a UTF-8 text (all when shorter); the text less
// its last `n` characters (empty when shorter).
std::string leftCharacters(std::string_view utf8, std::size_t n);
std::string dropLastCharacters(std::string_view utf8, std::size_t n);

}  // namespace tess
