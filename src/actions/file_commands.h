#pragma once

#include <functional>
#include <optional>
#include <string>

#include "actions/document_file.h"
#include "actions/redraw_result.h"
#include "storage/file_dialogs.h"
#include "storage/file_message.h"

namespace tess {

struct Workspace;
class Renderer;

// The dialogs' fixed texts. A filter lists "description|pattern" pairs; the
// save filter ends with a "|" after its pattern, the open filter does not.
inline constexpr const char* kOpenDocumentTitle = "Ouvrir un blason";
inline constexpr const char* kSaveDocumentTitle = "Sauvegarder le blason";
inline constexpr const char* kOpenDocumentFilter = "Varodez v.3 (*.bls)|*.bls";
inline constexpr const char* kSaveDocumentFilter = "Varodez v.3 (*.bls)|*.bls|";
inline constexpr const char* kExportTitle = "Exporter en fichier graphique";
inline constexpr const char* kExportFilter = "Bitmap (*.bmp)|*.bmp|";

// What the file commands ask of the window. Members left empty count as a
// cancelled dialog, a "Non", a message nobody sees: the commands stay safe
// to run without a window.
struct FileCommandDialogs {
    // An open dialog (the file must exist); the chosen path, or the empty text
    // when cancelled. `folder` is where it starts (empty: where it likes).
    std::function<std::string(const std::string& title, const std::string& filter,
                              const std::string& folder)>
        chooseOpen;
    // A save dialog that asks before replacing a file; `preset` fills its
    // file-name box.
    std::function<std::string(const std::string& title, const std::string& filter,
                              const std::string& preset, const std::string& folder)>
        chooseSave;
    // A message box of a failed or refused command.
    std::function<void(const FileMessage& message)> show;
    // The busy pointer while a document is read or written.
    std::function<void(bool busy)> busy;
    // The question box and the search for missing side files.
    FileDialogs documents;
};

// What a command leaves for the window: whether the document, its file or its
// mark changed (the title follows), and the redraw to show when it redrew.
struct FileCommandOutcome {
    bool changed = false;
    std::optional<RedrawResult> redraw;
};

// The program's first document: blank, never saved, without the mark. No
// redraw: the start-up draws once it has opened what the command line names.
void StartBlankDocument(Workspace& ws, Renderer& r);

// Whether a save may write `path`, the name `typed` in its save dialog with
// the extension the save gives: the dialog asked about the name as typed, so
// when the extension changed it and a file of that name is there, `confirm`
// (the question box, true for "Oui") asks before it is replaced.
bool mayReplaceUnderExtension(const std::string& typed, const std::string& path,
                              const std::function<bool(const std::string& question)>& confirm);

// The questions asked before unsaved changes are dropped.
std::string newDocumentQuestion(const Workspace& ws);

// New: asks first when the document has unsaved changes, then a blank
// document, never saved, without the mark.
FileCommandOutcome NewDocumentCommand(Workspace& ws, Renderer& r, const FileCommandDialogs& d);

// Open: the file is chosen first, then the unsaved-changes question, then the
// file is checked (it must be a readable plain file whose first byte is the
// document format) before anything changes: a refused file leaves the
// document, its path and its mark exactly as they were. Then the wait box,
// the busy pointer and the load; both end on every path.
FileCommandOutcome OpenDocumentCommand(Workspace& ws, Renderer& r, const FileCommandDialogs& d);

// Recent document n (1..4), with the same checks as open: a vanished file
// gives "Erreur d'accès" and leaves the list as it is.
FileCommandOutcome OpenRecentCommand(Workspace& ws, Renderer& r, int n,
                                     const FileCommandDialogs& d);

// Save (the dialog only for a document never saved) and save as (the dialog
// always, preset to the current path). A name typed without ".bls" gets it
// here, after the dialog: when a file of that name is there, the question box
// asks before it is replaced. The path, the folder and the title
// change only once the save succeeded; a failed save shows its message and
// keeps the mark and the old path.
FileCommandOutcome SaveDocumentCommand(Workspace& ws, Renderer& r, SaveCommand command,
                                       const FileCommandDialogs& d);

// The grid on or off, then the redraw; neither an undo step nor the mark.
RedrawResult ToggleGrid(Workspace& ws, Renderer& r);

// Why a chosen file cannot be opened as a document, or nothing when it can:
// it must exist, be a plain readable file and start with the format byte.
std::optional<FileMessage> refusalToOpen(const std::string& path);

}  // namespace tess
