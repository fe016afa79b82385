#include "actions/opening.h"

#include "model/workspace.h"
#include "platform/file_reading.h"
#include "platform/paths.h"
#include "platform/text_encoding.h"
#include "render/renderer.h"

namespace tess {

namespace {

std::string trimmedBlanks(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string openOtherDocumentQuestion(const Workspace& ws) {
    return "\rÊtes-vous sûr de vouloir débuter un autre blason sans sauvegarder " +
           displayedName(FileNameOfPath(ws.CurrentBlazon.FilePath)) + " ?";
}

OpenOutcome OpenDocument(Workspace& ws, Renderer& r, const std::string& path,
                         const FileDialogs& dialogs) {
    ws.ui->showWaitBox("\rChargement des caractéristiques de " +
                       displayedName(FileNameOfPath(path)));
    LoadOutcome load = LoadDocument(ws, r, path, dialogs);
    ws.ui->hideWaitBox();
    OpenOutcome out;
    out.changed = true;
    out.loaded = load.loaded;
    out.message = std::move(load.message);
    out.redraw = std::move(load.redraw);
    return out;
}

OpenOutcome OpenRecentFile(Workspace& ws, Renderer& r, int n, const FileDialogs& dialogs) {
    OpenOutcome out;
    if (n < 1 || n > kRecentFileCount || ws.Recent.RecentFiles[n].empty()) return out;
    const std::string path = ws.Recent.RecentFiles[n];
    // A pipe or a device in its place is no file, not a missing one.
    if (fileKind(path) == FileKind::NotAFile) {
        out.message = notAFileDocumentMessage(path);
        return out;
    }
    if (!fileExists(path)) {
        out.message = FileMessage::critical(
            "Erreur d'accès", "Erreur d'accès au fichier " + displayedName(path) +
                                  ". Veuillez vérifier si ce fichier existe toujours.");
        return out;
    }
    if (ws.Modified && !dialogs.confirmed(openOtherDocumentQuestion(ws))) return out;
    return OpenDocument(ws, r, path, dialogs);
}

OpenOutcome OpenCommandLineDocument(Workspace& ws, Renderer& r, const std::string& commandLine,
                                    const FileDialogs& dialogs) {
    return OpenDocument(ws, r, trimmedBlanks(commandLine), dialogs);
}

}  // namespace tess
