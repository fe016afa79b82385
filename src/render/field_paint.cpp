#include "render/field_paint.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include "model/tincture_table.h"
#include "model/workspace.h"
#include "render/field_partition.h"
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

// The colours one part takes on row y, in a row the inner loop can read
// whatever the part's kind: the fur picture's own row, one of the hatching's
// eight rows (the pattern repeats every 8 rows, so they are made once, 8 x 265
// pixels instead of a pattern lookup per pixel) or the flat tincture. Null when
// the part cannot give a whole row (a fur picture smaller than the canvas),
// which sends the row to the per-part passes.
const Colour* sourceRow(const PartPaint& p, int y, int width, const std::vector<Colour>& rows) {
    if (p.Fur) {
        if (y >= p.Fur->height() || p.Fur->width() < width) return nullptr;
        return p.Fur->row(y);
    }
    if (p.Hatched) return rows.data() + std::size_t(y & 7) * std::size_t(width);
    return rows.data();
}

// The rows sourceRow reads for a tincture or a hatching.
void makeRows(const PartPaint& p, int width, std::vector<Colour>& rows) {
    const std::size_t w = std::size_t(std::max(width, 0));
    if (p.Fur) return;
    if (!p.Hatched) {
        rows.assign(w, p.Fill);
        return;
    }
    rows.resize(8 * w);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < width; ++x)
            rows[std::size_t(y) * w + std::size_t(x)] = hatchPixel(p, x, y);
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

    // The field's key map, drawn by the partition.
    if (r.partitionWork.width() != kModelWidth || r.partitionWork.height() != kModelHeight) return;
    Surface& canvas = r.canvas;
    const int w = std::min(kCanvasWidth, canvas.width());
    const int h = std::min(kCanvasHeight, canvas.height());
    // Each row of the key map is a few runs of one key colour (found once per
    // drawing of the partition): a run is copied from its part's row, or from
    // the key map itself for a line or anything no part covers. Rows a part
    // cannot give whole go through one conditional pass per part instead.
    const RowRuns& runs = fieldKeyRuns(r);
    std::array<std::vector<Colour>, 4> scratch;
    std::array<const Colour*, 4> rows{};
    for (int i = 0; i < count; ++i) makeRows(paints[std::size_t(i)], w, scratch[std::size_t(i)]);
    for (int y = 0; y < h; ++y) {
        const Colour* key = fieldKeyRow(r, y);
        Colour* out = canvas.row(y);
        bool whole = true;
        for (int i = 0; i < count; ++i) {
            const std::size_t u = std::size_t(i);
            rows[u] = sourceRow(paints[u], y, w, scratch[u]);
            whole = whole && rows[u];
        }
        if (!whole) {
            std::memcpy(out, key, std::size_t(w) * sizeof(Colour));
            for (int i = 0; i < count; ++i) paintRow(paints[std::size_t(i)], key, out, y, w);
            continue;
        }
        for (const RowRun* run = runs.begin(y); run != runs.end(y); ++run) {
            const int from = run->From, to = std::min(int(run->To), w);
            if (from >= to) continue;
            const int part = int(run->Value);
            const Colour* source = part >= 1 && part <= count ? rows[std::size_t(part - 1)] : key;
            std::memcpy(out + from, source + from, std::size_t(to - from) * sizeof(Colour));
        }
    }
}

}  // namespace tess
