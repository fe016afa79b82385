#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include "model/title_text.h"
#include "model/workspace.h"
#include "platform/paths.h"
#include "platform/picture_file.h"
#include "platform/record_file.h"
#include "render/redraw_shield.h"
#include "render/renderer.h"
#include "storage/document_file.h"
#include "storage/document_layout.h"
#include "storage/document_pictures.h"
#include "storage/recent_files.h"
#include "storage/side_files.h"

namespace tess {

namespace {

// VB's "Path/File access error", the number the save commands' box shows.
constexpr int kFileAccessError = 75;
constexpr const char* kStagedSuffix = ".~enregistrement";

FileMessage saveFailureMessage(SaveCommand command) {
    const std::string title = "Erreur #" + std::to_string(kFileAccessError);
    if (command == SaveCommand::SaveAs)
        return FileMessage::critical(
            title, "Erreur survenue dans mnuSaveAs::OnClick. Je jure que ce n'est pas ma faute!");
    return FileMessage::critical(title,
                                 "Erreur survenue dans mnuSave::OnClick. Ce n'est pas ma faute, je "
                                 "le jure! C'est sûrement la faute du lecteur de disquettes.");
}

// The part of `picture` from its corner, `width` x `height`, as its side file
// holds it (pixels the picture does not have stay white).
Surface croppedPicture(const Surface& picture, int width, int height) {
    Surface out(width, height, kWhite);
    out.clear();
    BitBlt(out, 0, 0, width, height, picture, 0, 0, RasterOp::Copy);
    return out;
}

// Side files written under temporary names next to their final ones, renamed
// into place only once every one of them exists.
class StagedFiles {
  public:
    ~StagedFiles() { discard(); }

    // Empty text on success, else the reason.
    std::string add(const Surface& picture, const std::string& finalPath) {
        if (std::string error = blockedPlace(finalPath); !error.empty()) return error;
        const std::string staged = finalPath + kStagedSuffix;
        std::string error = savePictureBmp(picture, staged);
        if (error.empty()) files_.emplace_back(staged, finalPath);
        return error;
    }
    std::string add(const std::vector<std::uint8_t>& bytes, const std::string& finalPath) {
        if (std::string error = blockedPlace(finalPath); !error.empty()) return error;
        const std::string staged = finalPath + kStagedSuffix;
        std::string error = writeFileAtomically(staged, bytes);
        if (error.empty()) files_.emplace_back(staged, finalPath);
        return error;
    }

    // Renames in the order added; the document comes last, so until then the
    // old document stands.
    std::string commit() {
        std::error_code error;
        for (auto& [staged, finalPath] : files_) {
            std::filesystem::rename(staged, finalPath, error);
            if (error) return "Impossible de renommer « " + staged + " » : " + error.message();
            staged.clear();
        }
        files_.clear();
        return {};
    }

    void discard() {
        for (const auto& [staged, finalPath] : files_)
            if (!staged.empty()) removeFile(staged);
        files_.clear();
    }

  private:
    // A file cannot be renamed over a folder. Found at commit time, the files
    // renamed before it would already have replaced the old document's, so
    // the save is refused while nothing is in place yet.
    static std::string blockedPlace(const std::string& finalPath) {
        std::error_code error;
        if (!std::filesystem::is_directory(std::filesystem::symlink_status(finalPath, error)))
            return {};
        return "« " + finalPath + " » est un dossier";
    }

    std::vector<std::pair<std::string, std::string>> files_;
};

// The canvas drawn with the grid off in `shape`, as the previews hold it.
Surface previewInShape(Workspace& ws, Renderer& r, Long shape) {
    const Long ownShape = ws.CurrentBlazon.ShieldShape;
    ws.CurrentBlazon.ShieldShape = shape;
    RedrawShield(ws, r);
    ws.CurrentBlazon.ShieldShape = ownShape;
    return r.Picture1;
}

}  // namespace

SaveOutcome SaveDocument(Workspace& ws, Renderer& r, const std::string& requestedPath,
                         SaveCommand command) {
    SaveOutcome out;
    out.path = withDocumentExtension(requestedPath);
    const std::string& path = out.path;
    const bool existedBefore = fileExists(path);

    // The side files of inserted arms are written from the pictures: they must
    // be those of the arms the record names.
    MatchDocumentPictures(ws, r);

    // Everything that can be refused is refused here, before any file is touched.
    std::vector<int> pictureSlots;
    for (int slot = 1; slot <= kImageBankSize; ++slot)
        if (ws.Bank[slot].InUse && r.Charges.hasBankPicture(slot)) pictureSlots.push_back(slot);
    const StoredDocument stored = storedDocumentOf(ws.CurrentBlazon, ws.Bank, pictureSlots);
    const EncodedDocument encoded = encodeDocument(stored);
    if (!encoded.ok()) {
        out.message = FileMessage::exclamation("Sauvegarder le blason", encoded.error);
        return out;
    }

    // The previews: the arms in their own shape and in the banner shape, grid off.
    const bool grid = ws.GridVisible;
    ws.GridVisible = false;
    const Surface shieldPreview = previewInShape(ws, r, ws.CurrentBlazon.ShieldShape);
    const Surface bannerPreview = previewInShape(ws, r, 3);
    ws.GridVisible = grid;

    std::string failure;
    StagedFiles staged;
    // Nothing is renamed into place before every file has been written.
    auto stage = [&](const Surface& picture, const std::string& file) {
        if (failure.empty()) failure = staged.add(picture, file);
    };
    stage(shieldPreview, shieldPreviewFile(path));
    stage(bannerPreview, bannerPreviewFile(path));
    for (int k = 1; k <= kPartCount; ++k) {
        const Surface& arms = r.InsertedPictures[k];
        if (ws.CurrentBlazon.Parts[k].InsertedPath.empty() || arms.empty()) continue;
        stage(croppedPicture(arms, kCanvasWidth, kCanvasHeight), partArmsFile(path, k));
    }
    for (std::size_t i = 0; i < pictureSlots.size(); ++i) {
        const int slot = pictureSlots[i];
        const int number = int(i) + 1;
        const ImageBankEntry& entry = ws.Bank[slot];
        const BankPicture& picture = r.Charges.bank(slot);
        const int w = entry.Width > 0 ? entry.Width : picture.picture.width();
        const int h = entry.Height > 0 ? entry.Height : picture.picture.height();
        stage(croppedPicture(picture.picture, w, h), imagePictureFile(path, number));
        stage(croppedPicture(picture.mask, w, h), imageMaskFile(path, number));
    }
    if (failure.empty()) failure = staged.add(encoded.bytes, path);
    if (failure.empty()) failure = staged.commit();
    if (!failure.empty()) {
        staged.discard();
        out.message = saveFailureMessage(command);
        out.redraw = RedrawShield(ws, r);
        return out;
    }

    // The document is in place: what the old one had beyond it can go, and so
    // can the copies of pictures imported before the first save.
    for (int number = int(pictureSlots.size()) + 1; number <= kImageBankSize; ++number) {
        removeFile(imagePictureFile(path, number));
        removeFile(imageMaskFile(path, number));
    }
    for (int slot = 1; slot <= kImageBankSize; ++slot)
        removeFile(programFile("\\Pic" + std::to_string(slot) + ".tmp"));

    // Only a document saved over an existing file enters the recent list here;
    // a new one enters it when it is next opened or saved.
    if (existedBefore) AddRecentFile(ws.Recent, path);
    ws.CurrentBlazon.Folder = FolderOfPath(path);
    ws.CurrentBlazon.FilePath = path;
    ws.Recent.LastDocFolder = ws.CurrentBlazon.Folder;
    ws.Modified = false;
    out.saved = true;
    out.redraw = RedrawShield(ws, r);
    return out;
}

}  // namespace tess
