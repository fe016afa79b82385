// The eight built-in furs, each a 265 x 340 field drawn on its own repeat so
// that copies laid at the repeat offsets join without a seam.
#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "resources/fur_geometry.h"
#include "resources/pictures.h"

namespace tess {

namespace {

constexpr Colour kOr = 0x00FFFFu;
constexpr Colour kArgent = 0xFFFFFFu;
constexpr Colour kAzur = 0xFF0000u;
constexpr Colour kSinople = 0x008000u;
constexpr Colour kSable = 0x000000u;

// The shield's middle column; every fur is drawn symmetric about it.
constexpr double kMiddle = 132;

// v brought into [-period/2, period/2).
double centred(double v, double period) {
    double m = std::fmod(v + period / 2, period);
    if (m < 0) m += period;
    return m - period / 2;
}

// Ermines: spots in staggered rows, four to a repeat of 254 pixels across and
// six rows to a repeat of 311 down. The spots sit on whole pixels, so all are
// drawn alike, and mirror about the middle column.
Surface drawErmines(Colour field, Colour spots) {
    constexpr int kAcross = 254, kDown = 311;
    constexpr std::array<int, 6> kRowY = {26, 78, 130, 181, 233, 285};
    constexpr std::array<int, 4> kStraddling = {37, 100, 164, 227};
    constexpr std::array<int, 4> kOnMiddle = {5, 68, 132, 196};
    // One spot, drawn once and stamped at every place.
    constexpr int kReach = 20;
    static const std::vector<std::pair<int, int>> stamp = [] {
        std::vector<std::pair<int, int>> pixels;
        for (int dy = -kReach; dy <= kReach; ++dy)
            for (int dx = -kReach; dx <= kReach; ++dx)
                if (resources::onErmineSpot(dx, dy)) pixels.push_back({dx, dy});
        return pixels;
    }();
    Surface s(kShieldWidth, kShieldHeight, field);
    for (int r = 0; r < 6; ++r)
        for (int cy = kRowY[r] - kDown; cy < kShieldHeight + kReach; cy += kDown)
            for (int column : r % 2 == 0 ? kStraddling : kOnMiddle)
                for (int cx = column - kAcross; cx < kShieldWidth + kReach; cx += kAcross)
                    for (auto [dx, dy] : stamp) s.setPixel(cx + dx, cy + dy, spots);
    return s;
}

// Vair and its two variants: rows of bells, azur upright and argent between.
enum class VairKind { Vair, ContreVair, VairEnPal };

Surface drawVair(VairKind kind) {
    // Bells across the repeat and rows down it.
    const double across = kind == VairKind::ContreVair ? 52 : 53;
    const int down = kind == VairKind::Vair ? 330 : kind == VairKind::ContreVair ? 335 : 336;
    constexpr int kRows = 6;
    Surface s(kShieldWidth, kShieldHeight, kArgent);
    for (int y = 0; y < kShieldHeight; ++y) {
        const int yy = y % down;
        // Row bands of whole pixels, as even as the repeat allows.
        int band = int(double(yy) * kRows / down);
        while (band > 0 && yy < int(std::lround(double(band) * down / kRows))) --band;
        while (band + 1 < kRows && yy >= int(std::lround(double(band + 1) * down / kRows))) ++band;
        const int top = int(std::lround(double(band) * down / kRows));
        const int bottom = int(std::lround(double(band + 1) * down / kRows));
        double t = (yy - top + 0.5) / (bottom - top);
        double shift = 0;
        switch (kind) {
            case VairKind::Vair:  // each row half a bell along: azur over argent
                if (band % 2 == 1) shift = across / 2;
                break;
            case VairKind::ContreVair:  // each row mirrors the one above: bells meet base to base
                if (band % 2 == 1) t = 1 - t;
                break;
            case VairKind::VairEnPal:  // bells stand on bells in columns
                break;
        }
        Colour* row = s.row(y);
        for (int x = 0; x < kShieldWidth; ++x) {
            const double dx = centred(x - kMiddle - shift, across);
            if (resources::onUprightBell(dx, t, across)) row[x] = kAzur;
        }
    }
    return s;
}

Surface drawFur(int code) {
    switch (code) {
        case 108:
            return drawErmines(kAzur, kArgent);  // contre-herminé d'argent et d'azur
        case 109:
            return drawErmines(kSinople, kOr);  // contre-herminé d'or et de sinople
        case 110:
            return drawVair(VairKind::Vair);
        case 111:
            return drawErmines(kArgent, kSable);  // hermine
        case 112:
            return drawErmines(kSable, kOr);  // contre-herminé d'or et de sable
        case 113:
            return drawVair(VairKind::ContreVair);
        case 114:
            return drawErmines(kSable, kArgent);  // contre-hermine
        case 115:
            return drawVair(VairKind::VairEnPal);
        default:
            return Surface(kShieldWidth, kShieldHeight, kOr);
    }
}

}  // namespace

const Surface& furPicture(int furCode) {
    static const std::array<Surface, 9> all = [] {
        std::array<Surface, 9> a;
        for (int code = 108; code <= 115; ++code) a[code - 108] = drawFur(code);
        a[8] = drawFur(0);
        return a;
    }();
    return all[furCode >= 108 && furCode <= 115 ? furCode - 108 : 8];
}

}  // namespace tess
