#pragma once

#include <string>

#include "render/charge_redraw_fixture.h"
#include "render/ordinary1_outline.h"
#include "render/ordinary2_outline.h"

namespace tess::testing {

// A blank document (plain Azur field) with helpers to put the pieces on it. The
// first-order piece's zone starts in Or, the second-order piece's in Gueules.
class OrdinaryRedraw : public ChargeRedraw {
  protected:
    OrdinaryRecord& first(Long type, Integer size = 0, Integer shift = 0, Byte repeat = 0) {
        OrdinaryRecord& o = ws.CurrentBlazon.Ordinary1;
        o.Present = kTrue;
        o.Type = type;
        o.Size = size;
        o.Shift = shift;
        o.Repeat = repeat;
        return o;
    }
    OrdinaryRecord& second(Long type, Integer size = 0) {
        OrdinaryRecord& o = ws.CurrentBlazon.Ordinary2;
        o.Present = kTrue;
        o.Type = type;
        o.Size = size;
        return o;
    }
    PartRecord& zone(int k) { return ws.CurrentBlazon.Parts[k]; }
    void setZone(int k, Long kind, Long tincture) {
        zone(k).Kind = kind;
        zone(k).Tincture = tincture;
    }

    Colour canvas(int x, int y) const { return r.canvas.pixel(x, y); }
    // The part the key map shows at a shield point, 0 on a line or off the map.
    int part(int x, int y) const { return partOfKeyColour(r.partMap.pixel(x, y)); }
    int classifiedPart(int x, int y) const { return partOfKeyColour(r.ordinaryMap.pixel(x, y)); }

    // Looks like the first-order piece (in Or) at a shield point: on the canvas
    // and on the key map.
    bool onFirst(int x, int y) const { return canvas(x, y) == tincture(kOr) && part(x, y) == 7; }
    bool onField(int x, int y) const { return canvas(x, y) == tincture(kAzur) && part(x, y) == 1; }
    bool onSecond(int x, int y) const {
        return canvas(x, y) == tincture(kGueules) && part(x, y) == 5;
    }
};

}  // namespace tess::testing
