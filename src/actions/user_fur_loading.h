#pragma once

#include <string>

namespace tess {

struct Workspace;
class Renderer;

// Rebuilds user fur `slot` (0..3) from its ".fmp" file with the tile size and
// row shift its document keeps: the tile in the tinctures' current colours
// goes to the renderer's tile of that slot, the tile laid over the shield to
// its fur picture (code 116 + slot), and the slot gets back its dominant
// tincture and blazon phrase as the fur editor computes them. False (and the
// slot's pictures emptied) when the file cannot be read or the document asks
// for a tile size no fur has. Either way the slot's pictures are tagged with
// `path`.
bool LoadUserFurPattern(Workspace& ws, Renderer& r, const std::string& path, int slot);

}  // namespace tess
