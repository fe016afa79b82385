#pragma once

#include <functional>

#include "actions/apply_edit.h"

namespace tess {

struct Workspace;
class Renderer;
class MessageLayer;

// What a panel is handed to change the document and to ask the person. A
// panel never edits the document itself: it calls `apply` (or another
// function of src/actions/ whose result it hands to `show`), so every edit
// takes the same undo step, modified flag and redraw, and every panel shows
// the same result.
struct EditorContext {
    Workspace& ws;
    Renderer& r;
    MessageLayer& messages;
    // Shows a redraw's result in every panel, and the title's unsaved mark.
    std::function<void(const RedrawResult&)> show;
    // The title's unsaved mark alone, for a change nothing shows yet.
    std::function<void()> refreshTitle;

    // One edit through the one road of the actions layer, then shown.
    void apply(UndoStep undo, const std::function<void()>& change) const {
        show(ApplyEdit(ws, r, undo, change));
    }
};

}  // namespace tess
