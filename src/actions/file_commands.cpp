#include "actions/file_commands.h"

#include <cstdint>

#include "actions/opening.h"
#include "actions/redraw_shield.h"
#include "model/workspace.h"
#include "platform/file_reading.h"
#include "platform/paths.h"
#include "platform/text_encoding.h"
#include "render/document_surfaces.h"
#include "storage/document_layout.h"
#include "storage/side_files.h"

namespace tess {

namespace {

// The busy pointer for as long as it lives.
class BusyPointer {
  public:
    explicit BusyPointer(const FileCommandDialogs& d) : d_(d) {
        if (d_.busy) d_.busy(true);
    }
    ~BusyPointer() {
        if (d_.busy) d_.busy(false);
    }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

  private:
    const FileCommandDialogs& d_;
};

void show(const FileCommandDialogs& d, const FileMessage& message) {
    if (d.show && !message.empty()) d.show(message);
}

// After the checks: the wait box, the busy pointer, the load.
FileCommandOutcome load(Workspace& ws, Renderer& r, const std::string& path,
                        const FileCommandDialogs& d) {
    FileCommandOutcome out;
    OpenOutcome opened;
    {
        BusyPointer busy(d);
        opened = OpenDocument(ws, r, path, d.documents);
    }
    show(d, opened.message);
    out.changed = opened.changed;
    out.redraw = std::move(opened.redraw);
    return out;
}

}  // namespace

bool mayReplaceUnderExtension(const std::string& typed, const std::string& path,
                              const std::function<bool(const std::string& question)>& confirm) {
    if (path == typed || !fileExists(path)) return true;
    return confirm && confirm("\rLe fichier " + displayedName(FileNameOfPath(path)) +
                              " existe déjà. Êtes-vous sûr de vouloir le remplacer ?");
}

std::string newDocumentQuestion(const Workspace& ws) {
    return "\rÊtes-vous sûr de vouloir débuter un nouveau blason sans sauvegarder " +
           FileNameOfPath(ws.CurrentBlazon.FilePath) + " ?";
}

std::optional<FileMessage> refusalToOpen(const std::string& path) {
    // Only the format number is read; a pipe or a device is refused as it
    // is opened, before anything waits on it.
    const ReadOnlyFile file(path);
    switch (file.kind()) {
        case FileKind::Missing:
            return missingDocumentMessage();
        case FileKind::NotAFile:
            return notAFileDocumentMessage(path);
        case FileKind::Unreadable:
        case FileKind::LinkLoop:
            return unreadableDocumentMessage(path, unreadableBecause(file.kind()));
        case FileKind::Regular:
            break;
    }
    // Refused here, before the document in the window is given up.
    if (file.size() > kLargestDocumentFile)
        return unreadableDocumentMessage(path, UnreadableDocument::TooLarge);
    std::uint8_t first = 0;
    const std::int64_t n = file.readAt(0, &first, 1);
    if (n < 0) return unreadableDocumentMessage(path, UnreadableDocument::ReadFailed);
    if (n == 0 || first != kDocumentFormat) return incompatibleDocumentMessage();
    return std::nullopt;
}

void StartBlankDocument(Workspace& ws, Renderer& r) {
    NewDocument(ws, r);
    ws.Modified = false;
}

FileCommandOutcome NewDocumentCommand(Workspace& ws, Renderer& r, const FileCommandDialogs& d) {
    FileCommandOutcome out;
    if (ws.Modified && !d.documents.confirmed(newDocumentQuestion(ws))) return out;
    StartBlankDocument(ws, r);
    out.changed = true;
    out.redraw = RedrawShield(ws, r);
    return out;
}

FileCommandOutcome OpenDocumentCommand(Workspace& ws, Renderer& r, const FileCommandDialogs& d) {
    if (!d.chooseOpen) return {};
    const std::string path =
        d.chooseOpen(kOpenDocumentTitle, kOpenDocumentFilter, ws.Recent.LastDocFolder);
    if (path.empty()) return {};
    if (ws.Modified && !d.documents.confirmed(openOtherDocumentQuestion(ws))) return {};
    if (const auto refusal = refusalToOpen(path)) {
        show(d, *refusal);
        return {};
    }
    return load(ws, r, path, d);
}

FileCommandOutcome OpenRecentCommand(Workspace& ws, Renderer& r, int n,
                                     const FileCommandDialogs& d) {
    if (n < 1 || n > kRecentFileCount || ws.Recent.RecentFiles[std::size_t(n)].empty()) return {};
    const std::string path = ws.Recent.RecentFiles[std::size_t(n)];
    if (fileKind(path) == FileKind::NotAFile) {
        show(d, notAFileDocumentMessage(path));
        return {};
    }
    if (!fileExists(path)) {
        show(d, FileMessage::critical("Erreur d'accès",
                                      "Erreur d'accès au fichier " + path +
                                          ". Veuillez vérifier si ce fichier existe toujours."));
        return {};
    }
    if (ws.Modified && !d.documents.confirmed(openOtherDocumentQuestion(ws))) return {};
    if (const auto refusal = refusalToOpen(path)) {
        show(d, *refusal);
        return {};
    }
    return load(ws, r, path, d);
}

FileCommandOutcome SaveDocumentCommand(Workspace& ws, Renderer& r, SaveCommand command,
                                       const FileCommandDialogs& d) {
    std::string path = ws.CurrentBlazon.FilePath;
    if (command == SaveCommand::SaveAs || path.empty()) {
        if (!d.chooseSave) return {};
        const std::string preset = command == SaveCommand::SaveAs ? path : std::string();
        const std::string typed =
            d.chooseSave(kSaveDocumentTitle, kSaveDocumentFilter, preset, ws.Recent.LastDocFolder);
        if (typed.empty()) return {};
        path = withDocumentExtension(typed);
        if (!mayReplaceUnderExtension(typed, path, [&](const std::string& question) {
                return d.documents.confirmed(question);
            }))
            return {};
    }
    FileCommandOutcome out;
    SaveOutcome saved;
    {
        BusyPointer busy(d);
        saved = SaveDocument(ws, r, path, command);
    }
    show(d, saved.message);
    out.changed = saved.saved;
    out.redraw = std::move(saved.redraw);
    return out;
}

RedrawResult ToggleGrid(Workspace& ws, Renderer& r) {
    ws.GridVisible = !ws.GridVisible;
    return RedrawShield(ws, r);
}

}  // namespace tess
