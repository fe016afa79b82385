#pragma once

#include <array>

namespace tess::resources {

// The inside of a shield shape on one row of the 265 x 340 picture: up to three
// runs of columns, left to right, both ends inside.
struct Run {
    int first = 0;
    int last = -1;
};
struct RowRuns {
    int count = 0;
    std::array<Run, 3> runs{};
};

// Shape 1..7 (anything else is drawn as shape 1).
RowRuns shieldRow(int shape, int y);

}  // namespace tess::resources
