#include "actions/user_fur_commands.h"

#include <utility>

#include "actions/apply_edit.h"
#include "blazon/vocabulary.h"
#include "model/tincture_table.h"
#include "model/tinctures.h"
#include "model/workspace.h"
#include "platform/paths.h"
#include "render/renderer.h"
#include "storage/error_numbers.h"
#include "storage/fur_file.h"
#include "storage/user_fur_tile.h"

namespace tess {

namespace {

// The size an emptied slot is given back.
constexpr Integer kEmptySlotTile = 20;

bool isSlot(int slot) {
    return slot >= 0 && slot < kUserFurCount;
}

// The fur's tile cut from the editor's surface.
Surface tileOf(const FurDraft& draft) {
    Surface tile(draft.width, draft.height, kWhite);
    tile.clear();
    BitBlt(tile, 0, 0, draft.width, draft.height, draft.tileSurface, 0, 0, RasterOp::Copy);
    return tile;
}

std::string usedOnQuestion(const std::string& name, const std::string& where) {
    return "La fourrure " + name + " est présentement utilisée sur " + where +
           ". Êtes-vous sûr de vouloir la supprimer ?";
}

}  // namespace

bool UserFurSlotInUse(const Renderer& r, int slot) {
    return isSlot(slot) && !r.UserFurPictures[std::size_t(slot)].empty();
}

std::optional<int> FreeUserFurSlot(const Renderer& r) {
    for (int slot = 0; slot < kUserFurCount; ++slot)
        if (!UserFurSlotInUse(r, slot)) return slot;
    return std::nullopt;
}

FurStoring StoreUserFur(Workspace& ws, Renderer& r, int slot, const FurDraft& draft) {
    FurStoring out;
    if (!isSlot(slot) || draft.path.empty() || !isDrawableFurTile(draft.width, draft.height))
        return out;
    const std::string name = FileNameOfPath(draft.path);
    for (int other = 0; other < kUserFurCount; ++other) {
        if (other != slot && ws.CurrentBlazon.UserFurs[std::size_t(other)].Path == draft.path) {
            out.message = {FileMessage::Icon::None, name,
                           "La fourrure " + name + " est déjà utilisée sur votre blason."};
            return out;
        }
    }
    int number = 0;
    const std::string error = SaveFurFiles(draft.path, draft.tileSurface, draft.width, draft.height,
                                           draft.rowShift, ws.Tinctures, &number);
    if (!error.empty()) {
        out.message = trappedErrorMessage(
            number, "Erreur #" + std::to_string(number) + " survenue dans Command5_Click");
        return out;
    }

    // Everything the slot takes, computed before it changes.
    Surface tile = tileOf(draft);
    Surface picture = tileUserFur(tile, draft.rowShift);
    Long dominant = FindDominantTincture(ws.Tinctures, picture, draft.width, draft.height,
                                         ColourMatch::FactoryFirst);
    if (dominant > 100) dominant -= 100;

    const EditOutcome stored = ApplyEdit(ws, r, UndoStep::None, [&] {
        UserFurRecord& fur = ws.CurrentBlazon.UserFurs[std::size_t(slot)];
        fur.Path = draft.path;
        fur.VerticalOffset = Byte(draft.rowShift);
        fur.TileHeight = Integer(draft.height);
        fur.TileWidth = Integer(draft.width);
        fur.DominantTincture = dominant;
        // The phrase names the fur by its file, so it follows the path.
        fur.Phrase = TinctureText(ws, dominant, kFirstUserFur + slot);
        // Tagged with the path, so the redraw takes these pictures as they are
        // rather than reading the fur back from its file.
        r.UserFurTiles[std::size_t(slot)] = std::move(tile);
        r.UserFurPictures[std::size_t(slot)] = std::move(picture);
        r.UserFurPaths[std::size_t(slot)] = draft.path;
    });
    out.redraw = *stored.redraw;
    out.stored = true;
    return out;
}

EditOutcome DeleteUserFur(Workspace& ws, Renderer& r, int slot, const FurQuestion& ask) {
    if (!isSlot(slot)) return NothingDone();
    BlazonRecord& doc = ws.CurrentBlazon;
    const Long code = kFirstUserFur + slot;
    const std::string name = FileNameOfPath(doc.UserFurs[std::size_t(slot)].Path);
    const std::string title = "Supprimer " + name;
    auto confirmed = [&](const std::string& where) {
        return ask && ask(usedOnQuestion(name, where), title);
    };
    for (int k = 1; k <= doc.PartCount && k <= 4; ++k)
        if (doc.Parts[k].Kind == code && !confirmed("la partie " + std::to_string(k)))
            return NothingDone();
    if (doc.Ordinary2.Present && doc.Parts[5].Kind == code && !confirmed(doc.Ordinary2.Name))
        return NothingDone();
    if (doc.Ordinary1.Present && doc.Parts[7].Kind == code && !confirmed(doc.Ordinary1.Name))
        return NothingDone();

    return ApplyEdit(ws, r, UndoStep::None, [&] {
        for (int k = 1; k <= kPartCount; ++k) {
            PartRecord& part = doc.Parts[k];
            if (part.Kind == code || part.Tincture == code) {
                part.Kind = kClassMetal;
                part.Tincture = kOr;
            }
        }
        UserFurRecord& fur = doc.UserFurs[std::size_t(slot)];
        fur.VerticalOffset = 0;
        fur.Path.clear();
        fur.TileHeight = kEmptySlotTile;
        fur.TileWidth = kEmptySlotTile;
    });
}

}  // namespace tess
