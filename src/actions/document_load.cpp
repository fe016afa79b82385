#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "actions/bank_slots.h"
#include "actions/charge_placing.h"
#include "actions/document_file.h"
#include "actions/document_pictures.h"
#include "actions/left_out_pictures.h"
#include "actions/redraw_shield.h"
#include "actions/user_fur_loading.h"
#include "model/picture_budget.h"
#include "model/placed_charges.h"
#include "model/workspace.h"
#include "platform/file_reading.h"
#include "platform/paths.h"
#include "platform/picture_file.h"
#include "platform/record_file.h"
#include "platform/text_encoding.h"
#include "render/charge_recolouring.h"
#include "render/document_surfaces.h"
#include "render/renderer.h"
#include "storage/document_layout.h"
#include "storage/document_sanity.h"
#include "storage/error_numbers.h"
#include "storage/interrupted_save.h"
#include "storage/locate_missing_file.h"
#include "storage/recent_files.h"
#include "storage/side_files.h"

namespace tess {

namespace {

// A file's name as the messages show it.
std::string shownName(const std::string& file) {
    return displayedName(FileNameOfPath(file));
}

// The pictures of the document being opened: what the bank pictures and
// their charges may still take of the document's budget
// (model/picture_budget.h), in pixels and in bytes read from their side
// files, and what was left out, for the message.
struct PictureLoading {
    std::int64_t pixelsLeft = kDocumentPicturePixels;
    std::uint64_t bytesLeft = kDocumentSideFileBytes;
    LeftOutPictures leftOut;

    bool take(std::int64_t pixels) {
        if (pixels > pixelsLeft) return false;
        pixelsLeft -= pixels;
        return true;
    }
    // A side file's picture of at most `mostPixels`, its bytes taken from
    // what is left; a file that is there but gives no picture is named under
    // its cause, which `cause` is set to (none when read or missing).
    std::optional<Surface> read(const std::string& file, std::int64_t mostPixels,
                                LeftOutGroup*& cause) {
        PictureRead read = readPicture(file, std::max<std::int64_t>(mostPixels, 0), bytesLeft);
        bytesLeft -= std::min(bytesLeft, read.bytesRead);
        cause = named(file, read.refusal);
        return std::move(read.picture);
    }
    LeftOutGroup* named(const std::string& file, PictureRefusal refusal) {
        LeftOutGroup* cause = nullptr;
        switch (refusal) {
            case PictureRefusal::None:
            case PictureRefusal::Missing:
                break;
            case PictureRefusal::NotAFile:
                cause = &leftOut.notFiles;
                break;
            case PictureRefusal::LinkLoop:
                cause = &leftOut.linkLoops;
                break;
            case PictureRefusal::Unreadable:
                cause = &leftOut.notAllowed;
                break;
            default:
                cause = &leftOut.damaged;
        }
        if (cause) cause->name(shownName(file));
        return cause;
    }
};

// Whether a side file is there, after asking for it once when it is missing.
// A pipe or a device in its place is not missing: it is named as no file,
// and never waited on.
bool presentOrFound(const std::string& file, const FileDialogs& dialogs) {
    return fileKind(file) != FileKind::Missing || !LocateMissingFile(file, false, dialogs).empty();
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
// slot it went to (0 when left out), and in `causes` why a picture named in
// the message was left out (none for one the user declined to look for).
// Side files are looked up under the picture's own number, so a refused
// picture never shifts the others.
std::vector<int> loadPictures(Workspace& ws, Renderer& r, const std::string& path,
                              const std::vector<StoredImage>& images, PictureLoading& loading,
                              const FileDialogs& dialogs, std::vector<LeftOutGroup*>& causes) {
    std::vector<int> slotOfNumber(images.size() + 1, 0);
    causes.assign(images.size() + 1, nullptr);
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int number = int(i) + 1;
        const int slot = AllocImageSlot(ws, r.Charges);
        if (slot == 0) break;
        ImageBankEntry& entry = ws.Bank[slot];
        const std::string pictureFile = imagePictureFile(path, number);
        const std::string maskFile = imageMaskFile(path, number);
        LeftOutGroup*& cause = causes[std::size_t(number)];
        // The picture may take what is left of the budget with its mask.
        const auto picture =
            presentOrFound(pictureFile, dialogs)
                ? loading.read(pictureFile, loading.pixelsLeft / kBankPictureSurfaces, cause)
                : std::nullopt;
        const std::int64_t pixels =
            picture ? std::int64_t(picture->width()) * picture->height() : 0;
        std::optional<Surface> mask;
        if (picture) {
            mask = loading.read(maskFile, pixels, cause);
            if (!mask && !cause) {
                cause = &loading.leftOut.missingMasks;
                cause->name(shownName(maskFile));
            }
        }
        const bool whole = picture && mask && picture->width() == mask->width() &&
                           picture->height() == mask->height();
        if (!whole || !loading.take(bankPictureCost(picture->width(), picture->height()))) {
            // A mask of another size than its picture, or a picture past the
            // budget: the picture is named.
            if (picture && !cause) {
                cause = &loading.leftOut.damaged;
                cause->name(shownName(pictureFile));
            }
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

void placeCharges(Workspace& ws, Renderer& r, const std::vector<StoredCharge>& charges,
                  const std::vector<int>& slotOfNumber, const std::vector<LeftOutGroup*>& causes,
                  PictureLoading& loading) {
    for (const StoredCharge& stored : charges) {
        if (stored.PictureNumber < 1 || stored.PictureNumber >= int(slotOfNumber.size())) continue;
        const int slot = slotOfNumber[stored.PictureNumber];
        if (slot == 0) {
            // A picture the user declined to look for took its charges along
            // knowingly; a refused one is named with the count of its charges.
            if (LeftOutGroup* cause = causes[std::size_t(stored.PictureNumber)]) ++cause->charges;
            continue;
        }
        const int c = firstFreeCharge(ws.CurrentBlazon);
        if (c == 0) return;
        const ImageBankEntry& picture = ws.Bank[slot];
        if (!loading.take(chargeCost(picture.Width, picture.Height))) {
            // The picture itself came in and stays in the list.
            loading.leftOut.overBudget.name(displayedName(picture.DisplayName));
            ++loading.leftOut.overBudget.charges;
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

// A fur file that is gone leaves its swatch hidden without a word, as it
// always has; one that is no file or a link to nothing is named, since the
// user would look for it in vain. The slot keeps its path either way, so a
// later save does not forget it.
void loadUserFurs(Workspace& ws, Renderer& r, LeftOutPictures& leftOut) {
    for (int s = 0; s < kUserFurCount; ++s) {
        const std::string furPath = ws.CurrentBlazon.UserFurs[s].Path;
        if (furPath.empty()) continue;
        const FileKind kind = fileKind(furPath);
        if (kind == FileKind::Regular) {
            LoadUserFurPattern(ws, r, furPath, s);
            continue;
        }
        const std::string name = shownName(furPath);
        const char* without = " Le blason s'ouvre sans cette fourrure.";
        if (kind == FileKind::NotAFile)
            leftOut.furs.push_back(notAFileWords("« " + name + " »", false) + without);
        else if (kind == FileKind::LinkLoop)
            leftOut.furs.push_back(linkLoopWords("« " + name + " »", false) + without);
        else if (isBrokenLink(furPath))
            leftOut.furs.push_back(brokenLinkWords(name) + without);
    }
}

// The arms of the parts stand outside the picture budget (at most five
// canvas-sized pictures) and outside the side files' byte budget: each is
// read to the size one arms picture may have, as documents have always been
// opened.
void loadInsertedArms(Workspace& ws, Renderer& r, const std::string& path, PictureLoading& loading,
                      const FileDialogs& dialogs) {
    for (int k = 1; k <= kPartCount; ++k) {
        PartRecord& part = ws.CurrentBlazon.Parts[k];
        if (part.InsertedPath.empty()) continue;
        const std::string armsFile = partArmsFile(path, k);
        std::optional<Surface> picture;
        if (presentOrFound(armsFile, dialogs)) {
            PictureRead read = readPicture(armsFile, kLargestArmsPicturePixels);
            loading.named(armsFile, read.refusal);
            picture = std::move(read.picture);
        }
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

UnreadableDocument unreadableBecause(FileKind kind) {
    switch (kind) {
        case FileKind::Unreadable:
            return UnreadableDocument::NotAllowed;
        case FileKind::LinkLoop:
            return UnreadableDocument::LinkLoop;
        default:
            return UnreadableDocument::ReadFailed;
    }
}

namespace {

// One of our sentences as a clause of the open's text, which closes it itself.
std::string asClause(std::string sentence) {
    if (!sentence.empty() && sentence.back() == '.') sentence.pop_back();
    return sentence;
}

}  // namespace

// The open command's box, with what stopped it in our words.
FileMessage unreadableDocumentMessage(const std::string& path, UnreadableDocument why) {
    const std::string name = "« " + shownName(path) + " »";
    int number = kFileAccessError;
    std::string description;
    switch (why) {
        case UnreadableDocument::NotAllowed:
            number = kPermissionDeniedError;
            description = asClause(permissionDeniedText(shownName(path)));
            break;
        case UnreadableDocument::LinkLoop:
            description = asClause(linkLoopWords(name, false));
            break;
        case UnreadableDocument::TooLarge:
            description = name +
                          " est trop grand pour être un blason : un blason ne dépasse "
                          "jamais " +
                          std::to_string(kLargestDocumentFile >> 20) + " Mo";
            break;
        case UnreadableDocument::ReadFailed:
            description = "Erreur d'accès au fichier : " + name + " n'a pas pu être lu en entier";
            break;
    }
    return trappedErrorMessage(number,
                               "Erreur survenue dans mnuOpen::OnClick (" + description + ")");
}

FileMessage notAFileDocumentMessage(const std::string& path) {
    return FileMessage::exclamation("Fichier incompatible", notAFileText(shownName(path)));
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
    const FileBytes file = readWholeFile(path, kLargestDocumentFile);
    if (file.kind == FileKind::Missing) return failedLoad(ws, r, missingDocumentMessage());
    if (file.kind == FileKind::NotAFile) return failedLoad(ws, r, notAFileDocumentMessage(path));
    if (!file.bytes)
        return failedLoad(
            ws, r,
            unreadableDocumentMessage(
                path, file.tooLarge ? UnreadableDocument::TooLarge : unreadableBecause(file.kind)));
    const std::vector<std::uint8_t>& bytes = *file.bytes;
    if (!looksLikeDocument(bytes)) return failedLoad(ws, r, incompatibleDocumentMessage());

    AddRecentFile(ws.Recent, path);
    NewDocument(ws, r);
    StoredDocument document = decodeDocument(bytes, ws.CurrentBlazon);
    sanitizeStoredDocument(document, ws.CurrentBlazon);
    // Paths to other files come back as the disk names them.
    for (PartRecord& part : document.Blazon.Parts)
        part.InsertedPath = pathOnDisk(part.InsertedPath);
    for (UserFurRecord& fur : document.Blazon.UserFurs) fur.Path = pathOnDisk(fur.Path);
    ws.CurrentBlazon = document.Blazon;
    ws.CurrentBlazon.Folder = FolderOfPath(path);

    PictureLoading loading;
    std::vector<LeftOutGroup*> causes;
    const std::vector<int> slotOfNumber =
        loadPictures(ws, r, path, document.Images, loading, dialogs, causes);
    placeCharges(ws, r, document.Charges, slotOfNumber, causes, loading);
    restoreGroups(ws, document.Groups);
    loadUserFurs(ws, r, loading.leftOut);
    loadInsertedArms(ws, r, path, loading, dialogs);

    ws.CurrentBlazon.FilePath = path;
    for (int i = 1; i <= kUndoDepth; ++i) ws.Undos[i] = ws.CurrentBlazon;
    ws.Recent.LastDocFolder = ws.CurrentBlazon.Folder;
    ws.Modified = false;
    LoadOutcome out;
    out.loaded = true;
    out.message = loading.leftOut.message();
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
