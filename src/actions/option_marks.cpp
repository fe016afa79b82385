#include "actions/option_marks.h"

#include "model/records.h"
#include "render/ordinary1_outline.h"

namespace tess {

namespace {

int sizeMark(Integer size) {
    return size == 0 ? 0 : size > 0 ? 1 : 2;
}

}  // namespace

OptionMarks OrdinaryOptionMarks(const BlazonRecord& b) {
    const OrdinaryRecord& first = b.Ordinary1;
    OptionMarks marks;
    marks.size = sizeMark(first.Size);
    marks.shift = first.Shift >= -1 && first.Shift <= 1 ? first.Shift + 1 : -1;
    marks.secondSize = sizeMark(b.Ordinary2.Size);
    marks.sizeChooserHeight = ordinary1Settings(first.Type).ReducedPicHeight;
    return marks;
}

}  // namespace tess
