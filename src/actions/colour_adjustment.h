#pragma once

#include <string>

#include "actions/redraw_result.h"
#include "platform/colour.h"

namespace tess {

struct Workspace;
class Renderer;

// One step of the colour adjustment: `step` (+1 up, -1 down) times 256 added
// to the whole 0x00BBGGRR value, so green carries into blue and borrows from
// it and red never changes. A result outside 0..0xFFFFFF leaves the colour as
// it was.
Colour StepAdjustedColour(Colour working, int step);

struct ColourAdjustment {
    std::string fileError;  // the colour file could not be rewritten (empty: it was)
    RedrawResult redraw;
};

// The colour dialog's "Ok": `colour` becomes the current colour of tincture
// 1..11, the colour file is rewritten, every charge of that tincture is
// recoloured and the shield redrawn. Tincture colours are a setting of the
// program, not of the document: no undo step, the modified flag untouched.
// A colour file that cannot be written leaves the colour in force for the run.
ColourAdjustment ApplyTinctureColour(Workspace& ws, Renderer& r, int tincture, Colour colour);

}  // namespace tess
