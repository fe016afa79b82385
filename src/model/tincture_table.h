#pragma once

#include "model/records.h"
#include "model/tinctures.h"
#include "platform/colour.h"

namespace tess {

class Surface;

// Tincture numbers as documents store them.
inline constexpr int kOr = 1;
inline constexpr int kArgent = 2;
inline constexpr int kGueules = 3;
inline constexpr int kAzur = 4;
inline constexpr int kSinople = 5;
inline constexpr int kSable = 6;
inline constexpr int kOrange = 7;
inline constexpr int kSanguine = 8;
inline constexpr int kBrun = 9;
inline constexpr int kPourpre = 10;
inline constexpr int kBis = 11;

// The factory colour of tincture 1..11 (0 for any other number).
Colour FactoryColour(int tincture);

// Writes the factory colour and French name of the eleven tinctures, and sets
// each current colour to its factory colour until the colour file is read.
void InitTinctures(TinctureTable& table);
TinctureTable FactoryTinctures();

// Which colours of the table a colour is first matched against. Pictures drawn
// by the program are in the current colours; the fur editor's palette paints
// the factory colours, so its tiles are read factory first, and a tincture
// adjusted to another's factory colour cannot change what the user painted.
enum class ColourMatch { CurrentFirst, FactoryFirst };

// The tincture painted in `colour`: current colours are searched first, then
// factory colours (or the other way round); the lower number wins among
// equals; 0 when none matches.
Byte FindTinctureByColour(const TinctureTable& table, Colour colour,
                          ColourMatch order = ColourMatch::CurrentFirst);

// The tincture whose factory colour is nearest to `colour` by the sum of the
// absolute red, green and blue differences; the lower number wins ties.
Byte NearestTincture(Colour colour);

// The tincture of the most frequent colour among pixels x 1..width, y 1..height
// of `surface` (columns scanned left to right, each from the top; ties go to
// the colour met first). Only the first 15 distinct colours are counted and
// pixels off the surface are skipped. Returns 1..11 for an exact tincture
// colour, else 100 + the nearest tincture.
Long FindDominantTincture(const TinctureTable& table, const Surface& surface, int width, int height,
                          ColourMatch order = ColourMatch::CurrentFirst);

}  // namespace tess
