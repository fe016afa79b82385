#pragma once

#include <cstdint>

namespace tess {

// A colour as the documents and tables write it: 0x00BBGGRR (red in the low byte).
using Colour = std::uint32_t;

// What reading outside a surface returns; equal to no colour a surface can hold.
inline constexpr Colour kNoColour = 0xFFFFFFFFu;

inline constexpr Colour kBlack = 0x000000u;
inline constexpr Colour kWhite = 0xFFFFFFu;

constexpr Colour rgb(int red, int green, int blue) {
    return Colour(red & 0xFF) | Colour(green & 0xFF) << 8 | Colour(blue & 0xFF) << 16;
}
constexpr int redOf(Colour c) {
    return int(c & 0xFF);
}
constexpr int greenOf(Colour c) {
    return int(c >> 8 & 0xFF);
}
constexpr int blueOf(Colour c) {
    return int(c >> 16 & 0xFF);
}

}  // namespace tess
