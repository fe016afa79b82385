#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace tess::testing {

// Small pictures written as text, one character per pixel. The default legend:
// '.' white, '#' black, 'r' red, 'g' green, 'b' blue, 'y' yellow, 'k' grey.
inline const std::map<char, Colour>& defaultLegend() {
    static const std::map<char, Colour> legend = {
        {'.', kWhite},   {'#', kBlack},   {'r', 0x0000FF}, {'g', 0x00FF00},
        {'b', 0xFF0000}, {'y', 0x00FFFF}, {'k', 0x808080},
    };
    return legend;
}

inline Surface picture(const std::vector<std::string>& rows,
                       const std::map<char, Colour>& legend = defaultLegend()) {
    const int h = int(rows.size());
    const int w = h ? int(rows[0].size()) : 0;
    Surface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.setPixel(x, y, legend.at(rows[y][x]));
    return s;
}

// The picture back as text; a colour missing from the legend shows as '?'.
inline std::vector<std::string> ascii(const Surface& s,
                                      const std::map<char, Colour>& legend = defaultLegend()) {
    std::vector<std::string> rows;
    for (int y = 0; y < s.height(); ++y) {
        std::string line;
        for (int x = 0; x < s.width(); ++x) {
            char c = '?';
            for (const auto& [ch, colour] : legend)
                if (colour == s.pixel(x, y)) c = ch;
            line += c;
        }
        rows.push_back(line);
    }
    return rows;
}

}  // namespace tess::testing
