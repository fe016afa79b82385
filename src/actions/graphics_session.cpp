// The run's drawing set-up and tear-down: the surfaces, the colours of the
// previous run, and the picture copies an unsaved document left behind.
#include "actions/graphics_session.h"

#include "model/image_bank.h"
#include "model/tincture_file.h"
#include "model/tincture_table.h"
#include "model/workspace.h"
#include "platform/paths.h"
#include "render/renderer.h"

namespace tess {

void InitGraphics(Workspace& ws, Renderer& r) {
    InitTinctures(ws.Tinctures);
    LoadTinctureColours(ws.Tinctures);
    InitSurfaces(r);
}

void ReleaseResources(Workspace& ws, Renderer& r) {
    // The temporary copies of imported pictures live in the program folder
    // under the slot number; a missing one is simply skipped.
    for (int slot = 1; slot <= kImageBankSize; ++slot) {
        const std::string path = bankTempCopyPath(slot);
        if (fileExists(path)) removeFile(path);
    }
    r = Renderer();
}

}  // namespace tess
