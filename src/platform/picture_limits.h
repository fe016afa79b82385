#pragma once

#include <cstdint>

namespace tess {

// The largest picture the program reads, whoever asks: no picture it uses (a
// charge, a preview, a fur tile) comes near this side, and a forged header
// must not make a 1 KB file claim gigabytes. A document's pictures have a
// budget of their own on top of this (model/picture_budget.h).
inline constexpr int kMaxPictureSide = 4096;
inline constexpr std::int64_t kMaxPicturePixels = std::int64_t(kMaxPictureSide) * kMaxPictureSide;
// The most bytes one picture file may need: the largest picture in 32-bit
// pixels, with room for its header and tables. A picture read alone is read no
// further than its own header says, and never past this.
inline constexpr std::uint64_t kLargestPictureFile =
    std::uint64_t(kMaxPicturePixels) * 4 + (1u << 20);

}  // namespace tess
