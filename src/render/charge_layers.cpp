// Where each charge lies (read from the key maps, never computed from
// geometry) and the three layers the charges are drawn in.
#include "render/charge_layers.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "model/placed_charges.h"
#include "model/warnings.h"
#include "model/workspace.h"
#include "render/charge_recolouring.h"
#include "render/charge_surfaces.h"
#include "render/key_colours.h"
#include "render/nearest_steps.h"
#include "render/pixel_rows.h"
#include "render/renderer.h"

namespace tess {
namespace {

constexpr Colour kHitRed = 0x0000FFu;

bool onMap(const Surface& map, int x, int y) {
    return map.contains(x, y);
}

}  // namespace

int SampleChargeArea(Workspace& ws, const PlacementMaps& maps, int charge, int x, int y, int w,
                     int h) {
    if (charge >= 1 && charge <= kChargeCount && ws.CurrentBlazon.Charges[charge].Brochant != 0)
        return kPlacedOverSeveral;
    int off = 0, onFirst = 0, onSecond = 0;
    bool allSame = true;

    // The top-left sample: probes down the left edge (diagonally right while
    // the box starts left of the map) until one lands on the map or the edge
    // ends. Worked out directly rather than probed one by one: a tall charge
    // hanging off the map would cost one probe per row.
    const Surface& part = maps.partMap;
    const long step = x < 0 ? 1 : 0;
    const long last = std::max(0L, step ? std::min<long>(h, w) : (w < 0 ? 0L : long(h)));
    const long firstOn = std::max({0L, -long(y), step ? -long(x) : 0L});
    const bool reaches = long(x) < part.width() && firstOn <= long(part.height()) - 1 - y &&
                         (step == 0 || firstOn <= long(part.width()) - 1 - x);
    const long probe = reaches && firstOn <= last ? firstOn : last;
    const int s1x = int(x + step * probe), s1y = int(y + probe);
    const bool probeOff = !onMap(part, s1x, s1y);
    Colour s[6];
    s[1] = part.pixel(s1x, s1y);
    if (probe > 0) off = 1;

    const int px[6] = {0, x, x + w, x, x + w, x + w / 2};
    const int py[6] = {0, y, y, y + h, y + h, y + h / 2};
    for (int i = 2; i <= 5; ++i) {
        s[i] = part.pixel(px[i], py[i]);
        if (!onMap(part, px[i], py[i])) ++off;
    }
    const Colour reference = s[1];
    for (int i = 2; i <= 5; ++i) {
        if (s[i] == reference || !onMap(part, px[i], py[i]) || s[i] == kLineColour) continue;
        if (s[i] == kPartKeyColours[kSecondOrderZone])
            ++onSecond;
        else
            allSame = false;
    }
    // Only a present first-order piece can hold the charge: without one, a
    // sample on a partition line says nothing (the charge lies in its part).
    bool sampleOff[6] = {false, probeOff};
    for (int i = 2; i <= 5; ++i) sampleOff[i] = !onMap(part, px[i], py[i]);
    if (maps.firstOrderPresent) {
        for (int i = 1; i <= 5; ++i) {
            s[i] = maps.ordinaryMap.pixel(px[i], py[i]);
            sampleOff[i] = !onMap(maps.ordinaryMap, px[i], py[i]);
            if (s[i] == kPartKeyColours[kFirstOrderZone] || s[i] == kLineColour) ++onFirst;
        }
    }
    if (off >= 3 && charge != 0) AddWarning(ws.Warnings, kWarnChargeOffShield, charge);
    if (onFirst == 5) return kPlacedOnFirstOrder;
    if (!allSame) return kPlacedOverSeveral;
    for (int k = 1; k <= kSecondOrderZone; ++k) {
        if (kPartKeyColours[k] != reference) continue;
        if (onFirst > 0) {
            int m = 0;
            for (int i = 1; i <= 5; ++i)
                if (sampleOff[i] || s[i] == kLineColour) ++m;
            return onFirst + m == 5 ? kPlacedOnFirstOrder : kPartlyOnFirstOrder + k;
        }
        return onSecond > 0 ? kPartlyOnSecondOrder + k : k;
    }
    return kPlacedNowhere;
}

ChargePlacements findChargePlacements(Workspace& ws, const PlacementMaps& maps) {
    const BlazonRecord& b = ws.CurrentBlazon;
    ChargePlacements placements{};
    for (int n = 1; n <= kChargeCount; ++n) {
        const ChargeRecord& c = b.Charges[n];
        if (c.InUse == 0 || chargePicture(ws, n) == nullptr) continue;
        placements[std::size_t(n)] = SampleChargeArea(ws, maps, n, c.X, c.Y, c.Width, c.Height);
    }
    return placements;
}

namespace {

// One run of a stamp's source row, on the destination row: columns [From, To)
// of the box (counted from its first column on the surface) and what the mask
// does there.
struct StampSpan {
    int From, To;
    Colour Kind;
};

// d[i] := p[c[i]] for i in [from, to): a row picked through a column table,
// four at a time.
void gatherRow(Colour* d, const Colour* p, const int* c, int from, int to) {
    int i = from;
    for (; i + 4 <= to; i += 4) {
        const Colour a = p[c[i]], b = p[c[i + 1]], e = p[c[i + 2]], f = p[c[i + 3]];
        d[i] = a;
        d[i + 1] = b;
        d[i + 2] = e;
        d[i + 3] = f;
    }
    for (; i < to; ++i) d[i] = p[c[i]];
}

// For each source column s (and sw), the first destination column of the
// box whose source column is s or beyond: `column` rises with the
// destination, or falls for a mirrored box (the first whose source column is
// below s). The destination columns of a source run [s0, s1) are then
// [first[s0], first[s1]), or [first[s1], first[s0]) mirrored.
void firstColumns(const std::vector<int>& column, int n, int sw, bool falling,
                  std::vector<int>& first) {
    first.resize(std::size_t(sw) + 1);
    int i = 0;
    if (!falling) {
        for (int s = 0; s <= sw; ++s) {
            while (i < n && column[std::size_t(i)] < s) ++i;
            first[std::size_t(s)] = i;
        }
    } else {
        for (int s = sw; s >= 0; --s) {
            while (i < n && column[std::size_t(i)] >= s) ++i;
            first[std::size_t(s)] = i;
        }
    }
}

}  // namespace

void stampStretched(Surface& dst, int dx, int dy, int dw, int dh, const Surface& mask,
                    const Surface& picture, const RowRuns* maskRuns) {
    const int sw = std::min(mask.width(), picture.width());
    const int sh = std::min(mask.height(), picture.height());
    if (dw == 0 || dh == 0 || sw <= 0 || sh <= 0) return;
    // The box and its nearest-neighbour mapping exactly as the stretching
    // copy has them, so the result is that of the two copies in turn.
    const std::int64_t boxLeft = dw < 0 ? std::int64_t(dx) + dw : dx;
    const std::int64_t boxTop = dh < 0 ? std::int64_t(dy) + dh : dy;
    const std::int64_t bw = std::abs(std::int64_t(dw)), bh = std::abs(std::int64_t(dh));
    const std::int64_t x0 = std::max<std::int64_t>(boxLeft, 0);
    const std::int64_t x1 = std::min<std::int64_t>(boxLeft + bw, dst.width());
    const std::int64_t y0 = std::max<std::int64_t>(boxTop, 0);
    const std::int64_t y1 = std::min<std::int64_t>(boxTop + bh, dst.height());
    if (x0 >= x1 || y0 >= y1) return;
    thread_local std::vector<int> column;
    column.resize(std::size_t(x1 - x0));
    NearestSteps columns(dw < 0 ? boxLeft + bw - 1 - x0 : x0 - boxLeft, sw, bw);
    for (int& sx : column) {
        sx = columns.value();
        columns.step(dw < 0);
    }
    const int n = int(x1 - x0);
    thread_local std::vector<Colour> maskRow, pictureRow;
    maskRow.resize(std::size_t(n));
    pictureRow.resize(std::size_t(n));
    thread_local std::vector<StampSpan> spans;
    thread_local std::vector<int> firstOf;
    // Runs of the mask serve when they are the mask's, whole, and the picture
    // has its size.
    const bool byRuns = maskRuns && maskRuns->hasRows(mask.height()) &&
                        mask.width() == picture.width() && mask.height() == picture.height();
    if (byRuns) firstColumns(column, n, sw, dw < 0, firstOf);
    // The source row of each destination row in turn.
    NearestSteps rows(dh < 0 ? boxTop + bh - 1 - y0 : y0 - boxTop, sh, bh);
    for (std::int64_t y = y0; y < y1;) {
        const int sy = rows.value();
        // The destination rows that show this source row: a picture drawn
        // larger than it is shows each of its rows several times. `rows`
        // is left on the first row past them.
        std::int64_t end = y + 1;
        for (rows.step(dh < 0); end < y1 && rows.value() == sy; rows.step(dh < 0)) ++end;
        const Colour* m = mask.row(sy);
        const Colour* p = picture.row(sy);
        const bool once = end - y == 1;
        if (!byRuns) {
            if (once) {
                Colour* d = dst.row(int(y)) + x0;
                for (int i = 0; i < n; ++i) {
                    const int sx = column[std::size_t(i)];
                    d[i] = (d[i] & m[sx]) ^ p[sx];
                }
            } else {
                // Stretched across once, then laid on each of its rows.
                for (int i = 0; i < n; ++i) {
                    const int sx = column[std::size_t(i)];
                    maskRow[std::size_t(i)] = m[sx];
                    pictureRow[std::size_t(i)] = p[sx];
                }
                for (std::int64_t row = y; row < end; ++row)
                    andXorRow(dst.row(int(row)) + x0, maskRow.data(), pictureRow.data(), n);
            }
            y = end;
            continue;
        }
        // By the mask's runs: where it is black the picture replaces the
        // pixel; where it is white the picture is XORed, which leaves the
        // pixel as it is when the picture is black all along the run (it
        // always is, for a picture made with this mask): such runs are left.
        spans.clear();
        for (const RowRun* run = maskRuns->begin(sy); run != maskRuns->end(sy); ++run) {
            if (run->Value == kStampXor && !anyColour(p + run->From, run->To - run->From)) continue;
            const int a = firstOf[std::size_t(run->From)], b = firstOf[std::size_t(run->To)];
            if (a != b) spans.push_back({std::min(a, b), std::max(a, b), run->Value});
        }
        const int* c = column.data();
        if (once) {
            Colour* d = dst.row(int(y)) + x0;
            for (const StampSpan& span : spans) {
                if (span.Kind == kStampCopy)
                    gatherRow(d, p, c, span.From, span.To);
                else if (span.Kind == kStampAndXor)
                    for (int i = span.From; i < span.To; ++i) d[i] = (d[i] & m[c[i]]) ^ p[c[i]];
                else
                    for (int i = span.From; i < span.To; ++i) d[i] ^= p[c[i]];
            }
            y = end;
            continue;
        }
        // Stretched across once, then laid on each of the rows showing it.
        for (const StampSpan& span : spans) {
            gatherRow(pictureRow.data(), p, c, span.From, span.To);
            if (span.Kind == kStampAndXor) gatherRow(maskRow.data(), m, c, span.From, span.To);
        }
        for (std::int64_t row = y; row < end; ++row) {
            Colour* d = dst.row(int(row)) + x0;
            for (const StampSpan& span : spans) {
                const int len = span.To - span.From;
                const Colour* picked = pictureRow.data() + span.From;
                if (span.Kind == kStampCopy)
                    std::memcpy(d + span.From, picked, std::size_t(len) * sizeof(Colour));
                else if (span.Kind == kStampAndXor)
                    andXorRow(d + span.From, maskRow.data() + span.From, picked, len);
                else
                    xorRow(d + span.From, picked, len);
            }
        }
        y = end;
    }
}

namespace {

void stamp(const ChargeRecord& c, const ChargeSurfaces& surfaces, int n, Surface& target, int x,
           int y, int w, int h) {
    const bool mirrored = c.Mirrored != 0;
    const BankPicture& bank = surfaces.bank(c.ImageIndex);
    stampStretched(target, mirrored ? x + w : x, y, mirrored ? -w : w, h, bank.mask,
                   surfaces.workingPicture(n), &bank.maskRuns);
}

}  // namespace

bool drawChargeInBox(Workspace& ws, ChargeSurfaces& surfaces, Surface& target, int n, int w,
                     int h) {
    if (chargePicture(ws, n) == nullptr || !refreshChargeLayers(ws, surfaces, n)) return false;
    stamp(ws.CurrentBlazon.Charges[n], surfaces, n, target, 0, 0, w, h);
    return true;
}

namespace {

// Whether charge n is drawn in `layer`: in use, of that layer, with a picture
// whose layers can be made (stale ones are prepared again here).
bool drawnInLayer(Workspace& ws, ChargeSurfaces& surfaces, int n, int layer) {
    const ChargeRecord& c = ws.CurrentBlazon.Charges[n];
    if (c.InUse == 0 || c.ImageIndex < 1 || layerOfPlacement(c.Placement) != layer) return false;
    return chargePicture(ws, n) != nullptr && refreshChargeLayers(ws, surfaces, n);
}

}  // namespace

std::vector<HitBox> chargeHitBoxes(Workspace& ws, ChargeSurfaces& surfaces) {
    std::vector<HitBox> boxes;
    for (int layer = kUnderBothPieces; layer <= kOverBothPieces; ++layer)
        for (int n = 1; n <= kChargeCount; ++n) {
            if (!drawnInLayer(ws, surfaces, n, layer)) continue;
            const ChargeRecord& c = ws.CurrentBlazon.Charges[n];
            boxes.push_back({c.X, c.Y, c.X + c.Width, c.Y + c.Height});
        }
    return boxes;
}

void drawHitBoxes(Surface& hitMap, const std::vector<HitBox>& boxes) {
    // Each box red inside a one-pixel black outline. The map is drawn again
    // only when the boxes changed, so the plain rectangle is fast enough.
    hitMap.fill(kBlack);
    const Brush inside = Brush::solid(kHitRed);
    for (const HitBox& box : boxes)
        hitMap.rectangle(box.Left, box.Top, box.Right, box.Bottom, kBlack, inside);
}

void drawChargesLayer(Workspace& ws, ChargeSurfaces& surfaces, Surface& canvas, int layer) {
    const BlazonRecord& b = ws.CurrentBlazon;
    for (int n = 1; n <= kChargeCount; ++n) {
        if (!drawnInLayer(ws, surfaces, n, layer)) continue;
        const ChargeRecord& c = b.Charges[n];
        stamp(c, surfaces, n, canvas, c.X, c.Y, c.Width, c.Height);
    }
}

}  // namespace tess
