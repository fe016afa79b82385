#include <array>
#include <cstdint>
#include <vector>

#include "actions/budget_messages.h"
#include "actions/document_file.h"
#include "actions/document_pictures.h"
#include "actions/redraw_shield.h"
#include "model/picture_budget.h"
#include "model/title_text.h"
#include "model/workspace.h"
#include "platform/paths.h"
#include "platform/picture_file.h"
#include "platform/record_file.h"
#include "platform/staged_files.h"
#include "render/renderer.h"
#include "storage/document_layout.h"
#include "storage/error_numbers.h"
#include "storage/interrupted_save.h"
#include "storage/recent_files.h"
#include "storage/side_files.h"

namespace tess {

namespace {

// A save that fails (a full disk, a read-only folder, a name too long, a
// folder in the way) shows its command's own box, the failure's number in the
// title: the old document stands whole, so nothing more is to be done.
// clang-format off
constexpr const char* kSaveFailureText = "Erreur survenue dans mnuSave::OnClick. Ce n'est pas ma faute, je le jure! C'est sûrement la faute du lecteur de disquettes.";
constexpr const char* kSaveAsFailureText = "Erreur survenue dans mnuSaveAs::OnClick. Je jure que ce n'est pas ma faute!";
// clang-format on

FileMessage saveFailureMessage(SaveCommand command, const StagedFiles& staged) {
    const char* text = command == SaveCommand::SaveAs ? kSaveAsFailureText : kSaveFailureText;
    return trappedErrorMessage(errorNumberOf(staged.failedErrno()), text);
}

// The part of `picture` from its corner, `width` x `height`, as its side file
// holds it (pixels the picture does not have stay white).
Surface croppedPicture(const Surface& picture, int width, int height) {
    Surface out(width, height, kWhite);
    out.clear();
    BitBlt(out, 0, 0, width, height, picture, 0, 0, RasterOp::Copy);
    return out;
}

// The size of the side files of bank picture `slot`: its recorded size.
struct PictureSize {
    int width = 0, height = 0;
};
PictureSize sideFileSize(const Workspace& ws, const Renderer& r, int slot) {
    const ImageBankEntry& entry = ws.Bank[slot];
    const Surface& picture = r.Charges.bank(slot).picture;
    return {entry.Width > 0 ? entry.Width : picture.width(),
            entry.Height > 0 ? entry.Height : picture.height()};
}

// What opening the document about to be written will take of the picture
// budget (model/picture_budget.h), as the loader counts it: a document past it
// would reopen without some of its pictures, so it is never written.
bool reopensWhole(const Workspace& ws, const Renderer& r, const StoredDocument& stored,
                  const std::vector<int>& pictureSlots) {
    std::int64_t cost = 0;
    std::vector<PictureSize> sizes;
    for (int slot : pictureSlots) {
        const PictureSize size = sideFileSize(ws, r, slot);
        if (size.width > kMaxPictureSide || size.height > kMaxPictureSide) return false;
        cost += bankPictureCost(size.width, size.height);
        sizes.push_back(size);
    }
    for (const StoredCharge& charge : stored.Charges) {
        const PictureSize& size = sizes[std::size_t(charge.PictureNumber - 1)];
        cost += chargeCost(size.width, size.height);
    }
    return cost <= kDocumentPicturePixels;
}

// The canvas drawn with the grid off in `shape`, as the previews hold it.
Surface previewInShape(Workspace& ws, Renderer& r, Long shape) {
    const Long ownShape = ws.CurrentBlazon.ShieldShape;
    ws.CurrentBlazon.ShieldShape = shape;
    RedrawShield(ws, r);
    ws.CurrentBlazon.ShieldShape = ownShape;
    return r.canvas;
}

}  // namespace

SaveOutcome SaveDocument(Workspace& ws, Renderer& r, const std::string& requestedPath,
                         SaveCommand command) {
    SaveOutcome out;
    out.path = withDocumentExtension(requestedPath);
    const std::string& path = out.path;
    // What an interrupted save of this document left is settled first, so the
    // old document below is whole and no old temporary is mistaken for ours.
    // A journal that is not ours is left for now; this save's own journal
    // takes its name at the commit point.
    settleDocumentFiles(path);
    const bool existedBefore = fileExists(path);

    // The side files of inserted arms are written from the pictures: they must
    // be those of the arms the record names.
    MatchDocumentPictures(ws, r);

    // Everything that can be refused is refused here, before any file is touched.
    std::vector<int> pictureSlots;
    for (int slot = 1; slot <= kImageBankSize; ++slot)
        if (ws.Bank[slot].InUse && r.Charges.hasBankPicture(slot)) pictureSlots.push_back(slot);
    const StoredDocument stored =
        storedDocumentOf(ws.CurrentBlazon, ws.Bank, pictureSlots, nullptr, &ws.Groups);
    const EncodedDocument encoded = encodeDocument(stored);
    if (!encoded.ok()) {
        out.message = FileMessage::exclamation("Sauvegarder le blason", encoded.error);
        return out;
    }
    if (!reopensWhole(ws, r, stored, pictureSlots)) {
        out.message = FileMessage::exclamation("Sauvegarder le blason", saveOverBudgetText());
        return out;
    }

    // The previews: the arms in their own shape and in the banner shape, grid off.
    const bool grid = ws.GridVisible;
    ws.GridVisible = false;
    const Surface shieldPreview = previewInShape(ws, r, ws.CurrentBlazon.ShieldShape);
    const Surface bannerPreview = previewInShape(ws, r, 3);
    ws.GridVisible = grid;

    // Every file is written under a temporary name first and the disk is
    // waited on once for all of them; nothing is renamed into place before
    // every one is whole, and the document goes last.
    std::string failure;
    StagedFiles staged(kStagedSuffix);
    auto stage = [&](const Surface& picture, const std::string& file) {
        if (!failure.empty()) return;
        const auto bytes = encodePictureBmp(picture);
        failure = bytes ? staged.add(file, *bytes) : "« " + file + " » : image vide";
    };
    stage(shieldPreview, shieldPreviewFile(path));
    stage(bannerPreview, bannerPreviewFile(path));
    std::array<bool, kPartCount + 1> insertedArms{};
    for (int k = 1; k <= kPartCount; ++k) {
        const Surface& arms = r.InsertedPictures[k];
        if (ws.CurrentBlazon.Parts[k].InsertedPath.empty() || arms.empty()) continue;
        stage(croppedPicture(arms, kCanvasWidth, kCanvasHeight), partArmsFile(path, k));
        insertedArms[std::size_t(k)] = true;
    }
    for (std::size_t i = 0; i < pictureSlots.size(); ++i) {
        const int slot = pictureSlots[i];
        const int number = int(i) + 1;
        const BankPicture& picture = r.Charges.bank(slot);
        const PictureSize size = sideFileSize(ws, r, slot);
        stage(croppedPicture(picture.picture, size.width, size.height),
              imagePictureFile(path, number));
        stage(croppedPicture(picture.mask, size.width, size.height), imageMaskFile(path, number));
    }
    if (failure.empty()) failure = staged.add(path, encoded.bytes);
    // What the old document had beyond the new one goes with the same commit:
    // pictures past the new count, arms of parts that no longer hold any.
    for (int number = int(pictureSlots.size()) + 1; number <= kImageBankSize; ++number) {
        staged.removeAtCommit(imagePictureFile(path, number));
        staged.removeAtCommit(imageMaskFile(path, number));
    }
    for (int k = 1; k <= kPartCount; ++k)
        if (!insertedArms[k]) staged.removeAtCommit(partArmsFile(path, k));
    // The journal's rename is the commit point: before it the old document
    // stands whole, after it the new one does (the next open finishes it).
    if (failure.empty()) failure = staged.commit(saveJournalFile(path), path);
    if (!failure.empty() && !staged.committed()) {
        staged.discard();
        out.message = saveFailureMessage(command, staged);
        out.redraw = RedrawShield(ws, r);
        return out;
    }
    if (!failure.empty())
        out.message = FileMessage::exclamation(
            "Sauvegarder le blason",
            "Le blason est sauvegardé, mais ses fichiers n'ont pu être tous mis en place (" +
                failure + ") : ils le seront à sa prochaine ouverture.");

    // The copies of pictures imported before the first save can go.
    for (int slot = 1; slot <= kImageBankSize; ++slot) removeFile(bankTempCopyPath(slot));

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
