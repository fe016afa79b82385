#pragma once

#include <cstdint>
#include <string>

#include "actions/redraw_result.h"
#include "platform/file_reading.h"
#include "storage/file_dialogs.h"
#include "storage/file_message.h"

namespace tess {

struct Workspace;
class Renderer;

// Which command saves: the texts of their error messages differ.
enum class SaveCommand { Save, SaveAs };

struct SaveOutcome {
    bool saved = false;
    std::string path;     // the document's path, ".bls" added when it was missing
    FileMessage message;  // empty on success
    RedrawResult redraw;  // the screen after the save's last redraw
};

// Writes the document and its side files: the two previews, every bank picture
// and its mask under consecutive numbers, the picture of every inserted coat
// of arms. Nothing is written before everything that can be refused has been
// checked; every file is written under a temporary name in the document's
// folder and renamed into place, the document last, so a failed save keeps the
// old document whole. A document whose pictures pass the picture budget the
// loader holds (model/picture_budget.h) is refused with a message before
// anything is written. Side pictures of the old document that the new one no
// longer has are deleted only after the document itself is in place. On
// success the document takes `path` (its folder, file path, the last document
// folder) and loses its unsaved mark; on failure nothing of it changes.
SaveOutcome SaveDocument(Workspace& ws, Renderer& r, const std::string& path,
                         SaveCommand command = SaveCommand::Save);

struct LoadOutcome {
    bool loaded = false;
    FileMessage message;  // empty on success
    RedrawResult redraw;
};

// Replaces the current document by the one in `path`, with its pictures, its
// charges, its user furs and its inserted coats of arms, fills the undo stack
// with it and redraws. A missing side picture is asked for through
// `dialogs` (declined: that picture and its charges are left out). A side
// picture that is there but gives no picture (cut short, emptied, not a
// picture, a pipe, beyond the picture budget or the side files' byte budget)
// or whose mask is missing is left out with its charges, and the message
// names it under its cause and counts them; charges past the picture budget
// are counted with the pictures they show, which stay in the list; a user-fur
// file that is no file or a link to nothing is named. Inserted arms stand
// outside the picture budget. A
// file that is missing, unreadable, not a plain file or not a document leaves
// a blank document with no path (so no later save can overwrite it), with the
// program's message.
LoadOutcome LoadDocument(Workspace& ws, Renderer& r, const std::string& path,
                         const FileDialogs& dialogs);

// The message texts, shared with the window's commands.
FileMessage missingDocumentMessage();
FileMessage incompatibleDocumentMessage();
// A folder, a pipe or a device chosen as a document: it holds none.
FileMessage notAFileDocumentMessage(const std::string& path);
// Far beyond the largest document (255 pictures and 50 charges take some
// 250 KB of records); a longer file is not one, and is not read.
inline constexpr std::uint64_t kLargestDocumentFile = 64u << 20;

// Why a document that is there cannot be read.
enum class UnreadableDocument {
    NotAllowed,  // the user may not read it
    LinkLoop,    // a link that leads round to itself
    TooLarge,    // longer than any document
    ReadFailed,  // the disk failed while it was read
};
UnreadableDocument unreadableBecause(FileKind kind);
// The open command's box, numbered and described by what stopped it.
FileMessage unreadableDocumentMessage(const std::string& path, UnreadableDocument why);

}  // namespace tess
