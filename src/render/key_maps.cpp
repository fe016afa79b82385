#include "render/key_maps.h"

#include <algorithm>
#include <cstring>

#include "model/workspace.h"
#include "render/field_partition.h"
#include "render/ordinary_laying.h"
#include "render/pixel_rows.h"
#include "render/renderer.h"

namespace tess {

namespace {

void shieldSized(Surface& map) {
    if (map.width() != kCanvasWidth || map.height() != kCanvasHeight)
        map = Surface(kCanvasWidth, kCanvasHeight, map.background());
}

// The laid zone's row y, and the columns outside which it is white.
struct ZoneRow {
    const Colour* zone = nullptr;
    int from = 0, to = 0;
};
ZoneRow zoneRow(const LaidPiece* laid, int y) {
    if (!laid || y >= int(laid->Spans.size())) return {};
    const auto [from, to] = laid->Spans[std::size_t(y)];
    return {laid->zone.row(y), std::max(from, 0), std::min(to, kCanvasWidth)};
}

// Over columns [from, to), `a` and `b` take the zone where it is not white.
void layZone(const Colour* zone, Colour* a, Colour* b, int from, int to) {
    const Pixels4 white = all4(kWhite);
    int x = from;
    for (; x + 4 <= to; x += 4) {
        const Pixels4 z = load4(zone + x);
        const Pixels4 keep = equal4(z, white);
        store4(a + x, select4(keep, load4(a + x), z));
        store4(b + x, select4(keep, load4(b + x), z));
    }
    for (; x < to; ++x)
        if (zone[x] != kWhite) a[x] = b[x] = zone[x];
}

}  // namespace

void LayKeyMaps(Workspace& ws, Renderer& r) {
    const BlazonRecord& b = ws.CurrentBlazon;
    const LaidPiece* second = ordinaryDrawn(b.Ordinary2, 2) ? &r.Ordinary2.Laid : nullptr;
    const LaidPiece* first = ordinaryDrawn(b.Ordinary1, 1) ? &r.Ordinary1.Laid : nullptr;
    for (Surface* map : {&r.fieldPartMap, &r.ordinaryMap, &r.partMap}) shieldSized(*map);
    const std::size_t bytes = std::size_t(kCanvasWidth) * sizeof(Colour);
    for (int y = 0; y < kCanvasHeight; ++y) {
        const Colour* field = fieldKeyRow(r, y);
        Colour* withSecond = r.fieldPartMap.row(y);
        Colour* withFirst = r.ordinaryMap.row(y);
        Colour* both = r.partMap.row(y);
        // Each map is the field where no zone lies; the zones' columns are
        // written once more.
        std::memcpy(withSecond, field, bytes);
        std::memcpy(withFirst, field, bytes);
        std::memcpy(both, field, bytes);
        const ZoneRow z2 = zoneRow(second, y), z1 = zoneRow(first, y);
        layZone(z2.zone, withSecond, both, z2.from, z2.to);
        layZone(z1.zone, withFirst, both, z1.from, z1.to);
    }
}

}  // namespace tess
