#pragma once

#include "actions/redraw_result.h"

namespace tess {

struct BlazonRecord;

// Which small shield each option picture beside the canvas shows chosen, from
// the stored sizes and shift, present or not (the window shows or hides the
// pictures themselves), and how much of the size picture the piece allows.
OptionMarks OrdinaryOptionMarks(const BlazonRecord& b);

}  // namespace tess
