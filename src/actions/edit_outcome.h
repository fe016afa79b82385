#pragma once

#include <optional>
#include <utility>

#include "actions/redraw_result.h"
#include "storage/file_message.h"

namespace tess {

// What an editing command leaves for the window, which shows it as it stands:
// nothing is shown while the command runs (only its questions are asked).
struct EditOutcome {
    // The command did what it was asked; false when it was refused, declined
    // or found nothing to act on.
    bool done = false;
    // The document, its undo stack or its unsaved mark changed: the title
    // follows. An undo brings an older document back without marking it.
    bool changed = false;
    // What the window shows besides the canvas, when the shield was redrawn.
    std::optional<RedrawResult> redraw;
    // What the user must be told; empty for nothing.
    FileMessage message;

    explicit operator bool() const { return done; }
};

// A command that changed nothing, with what the user must be told, if anything.
inline EditOutcome NothingDone(FileMessage message = {}) {
    EditOutcome out;
    out.message = std::move(message);
    return out;
}

// The refusal of an operation that answers with a number or a flag: its
// message goes where the caller asked for it, nowhere when `to` is null.
inline void passRefusal(FileMessage* to, FileMessage message) {
    if (to) *to = std::move(message);
}

}  // namespace tess
