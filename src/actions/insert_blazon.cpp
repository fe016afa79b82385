#include "actions/insert_blazon.h"

#include <fstream>
#include <optional>
#include <utility>

#include "actions/document_file.h"
#include "actions/redraw_shield.h"
#include "model/workspace.h"
#include "platform/paths.h"
#include "platform/picture_file.h"
#include "platform/record_file.h"
#include "render/renderer.h"
#include "storage/document_layout.h"
#include "storage/document_sanity.h"
#include "storage/locate_missing_file.h"
#include "storage/side_files.h"

namespace tess {

namespace {

// VB's "File not found" and "Invalid picture", the numbers of the insert
// command's error box.
constexpr int kFileNotFound = 53;
constexpr int kInvalidPicture = 481;
// Only the first four records are read: the format number and the shape.
constexpr std::size_t kHeaderBytes = 4 * 128;

// The box keeps the error number in its title; its text says what the user
// can do about it.
FileMessage insertFailure(int error) {
    const char* text = error == kFileNotFound
                           ? "Ce blason n'a pas pu être inséré : l'image qui l'accompagne est "
                             "introuvable."
                           : "Ce blason n'a pas pu être inséré : l'image qui l'accompagne est "
                             "abîmée ou n'est pas une image.";
    return FileMessage::critical("Erreur #" + std::to_string(error), text);
}

bool holdsArms(int part) {
    return (part >= 1 && part <= 4) || part == 7;
}

// The first records of a document: all the insertion reads of it, whatever
// its size.
std::optional<std::vector<std::uint8_t>> documentHead(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::uint8_t> head(kHeaderBytes);
    in.read(reinterpret_cast<char*>(head.data()), std::streamsize(head.size()));
    head.resize(std::size_t(in.gcount()));
    return head;
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
    const auto head = documentHead(path);
    if (!head) {
        out.message = insertFailure(kFileNotFound);
        return out;
    }
    const RecordReader records(*head);
    out.shape = records.getLong(4);
    if (!looksLikeDocument(*head) || !isShieldShape(out.shape)) {
        out.message = incompatibleDocumentMessage();
        return out;
    }
    const std::string previewFile = previewForPart(path, part);
    if (!fileExists(previewFile)) {
        out.message = insertFailure(kFileNotFound);
        return out;
    }
    // A preview is one canvas; a file claiming far more is not one.
    const auto preview =
        readPicture(previewFile, std::int64_t(16) * kCanvasWidth * kCanvasHeight).picture;
    if (!preview) {
        out.message = insertFailure(kInvalidPicture);
        return out;
    }
    Surface picture(kCanvasWidth, kCanvasHeight, kWhite);
    picture.clear();
    BitBlt(picture, 0, 0, kCanvasWidth, kCanvasHeight, *preview, 0, 0, RasterOp::Copy);
    out.picture = std::move(picture);
    return out;
}

}  // namespace

InsertOutcome InsertBlazonInPart(Workspace& ws, Renderer& r, int part, const std::string& path) {
    InsertOutcome out;
    if (!fileExists(path) || !holdsArms(part)) return out;
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
    if (!fileExists(path) || !holdsArms(part)) return std::nullopt;
    return readArms(path, part).picture;
}

InsertOutcome InsertBlazonFromFile(Workspace& ws, Renderer& r, int part, const std::string& path,
                                   const FileDialogs& dialogs) {
    const std::string previewFile = previewForPart(path, part);
    if (fileExists(path) && !fileExists(previewFile) &&
        LocateMissingFile(previewFile, false, dialogs).empty())
        return {};
    return InsertBlazonInPart(ws, r, part, path);
}

}  // namespace tess
