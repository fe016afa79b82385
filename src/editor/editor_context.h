#pragma once

#include <functional>

#include "actions/edit_outcome.h"

namespace tess {

struct Workspace;
class Renderer;
class MessageLayer;

// What a panel is handed to change the document and to ask the person. A
// panel never edits the document itself: it calls a command of src/actions/,
// each of which takes the same undo step, modified flag and redraw, and hands
// what it left to `show`, so every panel shows the same result.
struct EditorContext {
    Workspace& ws;
    Renderer& r;
    MessageLayer& messages;
    // Shows a redraw's result in every panel, and the title's unsaved mark.
    std::function<void(const RedrawResult&)> showRedraw;
    // Shows the title again: its file and its unsaved mark.
    std::function<void()> showTitle;

    // What a command left: its redraw (or, changed without one, the title),
    // then what the user must be told.
    void show(const EditOutcome& outcome) const;
    void show(const RedrawResult& shown) const { showRedraw(shown); }
};

}  // namespace tess
