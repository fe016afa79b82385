#include "model/tincture_table.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "platform/surface.h"

namespace tess {

namespace {

struct Factory {
    Colour colour;
    const char* name;
};

// Tinctures 1..11 (element 0 unused).
constexpr Factory kFactory[kTinctureCount + 1] = {
    {0, ""},
    {0x00FFFF, "Or"},
    {0xFFFFFF, "Argent"},
    {0x0000FF, "Gueules"},
    {0xFF0000, "Azur"},
    {0x008000, "Sinople"},
    {0x000000, "Sable"},
    {0x0080FF, "Orangé"},
    {0x000080, "Sanguine"},
    {0x004080, "Brun"},
    {0x800080, "Pourpre"},
    {0x80FFFF, "Bis"},
};

// More distinct colours than this are not counted: the areas measured are fur
// tiles painted in a handful of tincture colours.
constexpr int kMaxDistinctColours = 15;

}  // namespace

Colour FactoryColour(int tincture) {
    return tincture >= 1 && tincture <= kTinctureCount ? kFactory[tincture].colour : 0;
}

void InitTinctures(TinctureTable& table) {
    for (int k = 1; k <= kTinctureCount; ++k) {
        table[k].DefaultColour = Long(kFactory[k].colour);
        table[k].Colour = table[k].DefaultColour;
        table[k].Name = kFactory[k].name;
    }
}

TinctureTable FactoryTinctures() {
    TinctureTable table{};
    InitTinctures(table);
    return table;
}

Byte FindTinctureByColour(const TinctureTable& table, Colour colour, ColourMatch order) {
    const bool currentFirst = order == ColourMatch::CurrentFirst;
    for (int k = 1; k <= kTinctureCount; ++k)
        if (Colour(currentFirst ? table[k].Colour : table[k].DefaultColour) == colour)
            return Byte(k);
    for (int k = 1; k <= kTinctureCount; ++k)
        if (Colour(currentFirst ? table[k].DefaultColour : table[k].Colour) == colour)
            return Byte(k);
    return 0;
}

Byte NearestTincture(Colour colour) {
    int best = 765;
    Byte result = 0;
    for (int t = 1; t <= kTinctureCount; ++t) {
        const Colour f = kFactory[t].colour;
        const int distance = std::abs(redOf(colour) - redOf(f)) +
                             std::abs(greenOf(colour) - greenOf(f)) +
                             std::abs(blueOf(colour) - blueOf(f));
        if (distance < best) {
            best = distance;
            result = Byte(t);
        }
    }
    return result;
}

Long FindDominantTincture(const TinctureTable& table, const Surface& surface, int width, int height,
                          ColourMatch order) {
    std::array<Colour, kMaxDistinctColours + 1> colours{};
    std::array<int, kMaxDistinctColours + 1> counts{};
    int met = 0;

    const int lastX = std::min(width, surface.width() - 1);
    const int lastY = std::min(height, surface.height() - 1);
    for (int x = 1; x <= lastX; ++x) {
        for (int y = 1; y <= lastY; ++y) {
            const Colour pixel = surface.row(y)[x];
            int i = 1;
            while (i <= met && colours[i] != pixel) ++i;
            if (i <= met) {
                ++counts[i];
            } else if (met < kMaxDistinctColours) {
                colours[++met] = pixel;
                counts[met] = 1;
            }
        }
    }

    // Index 0 stands for "nothing counted": its colour is the count of colours
    // met, 0, which is what an empty area has always reported.
    int most = 0;
    for (int i = 1; i <= met; ++i)
        if (counts[i] > counts[most]) most = i;
    const Colour dominant = most == 0 ? Colour(met) : colours[most];

    if (const Byte t = FindTinctureByColour(table, dominant, order); t > 0) return t;
    return 100 + NearestTincture(dominant);
}

}  // namespace tess
