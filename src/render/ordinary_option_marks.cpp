// The option pictures' marks follow the stored sizes and shift, present or
// not: the window shows or hides the pictures themselves.
#include "model/workspace.h"
#include "render/ordinary1_outline.h"
#include "render/ordinary_steps.h"
#include "render/redraw_result.h"

namespace tess {

namespace {

int sizeMark(Integer size) {
    return size == 0 ? 0 : size > 0 ? 1 : 2;
}

}  // namespace

void PaintOrdinaryOptionMarks(Workspace& ws, Renderer&, RedrawResult& result) {
    OrdinaryRecord& first = ws.CurrentBlazon.Ordinary1;
    // A repeated piece is never shifted.
    if (first.Repeat > 0) first.Shift = 0;
    OptionMarks& marks = result.Marks;
    marks.ReducedPic = sizeMark(first.Size);
    marks.DeportPic = first.Shift >= -1 && first.Shift <= 1 ? first.Shift + 1 : -1;
    marks.ReducedPic2 = sizeMark(ws.CurrentBlazon.Ordinary2.Size);
    marks.ReducedPicHeight = ordinary1Settings(first.Type).ReducedPicHeight;
}

}  // namespace tess
