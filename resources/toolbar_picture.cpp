// The painted toolbar: file buttons, undo, the sixteen partitions and help.
#include <array>
#include <cmath>
#include <vector>

#include "resources/heraldic_figures.h"
#include "resources/sketch.h"
#include "resources/window_pictures.h"

namespace tess {

namespace {

using resources::drawLine;
using resources::fillDisc;
using resources::fillPolygon;
using resources::fillRect;
using resources::fillRing;
using resources::frameRect;
using resources::Point;

constexpr int kFaceTop = 4, kFaceBottom = 23;

constexpr Colour kGueules = 0x0000FFu, kArgent = 0xFFFFFFu, kAzur = 0xFF0000u, kOr = 0x00FFFFu;
constexpr Colour kDarkGrey = 0x404040u;
constexpr Colour kNavy = 0x800000u;
constexpr Colour kFolder = 0x30C8F0u;      // rgb(240, 200, 48)
constexpr Colour kFolderDark = 0x0080A0u;  // rgb(160, 128, 0)
constexpr Colour kDiskBlue = 0x903020u;    // rgb(32, 48, 144)

void drawNew(Surface& s, int l) {
    // A sheet with its corner folded.
    const int x = l + 5, y = 6;
    fillPolygon(s,
                {{double(x), double(y)},
                 {x + 8.0, double(y)},
                 {x + 12.0, y + 4.0},
                 {x + 12.0, y + 16.0},
                 {double(x), y + 16.0}},
                kArgent);
    drawLine(s, x, y, x + 8, y, kBlack);
    drawLine(s, x, y, x, y + 15, kBlack);
    drawLine(s, x, y + 15, x + 11, y + 15, kBlack);
    drawLine(s, x + 11, y + 4, x + 11, y + 15, kBlack);
    drawLine(s, x + 8, y, x + 11, y + 3, kBlack);
    drawLine(s, x + 8, y, x + 8, y + 3, kBlack);
    drawLine(s, x + 8, y + 3, x + 11, y + 3, kBlack);
}

void drawOpen(Surface& s, int l) {
    // An open folder.
    const int x = l + 3, y = 8;
    fillRect(s, x, y + 1, x + 13, y + 12, kFolderDark);
    fillRect(s, x + 1, y, x + 5, y, kFolderDark);
    fillPolygon(
        s, {{x + 3.0, y + 5.0}, {x + 17.0, y + 5.0}, {x + 14.0, y + 13.0}, {double(x), y + 13.0}},
        kFolder);
    drawLine(s, x + 3, y + 5, x + 16, y + 5, kBlack);
    drawLine(s, x, y + 12, x + 13, y + 12, kBlack);
    drawLine(s, x + 16, y + 5, x + 13, y + 12, kBlack);
    drawLine(s, x, y + 1, x, y + 12, kBlack);
    drawLine(s, x + 1, y - 1, x + 5, y - 1, kBlack);
}

void drawSave(Surface& s, int l) {
    // A diskette: dark body, white label, metal shutter.
    const int x = l + 3, y = 6;
    fillRect(s, x, y, x + 15, y + 15, kDiskBlue);
    frameRect(s, x, y, x + 15, y + 15, kBlack);
    fillRect(s, x + 3, y + 1, x + 12, y + 7, kArgent);
    drawLine(s, x + 4, y + 3, x + 11, y + 3, kButtonEdge);
    drawLine(s, x + 4, y + 5, x + 11, y + 5, kButtonEdge);
    fillRect(s, x + 4, y + 10, x + 11, y + 15, kButtonFace);
    fillRect(s, x + 8, y + 11, x + 9, y + 14, kDarkGrey);
}

void drawExport(Surface& s, int l) {
    // A framed landscape and an arrow leaving it.
    const int x = l + 2, y = 6;
    fillRect(s, x, y, x + 13, y + 12, 0xF0C080u);  // sky
    fillPolygon(s,
                {{double(x), y + 13.0},
                 {x + 5.0, y + 6.0},
                 {x + 9.0, y + 10.0},
                 {x + 11.0, y + 8.0},
                 {x + 14.0, y + 11.0},
                 {x + 14.0, y + 13.0}},
                0x30A030u);
    fillDisc(s, x + 10.5, y + 3.5, 1.8, kOr);
    frameRect(s, x, y, x + 13, y + 12, kBlack);
    // The arrow, lower right.
    fillRect(s, x + 11, y + 13, x + 16, y + 14, kGueules);
    fillPolygon(s, {{x + 16.0, y + 10.5}, {x + 20.0, y + 14.0}, {x + 16.0, y + 17.5}}, kGueules);
}

void drawPrint(Surface& s, int l) {
    // A printer with a sheet in it.
    const int x = l + 2, y = 6;
    fillRect(s, x + 4, y, x + 13, y + 6, kArgent);
    frameRect(s, x + 4, y, x + 13, y + 6, kBlack);
    fillRect(s, x, y + 6, x + 17, y + 13, kButtonEdge);
    frameRect(s, x, y + 6, x + 17, y + 13, kBlack);
    fillRect(s, x + 2, y + 8, x + 3, y + 8, 0x00C000u);
    fillRect(s, x + 4, y + 11, x + 13, y + 16, kArgent);
    frameRect(s, x + 4, y + 11, x + 13, y + 16, kBlack);
    drawLine(s, x + 6, y + 13, x + 11, y + 13, kButtonEdge);
}

void drawUndo(Surface& s, int l) {
    // A bent arrow turning back to the left.
    const double cx = l + 12.0, cy = 15.0;
    for (int y = 6; y <= 22; ++y)
        for (int x = l; x <= l + 21; ++x) {
            const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            const double d = std::sqrt(dx * dx + dy * dy);
            if (d >= 4.0 && d <= 6.5 && (dx >= 0 || dy <= 0) && !(dx < 0 && dy > -2))
                s.setPixel(x, y, kNavy);
        }
    fillPolygon(s, {{l + 3.0, 12.0}, {l + 9.0, 6.0}, {l + 9.0, 15.0}}, kNavy);
}

void drawHelp(Surface& s, int l) {
    const double cx = l + 11.0, cy = 14.0;
    fillDisc(s, cx, cy, 8.2, kNavy);
    // The font's question mark, doubled across for weight.
    resources::drawText(s, l + 9, 10, "?", 1, kArgent);
    resources::drawText(s, l + 10, 10, "?", 1, kArgent);
}

// The partition buttons: a small shield divided and tinctured.
void drawPartition(Surface& s, int l, int code) {
    static const std::vector<char> shield = resources::shieldSilhouette(1, 15, 18);
    // Two-part fields gueules and argent; three parts add azur; the quarters
    // and the saltire repeat their first tincture in the fourth part.
    const bool quarters = code == 14 || code == 15;
    const std::array<Colour, 5> tinctures = {kAzur, kGueules, kArgent, quarters ? kArgent : kAzur,
                                             kGueules};
    resources::paintSilhouette(
        s, l + 4, 5, shield, 15, 18,
        [&](int x, int y) {
            if (code == 9) return kAzur;
            const int part = resources::partitionPartAt(code, (x + 0.5) / 15, (y + 0.5) / 18);
            return tinctures[std::size_t(part)];
        },
        kBlack);
}

Surface drawToolbar() {
    Surface s(640, 40, kPanelColour);
    // Groups: edged columns; faces: columns of each button.
    struct Group {
        int left, right;
    };
    constexpr std::array<Group, 5> kGroups = {
        {{14, 133}, {142, 165}, {181, 444}, {453, 572}, {581, 604}}};
    for (const Group& g : kGroups) {
        fillRect(s, g.left, 3, g.right, 24, kButtonEdge);
        fillRect(s, g.left + 1, kFaceTop, g.right - 1, kFaceBottom, kButtonFace);
    }
    constexpr std::array<int, 23> kFaceLeft = {15,  38,  62,  86,  110, 143, 182, 205,
                                               229, 253, 277, 301, 325, 349, 373, 397,
                                               421, 454, 477, 501, 525, 549, 582};
    // The separator column before each face inside a group.
    for (int left : kFaceLeft) {
        const bool groupStart =
            left == 15 || left == 143 || left == 182 || left == 454 || left == 582;
        if (!groupStart) drawLine(s, left - 1, kFaceTop, left - 1, kFaceBottom, kButtonEdge);
    }
    drawNew(s, 15);
    drawOpen(s, 38);
    drawSave(s, 62);
    drawExport(s, 86);
    drawPrint(s, 110);
    drawUndo(s, 143);
    constexpr std::array<int, 16> kPartitions = {9,  10, 11, 12, 13, 14, 15, 16,
                                                 17, 18, 19, 21, 22, 23, 24, 25};
    for (std::size_t i = 0; i < kPartitions.size(); ++i)
        drawPartition(s, kFaceLeft[6 + i], kPartitions[i]);
    drawHelp(s, 582);
    return s;
}

}  // namespace

const Surface& toolbarPicture() {
    static const Surface s = drawToolbar();
    return s;
}

}  // namespace tess
