// libFuzzer target of the document reader: any bytes are read as a document
// and as the fur file it names. The reader must neither crash nor hang, its sanitised
// result must be writable, and writing it then reading it back must give it
// again.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "model/records.h"
#include "model/tinctures.h"
#include "storage/document_layout.h"
#include "storage/document_sanity.h"
#include "storage/user_fur_tile.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

bool sameDocument(const tess::StoredDocument& a, const tess::StoredDocument& b) {
    return a.Blazon == b.Blazon && a.Images == b.Images && a.Charges == b.Charges;
}

// True the first time a tile of this size is laid with this row shift.
bool firstLaying(int width, int height, int rowShift) {
    constexpr int sides = tess::kMaxEditorFurTile + 1, shifts = tess::kMaxFurRowShift + 1;
    static std::vector<bool> laid(std::size_t(sides * sides * shifts));
    const std::size_t at = std::size_t((width * sides + height) * shifts + rowShift);
    if (laid[at]) return false;
    laid[at] = true;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    // The blank record every reading starts from: the same for every run.
    static const tess::BlazonRecord base;

    tess::StoredDocument document = tess::decodeDocument(bytes, base);
    check(document.Images.size() <= 255 && document.Charges.size() <= 50);
    const tess::EncodedDocument encoded = tess::encodeDocument(document);
    check(encoded.ok());
    check(sameDocument(tess::decodeDocument(encoded.bytes, base), document));

    tess::sanitizeStoredDocument(document, base);
    check(tess::encodeDocument(document).ok());

    // A user fur read from a document is one the editor could have made.
    for (const tess::UserFurRecord& fur : document.Blazon.UserFurs)
        check(fur.Path.empty() || (fur.TileWidth >= tess::kMinEditorFurTile &&
                                   fur.TileWidth <= tess::kMaxEditorFurTile &&
                                   fur.TileHeight >= tess::kMinEditorFurTile &&
                                   fur.TileHeight <= tess::kMaxEditorFurTile &&
                                   fur.VerticalOffset <= tess::kMaxFurRowShift));

    // The same bytes as the fur file of the first user fur the document names,
    // read and laid with the tile size and row shift the loader would use.
    for (const tess::UserFurRecord& fur : document.Blazon.UserFurs) {
        if (fur.Path.empty()) continue;
        tess::TinctureTable tinctures{};
        for (int t = 1; t <= tess::kTinctureCount; ++t) tinctures[t].Colour = tess::Long(t);
        const tess::Surface tile =
            tess::readUserFurTile(bytes, fur.TileWidth, fur.TileHeight, tinctures);
        check(tile.width() == fur.TileWidth && tile.height() == fur.TileHeight);
        // Laying the tile over the shield area only copies its pixels: what it
        // does hangs on the tile's size and the row shift alone, so each of
        // those is laid once. Laying it at every run took a sixth of the time.
        if (firstLaying(fur.TileWidth, fur.TileHeight, fur.VerticalOffset)) {
            const tess::Surface area = tess::tileUserFur(tile, fur.VerticalOffset);
            check(area.width() == tess::kFurAreaWidth && area.height() == tess::kFurAreaHeight);
        }
        break;
    }
    return 0;
}
