#pragma once

#include <functional>
#include <optional>
#include <string>

#include "actions/edit_outcome.h"
#include "platform/surface.h"
#include "storage/file_message.h"

namespace tess {

struct Workspace;
class Renderer;

// Whether user-fur slot 0..3 holds a fur the shield can draw (its swatch shows).
bool UserFurSlotInUse(const Renderer& r, int slot);
// The first slot without a fur, the one a new fur goes to; none when all four
// are taken.
std::optional<int> FreeUserFurSlot(const Renderer& r);

// What the fur editor hands over on "Ok": the fur file chosen, the editor's
// tile surface (the tile at its top-left corner, width x height cells), and
// the row shift in percent.
struct FurDraft {
    std::string path;
    Surface tileSurface;
    int width = 20;
    int height = 20;
    int rowShift = 25;
};

struct FurStoring {
    bool stored = false;
    FileMessage message;  // why nothing was stored
    RedrawResult redraw;  // when stored
};

// The fur editor's "Ok" for slot 0..3 once a path is chosen: refused with
// "La fourrure X est déjà utilisée sur votre blason." when another slot uses
// that very file; else both fur files are written, then the slot takes the
// fur (path, row shift, tile size, tiled picture, dominant tincture and blazon
// phrase) and the shield is redrawn with the document marked modified. Every
// value is computed before the slot changes, so a failure leaves it whole.
FurStoring StoreUserFur(Workspace& ws, Renderer& r, int slot, const FurDraft& draft);

// Asked before a fur in use is deleted: the question's text and title; true for "Oui".
using FurQuestion = std::function<bool(const std::string& text, const std::string& title)>;

// Deletes the user fur of slot 0..3: asks once per field part, then for the
// second-order piece and the first-order piece, painted with it; any "Non"
// ends with nothing changed (not done). Then every part whose class or
// tincture is the fur becomes Or, the slot is emptied (tile 20 x 20, no
// shift) and the shield is redrawn, the document marked modified; no undo
// step. The redraw hides the slot's swatch.
EditOutcome DeleteUserFur(Workspace& ws, Renderer& r, int slot, const FurQuestion& ask);

}  // namespace tess
