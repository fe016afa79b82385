// The start-up animation: a shield drawn from the chief down, then the name
// written letter by letter beneath a gold rule.
#include <cmath>
#include <string_view>
#include <vector>

#include "resources/pictures.h"
#include "resources/sketch.h"
#include "resources/window_pictures.h"

namespace tess {

namespace {

constexpr int kFrameW = 320, kFrameH = 200;
// The window shows only the first 302 columns; the drawing keeps within them.
constexpr int kVisibleW = 302;

constexpr Colour kGold = 0x3CBEE6u;      // rgb(230, 190, 60)
constexpr Colour kPaleGold = 0x90E0F8u;  // rgb(248, 224, 144)
constexpr Colour kShadow = 0x104060u;    // rgb(96, 64, 16)
constexpr Colour kAzur = 0xFF0000u;
constexpr Colour kOr = 0x00FFFFu;

constexpr std::string_view kName = "TESSALINE";
constexpr int kNameScale = 4;
constexpr int kNameTop = 8;

constexpr int kShieldW = 104, kShieldH = 134;
constexpr int kShieldLeft = (kVisibleW - kShieldW) / 2, kShieldTop = 52;

std::vector<resources::Point> mullet(double cx, double cy, double outer) {
    std::vector<resources::Point> p;
    const double inner = outer * 0.42;
    for (int k = 0; k < 10; ++k) {
        const double a = -M_PI / 2 + k * M_PI / 5;
        const double r = k % 2 ? inner : outer;
        p.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return p;
}

// The finished shield: écartelé, aux 1 et 4 d'azur à l'étoile d'or, aux 2 et 3
// d'hermine, edged in gold.
Surface finishedShield() {
    Surface arms(kShieldW, kShieldH, kBlack);
    const Surface& ermine = furPicture(111);
    for (int y = 0; y < kShieldH; ++y)
        for (int x = 0; x < kShieldW; ++x) {
            const bool azurQuarter = (x < kShieldW / 2) == (y < kShieldH / 2);
            // The ermine at two fifths of its size, its spots still whole.
            arms.row(y)[x] = azurQuarter ? kAzur : ermine.pixel(x * 5 / 2 + 6, y * 5 / 2 + 4);
        }
    for (double cx : {kShieldW / 4.0, kShieldW * 3 / 4.0}) {
        const double cy = cx < kShieldW / 2 ? kShieldH / 4.0 : kShieldH * 3 / 4.0 - 6;
        resources::fillPolygon(arms, mullet(cx, cy, 15), kOr);
    }
    Surface framed(kShieldW, kShieldH, kBlack);
    const std::vector<char> inside = resources::shieldSilhouette(1, kShieldW, kShieldH);
    resources::paintSilhouette(
        framed, 0, 0, inside, kShieldW, kShieldH,
        [&](int x, int y) {
            // A second ring of gold inside the edge.
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + 2 * dx, ny = y + 2 * dy;
                    if (nx < 0 || ny < 0 || nx >= kShieldW || ny >= kShieldH ||
                        !inside[ny * kShieldW + nx])
                        return kBlack;
                }
            return arms.row(y)[x];
        },
        kGold);
    return framed;
}

Surface drawFrame(int n, const Surface& shield) {
    Surface f(kFrameW, kFrameH, kBlack);
    // Frames 1..5 draw the shield down to its point.
    const int rows = std::min(kShieldH, kShieldH * n / 5);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < kShieldW; ++x)
            f.row(kShieldTop + y)[kShieldLeft + x] = shield.row(y)[x];
    // A bright line where the drawing has reached.
    if (rows < kShieldH)
        for (int x = 0; x < kShieldW; ++x)
            if (shield.row(rows)[x] != kBlack)
                f.row(kShieldTop + rows)[kShieldLeft + x] = kPaleGold;
    // Frames 5..9 write the name, two letters a frame.
    const int letters = std::clamp((n - 4) * 2, 0, int(kName.size()));
    const int nameW = resources::textWidth(kName, kNameScale);
    const int nameLeft = (kVisibleW - nameW) / 2;
    const std::string_view written = kName.substr(0, std::size_t(letters));
    resources::drawText(f, nameLeft + 2, kNameTop + 2, written, kNameScale, kShadow);
    resources::drawText(f, nameLeft, kNameTop, written, kNameScale, kGold);
    // Frames 6..10 draw the rule beneath it from the middle outwards.
    const int half = std::clamp((n - 5) * nameW / 10, 0, nameW / 2);
    if (half > 0)
        resources::fillRect(f, kVisibleW / 2 - half, kNameTop + 7 * kNameScale + 5,
                            kVisibleW / 2 + half - 1, kNameTop + 7 * kNameScale + 5, kGold);
    // The last frames light the star of the first quarter.
    if (n >= 9) {
        // On the star's upper point, where it catches the light.
        const double cx = kShieldLeft + kShieldW / 4.0, cy = kShieldTop + kShieldH / 4.0 - 15;
        // A four-pointed glint, larger on the last frame.
        const double r = n == 9 ? 7 : 12;
        const double w = r / 5;
        resources::fillPolygon(f,
                               {{cx, cy - r},
                                {cx + w, cy - w},
                                {cx + r, cy},
                                {cx + w, cy + w},
                                {cx, cy + r},
                                {cx - w, cy + w},
                                {cx - r, cy},
                                {cx - w, cy - w}},
                               kWhite);
    }
    return f;
}

}  // namespace

Surface introFrame(int n) {
    return drawFrame(n >= 1 && n <= kIntroFrameCount ? n : kIntroFrameCount, finishedShield());
}

std::vector<Surface> introFrames() {
    const Surface shield = finishedShield();
    std::vector<Surface> frames;
    frames.reserve(kIntroFrameCount);
    for (int n = 1; n <= kIntroFrameCount; ++n) frames.push_back(drawFrame(n, shield));
    return frames;
}

}  // namespace tess
