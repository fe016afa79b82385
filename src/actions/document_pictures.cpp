#include "actions/document_pictures.h"

#include <string>
#include <utility>

#include "actions/insert_blazon.h"
#include "actions/user_fur_loading.h"
#include "model/tinctures.h"
#include "model/workspace.h"
#include "render/renderer.h"

namespace tess {

namespace {

// The class a part's own tincture gives it.
Long classOfPartTincture(Long tincture) {
    if (tincture == 1 || tincture == 2) return kClassMetal;
    if (tincture == 10) return kClassPourpre;
    if (tincture >= kFirstBuiltInFur && tincture <= kLastUserFur) return tincture;
    return kClassColour;
}

void matchInsertedArms(Workspace& ws, Renderer& r, int part) {
    PartRecord& record = ws.CurrentBlazon.Parts[part];
    if (record.InsertedPath == r.InsertedPaths[part]) return;
    r.InsertedPictures[part] = Surface();
    r.InsertedPaths[part].clear();
    if (record.InsertedPath.empty()) return;
    auto picture = LoadInsertedArmsPicture(record.InsertedPath, part);
    if (!picture) {
        forgetInsertedArms(record);
        return;
    }
    r.InsertedPictures[part] = std::move(*picture);
    r.InsertedPaths[part] = record.InsertedPath;
}

void matchUserFur(Workspace& ws, Renderer& r, int slot) {
    const std::string path = ws.CurrentBlazon.UserFurs[slot].Path;
    if (path == r.UserFurPaths[slot]) return;
    if (path.empty()) {
        r.UserFurTiles[slot] = Surface();
        r.UserFurPictures[slot] = Surface();
        r.UserFurPaths[slot].clear();
        return;
    }
    // A fur that cannot be read keeps its path, as on opening: its parts show
    // the dominant tincture the record holds.
    LoadUserFurPattern(ws, r, path, slot);
}

}  // namespace

void forgetInsertedArms(PartRecord& part) {
    part.InsertedPath.clear();
    if (part.Kind == kClassInserted) part.Kind = classOfPartTincture(part.Tincture);
}

void MatchDocumentPictures(Workspace& ws, Renderer& r) {
    for (int part : {1, 2, 3, 4, 7}) matchInsertedArms(ws, r, part);
    for (int slot = 0; slot < kUserFurCount; ++slot) matchUserFur(ws, r, slot);
}

}  // namespace tess
