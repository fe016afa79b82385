// Placeholder pictures until the drawn ones land: plain rectangles.
#include "resources/pictures.h"

#include <array>

namespace tess {

namespace {
inline constexpr Colour kParchment = rgb(245, 228, 183);

Surface rectangleShield(Colour inside, Colour outside) {
    Surface s(kShieldWidth, kShieldHeight, outside);
    s.clear();
    for (int y = 0; y < kShieldHeight - 10; ++y)
        for (int x = 10; x < kShieldWidth - 10; ++x) s.row(y)[x] = inside;
    return s;
}
}  // namespace

const Surface& shieldOutlinePicture(int) {
    static const Surface s = rectangleShield(kBlack, kParchment);
    return s;
}
const Surface& shieldMaskPicture(int) {
    static const Surface s = rectangleShield(kWhite, kBlack);
    return s;
}
const Surface& blankPicture() {
    static const Surface s = [] {
        Surface b(kShieldWidth, kShieldHeight, kBlack);
        b.clear();
        return b;
    }();
    return s;
}
const Surface& furPicture(int) {
    static const Surface s = [] {
        Surface b(kShieldWidth, kShieldHeight, kWhite);
        b.clear();
        return b;
    }();
    return s;
}

}  // namespace tess
