#include "render/key_maps.h"

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

// Where the laid piece's zone lies on row y, `a` and `b` take it.
void layZone(const LaidPiece* laid, int y, Colour* a, Colour* b) {
    if (!laid || !laid->ZoneRuns.hasRows(kCanvasHeight)) return;
    for (const RowRun* run = laid->ZoneRuns.begin(y); run != laid->ZoneRuns.end(y); ++run) {
        fillRow(a + run->From, run->To - run->From, run->Value);
        fillRow(b + run->From, run->To - run->From, run->Value);
    }
}

}  // namespace

void LayKeyMaps(Workspace& ws, Renderer& r) {
    const BlazonRecord& b = ws.CurrentBlazon;
    const LaidPiece* second = ordinaryDrawn(b.Ordinary2, 2) ? &r.Ordinary2.Laid : nullptr;
    const LaidPiece* first = ordinaryDrawn(b.Ordinary1, 1) ? &r.Ordinary1.Laid : nullptr;
    // The maps change only with the field's map or a laid piece: while
    // neither was drawn again, they stand as the last redraw laid them.
    const KeyMapsSource source{r.PartitionDrawing, second ? second->Drawing : 0,
                               first ? first->Drawing : 0};
    bool sized = true;
    for (const Surface* map : {&r.fieldPartMap, &r.ordinaryMap, &r.partMap})
        sized = sized && map->width() == kCanvasWidth && map->height() == kCanvasHeight;
    if (r.KeyMapsMade && sized && r.KeyMapsLaidFrom == source) return;
    for (Surface* map : {&r.fieldPartMap, &r.ordinaryMap, &r.partMap}) shieldSized(*map);
    const std::size_t bytes = std::size_t(kCanvasWidth) * sizeof(Colour);
    for (int y = 0; y < kCanvasHeight; ++y) {
        const Colour* field = fieldKeyRow(r, y);
        Colour* withSecond = r.fieldPartMap.row(y);
        Colour* withFirst = r.ordinaryMap.row(y);
        Colour* both = r.partMap.row(y);
        // Each map is the field where no zone lies; the zones' runs are
        // written over it.
        std::memcpy(withSecond, field, bytes);
        std::memcpy(withFirst, field, bytes);
        std::memcpy(both, field, bytes);
        layZone(second, y, withSecond, both);
        layZone(first, y, withFirst, both);
    }
    r.KeyMapsLaidFrom = source;
    r.KeyMapsMade = true;
}

}  // namespace tess
