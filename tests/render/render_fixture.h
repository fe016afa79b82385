#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "actions/redraw_shield.h"
#include "model/document.h"
#include "model/tincture_table.h"
#include "model/workspace.h"
#include "render/key_colours.h"
#include "render/renderer.h"
#include "resources/pictures.h"

namespace tess::testing {

// A fresh workspace with the blank document and factory colours, and a renderer
// with every surface made (no file is read: the tinctures come from the factory
// table rather than the colour file).
struct Drawing {
    Drawing() {
        InitTinctures(ws.Tinctures);
        InitSurfaces(r);
        ResetDocument(ws);
    }
    Workspace ws;
    Renderer r;
};

class RenderTest : public ::testing::Test, public Drawing {
  protected:
    RedrawResult redraw() { return RedrawShield(ws, r); }
    BlazonRecord& doc() { return ws.CurrentBlazon; }

    void setPart(int k, Long kind, Long tincture) {
        doc().Parts[k].Kind = kind;
        doc().Parts[k].Tincture = tincture;
    }
    Colour tincture(int t) const { return Colour(ws.Tinctures[t].Colour); }

    // The part a pixel of the part key map belongs to (0 on a line).
    int partAt(int x, int y) const { return partOfKeyColour(r.partMap.pixel(x, y)); }
    bool insideShield(int x, int y) const { return r.shapeMask().pixel(x, y) == kWhite; }

    // Calls f(x, y) for every canvas pixel.
    static void forEachPixel(const std::function<void(int, int)>& f) {
        for (int y = 0; y < kCanvasHeight; ++y)
            for (int x = 0; x < kCanvasWidth; ++x) f(x, y);
    }
};

// Same size and same pixels (whatever each surface's background colour).
inline bool samePixels(const Surface& a, const Surface& b) {
    if (a.width() != b.width() || a.height() != b.height()) return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.row(y)[x] != b.row(y)[x]) return false;
    return true;
}

// The warnings of the last redraw as (kind, item) pairs, in queue order.
inline std::vector<std::pair<Long, Long>> warningsOf(const Workspace& ws) {
    std::vector<std::pair<Long, Long>> out;
    for (int i = 1; i <= ws.Warnings.count(); ++i)
        out.emplace_back(ws.Warnings.Entries[i].Kind, ws.Warnings.Entries[i].Item);
    return out;
}

}  // namespace tess::testing
