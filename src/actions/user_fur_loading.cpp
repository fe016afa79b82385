#include "actions/user_fur_loading.h"

#include "blazon/vocabulary.h"
#include "model/tincture_table.h"
#include "model/workspace.h"
#include "platform/record_file.h"
#include "render/renderer.h"
#include "storage/user_fur_tile.h"

namespace tess {

namespace {

// A fur file holds at most a 64 x 64 table; anything longer is an old tail
// left by a smaller fur saved over a larger one, or not a fur file at all.
constexpr std::size_t kLargestFurFile = 1u << 20;

}  // namespace

bool LoadUserFurPattern(Workspace& ws, Renderer& r, const std::string& path, int slot) {
    if (slot < 0 || slot >= kUserFurCount) return false;
    UserFurRecord& fur = ws.CurrentBlazon.UserFurs[slot];
    r.UserFurTiles[slot] = Surface();
    r.UserFurPictures[slot] = Surface();
    // Tagged even when the file fails, so the redraws do not read it again and again.
    r.UserFurPaths[slot] = path;
    const int w = fur.TileWidth;
    const int h = fur.TileHeight;
    if (!isDrawableFurTile(w, h)) return false;
    const auto bytes = readFileBytes(path, kLargestFurFile);
    if (!bytes) return false;

    Surface tile = readUserFurTile(*bytes, w, h, ws.Tinctures);
    Surface picture = tileUserFur(tile, fur.VerticalOffset);
    // As the fur editor stores a fur: an approximate match counts as the
    // nearest tincture.
    Long dominant = FindDominantTincture(ws.Tinctures, picture, w, h);
    if (dominant > 100) dominant -= 100;
    fur.DominantTincture = dominant;
    fur.Phrase = TinctureText(ws, dominant, kFirstUserFur + slot);
    r.UserFurTiles[slot] = std::move(tile);
    r.UserFurPictures[slot] = std::move(picture);
    return true;
}

}  // namespace tess
