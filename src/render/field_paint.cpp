#include "render/field_paint.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "model/tincture_table.h"
#include "model/workspace.h"
#include "render/key_colours.h"
#include "render/region_fill.h"
#include "render/renderer.h"

namespace tess {

namespace {

// How one part is painted.
struct PartPaint {
    Colour Key = 0;
    const Surface* Fur = nullptr;  // the fur picture, or null for a tincture
    Colour Fill = 0;               // on screen
    bool Hatched = false;          // on a black-and-white page
    Brush Hatch;
    std::array<std::uint8_t, 8> HatchRows{};
};

// The fur a field part shows, 0 when it is filled with a tincture. A part
// holding an inserted coat of arms may still carry the fur it had before.
Long partFur(const PartRecord& part) {
    if (isFurCode(part.Kind)) return part.Kind;
    if (part.Kind <= kClassInserted && isFurCode(part.Tincture)) return part.Tincture;
    return 0;
}

PartPaint paintOf(const Workspace& ws, const Renderer& r, int k) {
    const PartRecord& part = ws.CurrentBlazon.Parts[k];
    PartPaint p;
    p.Key = kPartKeyColours[k];
    p.Fur = r.furPicture(partFur(part));
    if (p.Fur) return p;
    // A part whose tincture is no tincture number is filled in Or; a user fur
    // without its picture shows its dominant tincture, already in `Tincture`.
    const Long t = isTincture(part.Tincture) ? part.Tincture : 1;
    p.Fill = Colour(ws.Tinctures[std::size_t(t)].Colour);
    if (ws.PrintBlackWhite) {
        p.Hatched = true;
        p.Hatch = hatchBrushOfTincture(FindTinctureByColour(ws.Tinctures, p.Fill));
        if (p.Hatch.kind == Brush::Kind::Hatch) p.HatchRows = hatchBits(p.Hatch.hatch);
    }
    return p;
}

// The hatching's pixel at (x, y) of the page; the pattern keeps the phase the
// field had on its margined key map, 50 pixels up and left of the canvas.
Colour hatchPixel(const PartPaint& p, int x, int y) {
    x += kModelMargin;
    y += kModelMargin;
    switch (p.Hatch.kind) {
        case Brush::Kind::Solid:
            return p.Hatch.colour;
        case Brush::Kind::Hollow:
            return kWhite;
        case Brush::Kind::Hatch:
            return (p.HatchRows[std::size_t(y & 7)] >> (7 - (x & 7))) & 1u ? p.Hatch.colour
                                                                           : kWhite;
        case Brush::Kind::Pattern:
            return p.Hatch.pattern[std::size_t((y & 7) * 8 + (x & 7))];
    }
    return kWhite;
}

void paintRow(const PartPaint& p, const Colour* keys, Colour* out, int y, int width) {
    const Colour key = p.Key;
    if (p.Fur) {
        if (y >= p.Fur->height()) return;
        const Colour* fur = p.Fur->row(y);
        const int w = std::min(width, p.Fur->width());
        for (int x = 0; x < w; ++x)
            if (keys[x] == key) out[x] = fur[x];
    } else if (p.Hatched) {
        for (int x = 0; x < width; ++x)
            if (keys[x] == key) out[x] = hatchPixel(p, x, y);
    } else {
        const Colour fill = p.Fill;
        for (int x = 0; x < width; ++x)
            if (keys[x] == key) out[x] = fill;
    }
}

}  // namespace

void PaintField(Workspace& ws, Renderer& r) {
    const BlazonRecord& b = ws.CurrentBlazon;
    std::array<PartPaint, 4> paints;
    int count = 0;
    for (int k = 1; k <= b.PartCount && k <= 4; ++k)
        paints[std::size_t(count++)] = paintOf(ws, r, k);

    const Surface& map = r.fieldPartMap;
    Surface& canvas = r.canvas;
    const int w = std::min(map.width(), canvas.width());
    const int h = std::min(map.height(), canvas.height());
    for (int y = 0; y < h; ++y) {
        const Colour* keys = map.row(y);
        Colour* out = canvas.row(y);
        std::memcpy(out, keys, std::size_t(w) * sizeof(Colour));
        for (int i = 0; i < count; ++i) paintRow(paints[std::size_t(i)], keys, out, y, w);
    }
}

}  // namespace tess
