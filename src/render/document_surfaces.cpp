#include "render/document_surfaces.h"

#include "model/document.h"
#include "model/workspace.h"
#include "render/renderer.h"

namespace tess {

void ReleaseDocumentSurfaces(Renderer& r) {
    for (int slot = 1; slot <= kImageBankSize; ++slot) r.Charges.releaseBankPicture(slot);
    for (int c = 1; c <= kChargeCount; ++c) r.Charges.releaseCharge(c);
    for (auto& s : r.UserFurTiles) s = Surface();
    for (auto& s : r.UserFurPictures) s = Surface();
    for (auto& s : r.InsertedPictures) s = Surface();
    for (auto& path : r.UserFurPaths) path.clear();
    for (auto& path : r.InsertedPaths) path.clear();
}

void NewDocument(Workspace& ws, Renderer& r) {
    ResetDocument(ws);
    ReleaseDocumentSurfaces(r);
}

}  // namespace tess
