#pragma once

#include <functional>
#include <set>
#include <utility>
#include <vector>

#include "platform/surface.h"

namespace tess::testing {

using Pixel = std::pair<int, int>;

// The 4-connected pixels from (x, y) whose colour passes `in` (none when
// (x, y) fails it).
inline std::set<Pixel> regionFrom(const Surface& s, int x, int y,
                                  const std::function<bool(Colour)>& in) {
    std::set<Pixel> region;
    if (!s.contains(x, y) || !in(s.pixel(x, y))) return region;
    std::vector<Pixel> todo{{x, y}};
    region.insert({x, y});
    while (!todo.empty()) {
        auto [px, py] = todo.back();
        todo.pop_back();
        for (auto [nx, ny] : {Pixel{px + 1, py}, {px - 1, py}, {px, py + 1}, {px, py - 1}})
            if (s.contains(nx, ny) && in(s.pixel(nx, ny)) && region.insert({nx, ny}).second)
                todo.push_back({nx, ny});
    }
    return region;
}

// Every 4-connected area of colour `c`.
inline std::vector<std::set<Pixel>> areasOf(const Surface& s, Colour c) {
    std::vector<std::set<Pixel>> areas;
    std::set<Pixel> seen;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (s.pixel(x, y) == c && !seen.count({x, y})) {
                areas.push_back(regionFrom(s, x, y, [c](Colour p) { return p == c; }));
                seen.insert(areas.back().begin(), areas.back().end());
            }
    return areas;
}

}  // namespace tess::testing
