#pragma once

#include <string>

#include "actions/document_file.h"

namespace tess {

struct Workspace;
class Renderer;

// What opening a document leaves for the window: whether the document was
// replaced at all (a declined question or a missing recent file leave
// everything as it was), the message to show, and the redraw.
struct OpenOutcome {
    bool changed = false;  // the document was replaced (by the file, or by a blank one)
    bool loaded = false;   // the file was opened
    FileMessage message;
    RedrawResult redraw;
};

// The open command once its file is chosen and the unsaved-work question was
// answered "Oui": the wait box "Chargement des caractéristiques de " & name,
// then the load. A file that fails to open leaves a blank document.
OpenOutcome OpenDocument(Workspace& ws, Renderer& r, const std::string& path,
                         const FileDialogs& dialogs);

// Recent document n (1..4): a missing file gives "Erreur d'accès au fichier
// ..." and changes nothing; unsaved changes are asked about first; then as
// OpenDocument.
OpenOutcome OpenRecentFile(Workspace& ws, Renderer& r, int n, const FileDialogs& dialogs);

// The start-up with a document on the command line: the whole line, trimmed of
// blanks, is one path. Nothing is asked for missing side files unless
// `dialogs` can ask.
OpenOutcome OpenCommandLineDocument(Workspace& ws, Renderer& r, const std::string& commandLine,
                                    const FileDialogs& dialogs);

// The unsaved-work question of the open and recent-file commands.
std::string openOtherDocumentQuestion(const Workspace& ws);

}  // namespace tess
