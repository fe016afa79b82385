#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tess::testing {

// A fur file as the fur editor writes it: format 3, height, width, row shift,
// then one 32-bit cell per pixel, column by column. `rows` draws the tile, one
// character per cell: '1'..'9', 'a' (10), 'b' (11), '.' (0).
inline std::vector<std::uint8_t> furFileBytes(const std::vector<std::string>& rows, int rowShift) {
    const int h = int(rows.size());
    const int w = int(rows[0].size());
    std::vector<std::uint8_t> bytes;
    auto put16 = [&](int v) {
        bytes.push_back(std::uint8_t(v));
        bytes.push_back(std::uint8_t(v >> 8));
    };
    put16(3);
    put16(h);
    put16(w);
    put16(rowShift);
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y) {
            const char c = rows[y][x];
            const int t = c == '.' ? 0 : c >= 'a' ? 10 + (c - 'a') : c - '0';
            for (int i = 0; i < 4; ++i) bytes.push_back(std::uint8_t(std::uint32_t(t) >> (8 * i)));
        }
    return bytes;
}

}  // namespace tess::testing
