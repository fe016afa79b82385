#include "actions/insert_blazon.h"

#include <optional>
#include <utility>

#include "actions/document_file.h"
#include "actions/redraw_shield.h"
#include "model/picture_budget.h"
#include "model/workspace.h"
#include "platform/file_reading.h"
#include "platform/paths.h"
#include "platform/picture_file.h"
#include "platform/record_file.h"
#include "platform/text_encoding.h"
#include "render/renderer.h"
#include "storage/document_layout.h"
#include "storage/document_sanity.h"
#include "storage/error_numbers.h"
#include "storage/locate_missing_file.h"
#include "storage/side_files.h"

namespace tess {

namespace {

// Only the first four records are read: the format number and the shape.
constexpr std::size_t kHeaderBytes = 4 * 128;

// The box of arms that could not be inserted: its number says why.
FileMessage insertFailure(int error) {
    return trappedErrorMessage(error, "Erreur survenue dans main::AddBls");
}

FileMessage notAFile(const std::string& path) {
    return FileMessage::exclamation("Insérer un blason",
                                    notAFileText(displayedName(FileNameOfPath(path))));
}

FileMessage linkLoop(const std::string& path) {
    return FileMessage::exclamation("Insérer un blason",
                                    linkLoopText(displayedName(FileNameOfPath(path))));
}

// Nothing stands at `path`: not even a link to a document that is gone.
bool nothingAt(const std::string& path) {
    return fileKind(path) == FileKind::Missing && !isBrokenLink(path);
}

bool holdsArms(int part) {
    return (part >= 1 && part <= 4) || part == 7;
}

// The saved coat of arms itself, checked before its preview is looked at: a
// file that is not a document is said to be one, never asked for as missing.
struct ArmsDocument {
    bool present = false;  // false: nothing at that path, nothing to say
    Long shape = 0;
    FileMessage message;  // why it is refused
};

ArmsDocument armsDocument(const std::string& path) {
    ArmsDocument out;
    // Opened without waiting, so a pipe chosen by mistake is refused at once.
    const ReadOnlyFile file(path);
    out.present = file.kind() != FileKind::Missing;
    // A link whose document is gone is chosen like a file: it is named.
    if (!out.present && isBrokenLink(path)) {
        out.present = true;
        out.message = FileMessage::exclamation("Insérer un blason",
                                               brokenLinkText(displayedName(FileNameOfPath(path))));
        return out;
    }
    if (file.kind() == FileKind::NotAFile) {
        out.message = notAFile(path);
        return out;
    }
    if (file.kind() == FileKind::LinkLoop) {
        out.message = linkLoop(path);
        return out;
    }
    std::vector<std::uint8_t> head(kHeaderBytes);
    const std::int64_t n = file.isOpen() ? file.readAt(0, head.data(), head.size()) : -1;
    if (n < 0) {
        out.message = insertFailure(file.kind() == FileKind::Unreadable ? kPermissionDeniedError
                                                                        : kFileAccessError);
        return out;
    }
    head.resize(std::size_t(n));
    out.shape = RecordReader(head).getLong(4);
    if (!looksLikeDocument(head) || !isShieldShape(out.shape))
        out.message = incompatibleDocumentMessage();
    return out;
}

// A saved coat of arms as part `part` shows it, checked as insertion checks
// it (a document, a shape 1..7, a preview that loads): the preview on a blank
// canvas-sized picture, or the message that refuses the file.
struct ArmsPicture {
    std::optional<Surface> picture;
    Long shape = 0;
    FileMessage message;
};

ArmsPicture readArms(const std::string& path, int part) {
    ArmsPicture out;
    const ArmsDocument document = armsDocument(path);
    out.shape = document.shape;
    if (!document.message.empty()) {
        out.message = document.message;
        return out;
    }
    const std::string previewFile = previewForPart(path, part);
    const PictureRead preview = readPicture(previewFile, kLargestArmsPicturePixels);
    if (!preview.picture) {
        switch (preview.refusal) {
            case PictureRefusal::Missing:
                out.message = insertFailure(kFileNotFoundError);
                break;
            case PictureRefusal::NotAFile:
                out.message = notAFile(previewFile);
                break;
            case PictureRefusal::LinkLoop:
                out.message = linkLoop(previewFile);
                break;
            case PictureRefusal::Unreadable:
                out.message = insertFailure(kPermissionDeniedError);
                break;
            default:
                out.message = insertFailure(kInvalidPictureError);
        }
        return out;
    }
    Surface picture(kCanvasWidth, kCanvasHeight, kWhite);
    picture.clear();
    BitBlt(picture, 0, 0, kCanvasWidth, kCanvasHeight, *preview.picture, 0, 0, RasterOp::Copy);
    out.picture = std::move(picture);
    return out;
}

}  // namespace

InsertOutcome InsertBlazonInPart(Workspace& ws, Renderer& r, int part, const std::string& path) {
    InsertOutcome out;
    if (nothingAt(path) || !holdsArms(part)) return out;
    ArmsPicture arms = readArms(path, part);
    if (!arms.picture) {
        out.message = std::move(arms.message);
        return out;
    }

    PartRecord& target = ws.CurrentBlazon.Parts[part];
    target.InsertedPath = path;
    target.Kind = kClassInserted;
    ws.CurrentBlazon.InsetShape = arms.shape;
    r.InsertedPictures[part] = std::move(*arms.picture);
    r.InsertedPaths[part] = path;
    out.inserted = true;
    out.changed = true;
    out.redraw = RedrawShield(ws, r);
    return out;
}

std::optional<Surface> LoadInsertedArmsPicture(const std::string& path, int part) {
    if (nothingAt(path) || !holdsArms(part)) return std::nullopt;
    return readArms(path, part).picture;
}

InsertOutcome InsertBlazonFromFile(Workspace& ws, Renderer& r, int part, const std::string& path,
                                   const FileDialogs& dialogs) {
    // The document is checked first: only a preview missing beside a real
    // document is asked for.
    const ArmsDocument document = armsDocument(path);
    if (!document.present) return {};
    if (!document.message.empty()) {
        InsertOutcome out;
        out.message = document.message;
        return out;
    }
    const std::string previewFile = previewForPart(path, part);
    if (holdsArms(part) && fileKind(previewFile) == FileKind::Missing &&
        LocateMissingFile(previewFile, false, dialogs).empty())
        return {};
    return InsertBlazonInPart(ws, r, part, path);
}

}  // namespace tess
