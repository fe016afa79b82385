#pragma once

#include <cstdint>
#include <vector>

#include "platform/surface.h"
#include "render/pixel_rows.h"

namespace tess {

// Columns [From, To) of one row, holding one value.
struct RowRun {
    std::int16_t From = 0;
    std::int16_t To = 0;
    Colour Value = 0;
};

// A picture, or what matters of it, as runs along its rows: row y's runs are
// Runs[RowStart[y] .. RowStart[y + 1]). The shield's maps and pieces hold a few
// long runs a row, so a pass over the runs costs a copy or a fill per run
// rather than a test per pixel.
struct RowRuns {
    std::vector<RowRun> Runs;
    std::vector<int> RowStart;

    bool hasRows(int height) const { return int(RowStart.size()) == height + 1; }
    const RowRun* begin(int y) const { return Runs.data() + RowStart[std::size_t(y)]; }
    const RowRun* end(int y) const { return Runs.data() + RowStart[std::size_t(y) + 1]; }
};

// Appends the runs of row[from, to) to `out` as runs of its current row
// (columns as they stand in `row`): pixels of one colour go together, each
// run valued `valueOf(colour)`, neighbours of one value merge, and runs
// valued kNoColour are left out. The caller opens the row in RowStart.
template <typename ValueOf>
void appendRowRuns(RowRuns& out, const Colour* row, int from, int to, ValueOf valueOf) {
    bool open = false;  // whether the last run is this row's and may grow
    for (int x = from; x < to;) {
        const Colour c = row[x];
        const int start = x;
        x += sameRun(row + x, to - x, c);
        const Colour v = valueOf(c);
        if (v == kNoColour) {
            open = false;
        } else if (open && out.Runs.back().Value == v) {
            out.Runs.back().To = std::int16_t(x);
        } else {
            out.Runs.push_back({std::int16_t(start), std::int16_t(x), v});
            open = true;
        }
    }
}

// The runs of the width x height block of `picture` at (x0, y0), columns
// counted from x0, as appendRowRuns finds them.
template <typename ValueOf>
RowRuns rowRunsOf(const Surface& picture, int x0, int y0, int width, int height, ValueOf valueOf) {
    RowRuns out;
    out.RowStart.assign(std::size_t(height) + 1, 0);
    for (int y = 0; y < height; ++y) {
        out.RowStart[std::size_t(y)] = int(out.Runs.size());
        appendRowRuns(out, picture.row(y0 + y) + x0, 0, width, valueOf);
    }
    out.RowStart[std::size_t(height)] = int(out.Runs.size());
    return out;
}

// How a transparent stamp (AND the mask, XOR the picture) treats a run of its
// mask: where the mask is black the picture replaces the pixel; where it is
// white the picture is XORed alone (a picture made with its mask is black
// there, and the pixel stays); any other colour is ANDed, then the picture
// XORed.
inline constexpr Colour kStampCopy = 0;
inline constexpr Colour kStampAndXor = 1;
inline constexpr Colour kStampXor = 2;

// The stamp run of a mask colour, and a mask's rows as stamp runs;
// `withWhite` false leaves the white runs out, for a picture known to be
// black wherever its mask is white.
inline Colour stampOf(Colour m, bool withWhite) {
    if (m == kWhite) return withWhite ? kStampXor : kNoColour;
    return m == kBlack ? kStampCopy : kStampAndXor;
}
inline RowRuns stampRunsOf(const Surface& mask, bool withWhite) {
    return rowRunsOf(mask, 0, 0, mask.width(), mask.height(),
                     [withWhite](Colour m) { return stampOf(m, withWhite); });
}

}  // namespace tess
