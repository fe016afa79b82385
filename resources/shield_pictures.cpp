// Outline and mask pictures of the seven shield shapes.
#include <array>

#include "resources/pictures.h"
#include "resources/shield_geometry.h"

namespace tess {

namespace {

struct ShapePictures {
    Surface outline;
    Surface mask;
};

ShapePictures drawShape(int shape) {
    ShapePictures p{Surface(kShieldWidth, kShieldHeight, kParchment),
                    Surface(kShieldWidth, kShieldHeight, kBlack)};
    for (int y = 0; y < kShieldHeight; ++y) {
        const resources::RowRuns row = resources::shieldRow(shape, y);
        Colour* outline = p.outline.row(y);
        Colour* mask = p.mask.row(y);
        for (int i = 0; i < row.count; ++i)
            for (int x = row.runs[i].first; x <= row.runs[i].last; ++x) {
                outline[x] = kBlack;
                mask[x] = kWhite;
            }
    }
    if (shape == 3) {
        // The rectangle fills the picture: its frame is the only outside.
        for (int y = 0; y < kShieldHeight; ++y) {
            Colour* row = p.outline.row(y);
            if (y == 0 || y == kShieldHeight - 1) std::fill(row, row + kShieldWidth, kFrameGrey);
            row[0] = row[kShieldWidth - 1] = kFrameGrey;
        }
    }
    return p;
}

const ShapePictures& shapePictures(int shape) {
    static const std::array<ShapePictures, 7> all = [] {
        std::array<ShapePictures, 7> a;
        for (int s = 1; s <= 7; ++s) a[s - 1] = drawShape(s);
        return a;
    }();
    return all[(shape >= 1 && shape <= 7 ? shape : 1) - 1];
}

}  // namespace

const Surface& shieldOutlinePicture(int shape) {
    return shapePictures(shape).outline;
}
const Surface& shieldMaskPicture(int shape) {
    return shapePictures(shape).mask;
}
const Surface& blankPicture() {
    return shapePictures(3).outline;
}

}  // namespace tess
