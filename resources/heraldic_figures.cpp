#include "resources/heraldic_figures.h"

#include <algorithm>
#include <cmath>

#include "resources/pictures.h"

namespace tess::resources {

int partitionPartAt(int partition, double u, double v) {
    switch (partition) {
        case 10:
            return u < 0.5 ? 1 : 2;  // parti
        case 11:
            return v < 0.5 ? 1 : 2;  // coupé
        case 12:
            return v < u ? 1 : 2;  // tranché
        case 13:
            return v < 1 - u ? 1 : 2;  // taillé
        case 14:
            return (v < 0.5 ? 1 : 3) + (u < 0.5 ? 0 : 1);  // écartelé
        case 15:                                           // écartelé en sautoir
            if (v < std::min(u, 1 - u)) return 1;
            if (v > std::max(u, 1 - u)) return 4;
            return u < 0.5 ? 2 : 3;
        case 16:
            return u < 1.0 / 3 ? 1 : u < 2.0 / 3 ? 2 : 3;  // tiercé en pal
        case 17:
            return v < 1.0 / 3 ? 1 : v < 2.0 / 3 ? 2 : 3;  // tiercé en fasce
        case 18: {                                         // tiercé en bande
            const double d = v - u;
            return d < -1.0 / 3 ? 1 : d < 1.0 / 3 ? 2 : 3;
        }
        case 19: {  // tiercé en barre
            const double d = u + v - 1;
            return d < -1.0 / 3 ? 1 : d < 1.0 / 3 ? 2 : 3;
        }
        case 21:  // tiercé en pairle
            if (v < 0.9 * std::min(u, 1 - u)) return 1;
            return u < 0.5 ? 2 : 3;
        case 22:
            return u < 0.5 ? 1 : v < 0.5 ? 2 : 3;  // parti mi-coupé en sénestre
        case 23:
            return u >= 0.5 ? 3 : v < 0.5 ? 1 : 2;  // parti mi-coupé en dextre
        case 24:
            return v >= 0.5 ? 3 : u < 0.5 ? 1 : 2;  // coupé mi-parti en chef
        case 25:
            return v < 0.5 ? 1 : u < 0.5 ? 2 : 3;  // coupé mi-parti en pointe
        default:
            return 1;
    }
}

namespace {

// Whether the shield shrunk into the box (left, top, width, height) of the
// 265 x 340 field covers the point (x, y).
bool inShrunkShield(double x, double y, double left, double top, double width, double height) {
    const int sx = int((x - left) * kShieldWidth / width);
    const int sy = int((y - top) * kShieldHeight / height);
    return shieldMaskPicture(1).pixel(sx, sy) == kWhite;
}

// Distance from (x, y) to the line through the shield's middle (132, 170)
// running along (dx, dy).
double fromMiddleLine(double x, double y, double dx, double dy) {
    return std::abs((x - 132) * dy - (y - 170) * dx) / std::hypot(dx, dy);
}

}  // namespace

bool pieceCovers(int type, double u, double v) {
    // The pieces as the drawing lays them out on the 265 x 340 field, entière;
    // the narrow ones drawn bolder so that they read on a small icon.
    const double x = u * kShieldWidth, y = v * kShieldHeight;
    switch (type) {
        case 1:
            return y < 113;  // chef
        case 2:
            return x >= 88 && x < 176;  // pal
        case 3:
            return y >= 126 && y < 214;  // fasce
        case 4:                          // bande
        case 5: {                        // barre: the bande mirrored
            const double xx = type == 4 ? x : kShieldWidth - 1 - x;
            const double along = (y + 101) * 425.0 / 541.0;
            return xx > along - 140 && xx < along - 20;
        }
        case 6: {  // chevron
            const double d = std::abs(x - 132.5);
            return y > 640 * (d - 0.5) / 284 + 0 && y < 160 + 480 * d / 183;
        }
        case 7:
            return inShrunkShield(x, y, 42, 42, 181, 256) &&  // orle
                   !inShrunkShield(x, y, 82, 82, 101, 176);
        case 8:
            return !inShrunkShield(x, y, 48, 48, 169, 244);  // bordure
        case 9:
            return inShrunkShield(x, y, 66, 85, 133, 170);  // écusson
        case 10:
            return x < 88;  // adextre
        case 11:
            return x > 177;  // sénestre
        case 12:
            return y > 227;  // champagne
        case 13:
            return x < 88 && y < 88;  // canton
        case 14:
            return x < 132 && y < 132;  // franc-quartier
        case 15:
            return x > 132 && y < 132;  // cornière
        case 16:
            return x > 132 && y < 132 && !(x > 165 && y < 99);  // esquarre
        case 17:
            return x < 132 && y < 170 && y > x * 170 / 132;  // giron
        case 18:
            return std::abs(x - 132) < 90 * (1 - y / 300);  // pile
        case 19:
            return y > 70 && std::abs(x - 132) < 100 * (y - 70) / 270;  // pointe
        case 20:                                                        // pairle
            if (y >= 150) return std::abs(x - 132) < 45;
            return fromMiddleLine(x, y, 102, 140) < 40 || fromMiddleLine(x, y, 102, -140) < 40;
        case 21:  // sautoir
            return fromMiddleLine(x, y, 102, 140) < 40 || fromMiddleLine(x, y, 102, -140) < 40;
        case 22:
            return std::abs(x - 132) < 44 || (y >= 126 && y < 214);  // croix
        default:
            return false;
    }
}

}  // namespace tess::resources
