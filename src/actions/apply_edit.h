#pragma once

#include <functional>

#include "actions/redraw_result.h"

namespace tess {

struct Workspace;
class Renderer;

// Whether an edit leaves a copy of the document on the undo stack first.
enum class UndoStep { None, Take };

// The one road of every editing command: the undo step when the command takes
// one, the change itself, the document marked modified, then the whole shield
// redrawn. Returns what the window shows besides the canvas. Commands that
// change nothing the user could save (a dialog cancelled, a hover) do not come
// through here.
RedrawResult ApplyEdit(Workspace& ws, Renderer& r, UndoStep undo,
                       const std::function<void()>& change);

}  // namespace tess
