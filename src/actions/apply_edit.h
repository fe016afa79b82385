#pragma once

#include <functional>

#include "actions/edit_outcome.h"

namespace tess {

struct Workspace;
class Renderer;

// Whether an edit leaves a copy of the document on the undo stack first.
enum class UndoStep { None, Take };

// The one road of every editing command: the undo step when the command takes
// one, the change itself, the document marked modified, then the whole shield
// redrawn. Commands that change nothing the user could save (a dialog
// cancelled, a hover) do not come through here.
EditOutcome ApplyEdit(Workspace& ws, Renderer& r, UndoStep undo,
                      const std::function<void()>& change);

// The undo step on its own, with the unsaved mark: for the few commands that
// take it before they know what follows (a file still to be chosen, a drop
// whose target may be a line, a charge about to be placed), so that it stays
// on the stack whatever they then find. Every other edit takes its step
// through ApplyEdit.
void SetUndos(Workspace& ws);

// What a command that changed the document outside ApplyEdit leaves: done,
// changed, and the shield redrawn now.
EditOutcome RedrawnChange(Workspace& ws, Renderer& r);

// The toolbar's "Annuler": a held charge is let go as it was picked up, the
// newest undo copy comes back and the shield is redrawn. The document keeps
// its file and the unsaved mark stays as it was.
EditOutcome UndoLastEdit(Workspace& ws, Renderer& r);

}  // namespace tess
