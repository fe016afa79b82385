#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "actions/bank_slots.h"
#include "actions/charge_placing.h"
#include "actions/document_file.h"
#include "actions/document_pictures.h"
#include "actions/redraw_shield.h"
#include "actions/user_fur_loading.h"
#include "model/placed_charges.h"
#include "model/workspace.h"
#include "platform/paths.h"
#include "platform/picture_file.h"
#include "platform/record_file.h"
#include "platform/text_encoding.h"
#include "render/charge_recolouring.h"
#include "render/document_surfaces.h"
#include "render/renderer.h"
#include "storage/document_layout.h"
#include "storage/document_sanity.h"
#include "storage/interrupted_save.h"
#include "storage/locate_missing_file.h"
#include "storage/recent_files.h"
#include "storage/side_files.h"

namespace tess {

namespace {

// VB's "Path/File access error", for a document that exists but cannot be read.
constexpr int kFileAccessError = 75;

FileMessage unreadableDocumentMessage() {
    return FileMessage::critical(
        "Erreur #" + std::to_string(kFileAccessError),
        "Ce blason n'a pas pu être lu : le fichier est illisible ou son dossier n'est plus "
        "accessible.");
}

// What one document's pictures may take together, in pixels of the surfaces
// made for them: each bank picture and its mask, and the four layers of each
// charge drawn from it, 4 bytes a pixel: 24 MB, some sixty canvases' worth,
// with room for the decoding of the next picture beside it. A real document
// uses a small part of it; a forged one claiming many large pictures is
// stopped here, picture by picture, before anything is decoded.
constexpr std::int64_t kDocumentPicturePixels = 6'000'000;
constexpr int kChargeLayerCount = 4;
// An inserted coat of arms is kept at the canvas size: its file has no use for
// more than a few canvases' worth of pixels, which bounds the decoding.
constexpr std::int64_t kMostArmsPixels = 16 * kCanvasWidth * kCanvasHeight;

// The pictures of the document being opened: what they may still take, and
// the side files refused as too large, for the message.
struct PictureLoading {
    std::int64_t pixelsLeft = kDocumentPicturePixels;
    std::vector<std::string> refused;

    void refuse(const std::string& file) {
        const std::string name = FileNameOfPath(file);
        if (std::find(refused.begin(), refused.end(), name) == refused.end())
            refused.push_back(name);
    }
    bool take(std::int64_t pixels) {
        if (pixels > pixelsLeft) return false;
        pixelsLeft -= pixels;
        return true;
    }
};

// A side file's picture when it is a plain file of at most `mostPixels`; a
// pipe would block the opening, a picture too large is named in the message.
std::optional<Surface> plainPicture(const std::string& file, std::int64_t mostPixels,
                                    PictureLoading& loading) {
    if (!fileExists(file)) return std::nullopt;
    PictureRead read = readPicture(file, std::max<std::int64_t>(mostPixels, 0));
    if (read.refusal == PictureRefusal::TooLarge) loading.refuse(file);
    return std::move(read.picture);
}

// The picture of a side file, after asking for it once when it is missing.
std::optional<Surface> sidePicture(const std::string& file, std::int64_t mostPixels,
                                   PictureLoading& loading, const FileDialogs& dialogs) {
    if (!fileExists(file) && LocateMissingFile(file, false, dialogs).empty()) return std::nullopt;
    return plainPicture(file, mostPixels, loading);
}

FileMessage refusedPicturesMessage(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names) list += (list.empty() ? "" : ", ") + displayedName(name);
    return FileMessage::exclamation(
        "Ouvrir un blason",
        (names.size() == 1
             ? "Cette image est trop grande ou abîmée ; le blason s'ouvre sans elle : "
             : "Ces images sont trop grandes ou abîmées ; le blason s'ouvre sans "
               "elles : ") +
            list + ".");
}

// A picture placed on a blank canvas-sized surface, as the renderer keeps the
// coats of arms of the parts whatever size their file had.
Surface canvasSized(const Surface& picture) {
    Surface out(kCanvasWidth, kCanvasHeight, kWhite);
    out.clear();
    BitBlt(out, 0, 0, kCanvasWidth, kCanvasHeight, picture, 0, 0, RasterOp::Copy);
    return out;
}

// Each bank picture shows once in the picture list: a second picture of the
// same name (two files of one title from different folders) has no entry of
// its own. Keys come from the counter the add command raises.
void addToPictureList(Workspace& ws, const std::string& text, const std::string& path) {
    for (const PictureListItem& item : ws.Pictures)
        if (item.Text == text) return;
    ++ws.ImageKeyCounter;
    ws.Pictures.push_back({"im" + std::to_string(ws.ImageKeyCounter), text, path});
}

// Bank pictures in entry order. Returns, for each picture number, the bank
// slot it went to (0 when refused). Side files are looked up under the
// picture's own number, so a refused picture never shifts the others.
std::vector<int> loadPictures(Workspace& ws, Renderer& r, const std::string& path,
                              const std::vector<StoredImage>& images, PictureLoading& loading,
                              const FileDialogs& dialogs) {
    std::vector<int> slotOfNumber(images.size() + 1, 0);
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int number = int(i) + 1;
        const int slot = AllocImageSlot(ws, r.Charges);
        if (slot == 0) break;
        ImageBankEntry& entry = ws.Bank[slot];
        const std::string pictureFile = imagePictureFile(path, number);
        // The picture may take half of what is left, its mask exactly as much.
        const auto picture = sidePicture(pictureFile, loading.pixelsLeft / 2, loading, dialogs);
        const std::int64_t pixels =
            picture ? std::int64_t(picture->width()) * picture->height() : 0;
        const auto mask =
            picture ? plainPicture(imageMaskFile(path, number), pixels, loading) : std::nullopt;
        if (!picture || !mask || picture->width() != mask->width() ||
            picture->height() != mask->height() || !loading.take(2 * pixels)) {
            entry.InUse = 0;
            entry.Loaded = 0;
            continue;
        }
        const StoredImage& stored = images[i];
        entry.DisplayName = stored.DisplayName;
        entry.FileName = FileNameOfPath(pictureFile);
        entry.Phrase = stored.Phrase;
        entry.Width = Integer(picture->width());
        entry.Height = Integer(picture->height());
        entry.OwnTincture = stored.OwnTincture;
        entry.OwnClass = stored.OwnClass;
        entry.Loaded = kTrue;
        entry.KeyColour = 0;
        r.Charges.setBankPicture(slot, *picture, *mask);
        addToPictureList(ws, stored.DisplayName, pictureFile);
        slotOfNumber[number] = slot;
    }
    return slotOfNumber;
}

void placeCharges(Workspace& ws, Renderer& r, const std::string& path,
                  const std::vector<StoredCharge>& charges, const std::vector<int>& slotOfNumber,
                  PictureLoading& loading) {
    for (const StoredCharge& stored : charges) {
        if (stored.PictureNumber < 1 || stored.PictureNumber >= int(slotOfNumber.size())) continue;
        const int slot = slotOfNumber[stored.PictureNumber];
        if (slot == 0) continue;
        const int c = firstFreeCharge(ws.CurrentBlazon);
        if (c == 0) return;
        const ImageBankEntry& picture = ws.Bank[slot];
        // Each charge draws through layers as large as its picture.
        if (!loading.take(kChargeLayerCount * std::int64_t(picture.Width) * picture.Height)) {
            loading.refuse(imagePictureFile(path, stored.PictureNumber));
            continue;
        }
        ChargeRecord& charge = ws.CurrentBlazon.Charges[c];
        charge.InUse = kTrue;
        charge.ImageIndex = Integer(slot);
        charge.ImageName = picture.FileName;
        charge.X = stored.X;
        charge.Y = stored.Y;
        charge.Brochant = stored.Brochant;
        charge.Tincture = stored.Tincture;
        charge.Class = stored.Class;
        charge.Mirrored = stored.Mirrored;
        charge.Motif = stored.Group;
        const bool sized = stored.Width > 0 && stored.Height > 0;
        charge.Width = sized ? stored.Width : picture.Width;
        charge.Height = sized ? stored.Height : picture.Height;
        PrepareChargeLayers(ws, r.Charges, c);
        if (isTincture(stored.Tincture)) SetChargeTincture(ws, r.Charges, c, int(stored.Tincture));
    }
}

// The groups come back under their own numbers, with the charges that name
// them as members; the next new group follows the highest.
void restoreGroups(Workspace& ws, const std::vector<StoredGroup>& groups) {
    BlazonRecord& b = ws.CurrentBlazon;
    for (const StoredGroup& stored : groups) {
        MotifRecord& group = ws.Groups.Motifs[stored.Number];
        group.InUse = kTrue;
        group.Phrase = stored.Phrase;
        for (int c = 1; c <= kChargeCount; ++c)
            if (b.Charges[c].InUse != 0 && b.Charges[c].Motif == stored.Number)
                AddChargeToMotif(ws, stored.Number, c);
        CompactMotif(ws, stored.Number);
        ws.Groups.MotifCounter = std::max(ws.Groups.MotifCounter, stored.Number);
    }
}

void loadUserFurs(Workspace& ws, Renderer& r) {
    for (int s = 0; s < kUserFurCount; ++s) {
        const std::string furPath = ws.CurrentBlazon.UserFurs[s].Path;
        // The slot keeps its path either way, so a later save does not forget it.
        if (!furPath.empty() && fileExists(furPath)) LoadUserFurPattern(ws, r, furPath, s);
    }
}

void loadInsertedArms(Workspace& ws, Renderer& r, const std::string& path, PictureLoading& loading,
                      const FileDialogs& dialogs) {
    for (int k = 1; k <= kPartCount; ++k) {
        PartRecord& part = ws.CurrentBlazon.Parts[k];
        if (part.InsertedPath.empty()) continue;
        const auto picture = sidePicture(partArmsFile(path, k), kMostArmsPixels, loading, dialogs);
        if (picture) {
            part.Kind = kClassInserted;
            r.InsertedPictures[k] = canvasSized(*picture);
            r.InsertedPaths[k] = part.InsertedPath;
        } else {
            forgetInsertedArms(part);
        }
    }
}

// The outcome of a document that could not be opened: a blank document that
// belongs to no file.
LoadOutcome failedLoad(Workspace& ws, Renderer& r, FileMessage message) {
    NewDocument(ws, r);
    ws.Modified = false;
    LoadOutcome out;
    out.message = std::move(message);
    out.redraw = RedrawShield(ws, r);
    return out;
}

}  // namespace

FileMessage missingDocumentMessage() {
    return FileMessage::exclamation(
        "Ouvrir un blason",
        "Yeak! Invraisemblablement, ce fichier n'existe même pas. Quel fou je fais de moi!");
}

FileMessage incompatibleDocumentMessage() {
    return FileMessage::exclamation(
        "Fichier incompatible",
        "Ce fichier ne comporte pas d'informations compatibles à la construction d'un blason!");
}

namespace {

// LoadDocument once the files of an interrupted save are settled.
LoadOutcome loadSettledDocument(Workspace& ws, Renderer& r, const std::string& path,
                                const FileDialogs& dialogs) {
    if (!fileExists(path)) return failedLoad(ws, r, missingDocumentMessage());
    const auto bytes = readFileBytes(path);
    if (!bytes) return failedLoad(ws, r, unreadableDocumentMessage());
    if (!looksLikeDocument(*bytes)) return failedLoad(ws, r, incompatibleDocumentMessage());

    AddRecentFile(ws.Recent, path);
    NewDocument(ws, r);
    StoredDocument document = decodeDocument(*bytes, ws.CurrentBlazon);
    sanitizeStoredDocument(document, ws.CurrentBlazon);
    // Paths to other files come back as the disk names them.
    for (PartRecord& part : document.Blazon.Parts)
        part.InsertedPath = pathOnDisk(part.InsertedPath);
    for (UserFurRecord& fur : document.Blazon.UserFurs) fur.Path = pathOnDisk(fur.Path);
    ws.CurrentBlazon = document.Blazon;
    ws.CurrentBlazon.Folder = FolderOfPath(path);

    PictureLoading loading;
    const std::vector<int> slotOfNumber =
        loadPictures(ws, r, path, document.Images, loading, dialogs);
    placeCharges(ws, r, path, document.Charges, slotOfNumber, loading);
    restoreGroups(ws, document.Groups);
    loadUserFurs(ws, r);
    loadInsertedArms(ws, r, path, loading, dialogs);

    ws.CurrentBlazon.FilePath = path;
    for (int i = 1; i <= kUndoDepth; ++i) ws.Undos[i] = ws.CurrentBlazon;
    ws.Recent.LastDocFolder = ws.CurrentBlazon.Folder;
    ws.Modified = false;
    LoadOutcome out;
    out.loaded = true;
    if (!loading.refused.empty()) out.message = refusedPicturesMessage(loading.refused);
    out.redraw = RedrawShield(ws, r);
    return out;
}

}  // namespace

LoadOutcome LoadDocument(Workspace& ws, Renderer& r, const std::string& path,
                         const FileDialogs& dialogs) {
    // A save of this document cut short (a crash, a power cut) is finished or
    // undone before anything is read, so what opens is one whole document. A
    // journal that is not this document's is left alone and named: the
    // document opens as it stands.
    const InterruptedSave settled = settleDocumentFiles(path);
    LoadOutcome out = loadSettledDocument(ws, r, path, dialogs);
    if (settled == InterruptedSave::Refused)
        out.message = combined(refusedJournalMessage(path), std::move(out.message));
    return out;
}

}  // namespace tess
