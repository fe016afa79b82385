// libFuzzer target of the document reader: any bytes are read as a document
// and as a fur file. The reader must neither crash nor hang, its sanitised
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    const tess::BlazonRecord base;

    tess::StoredDocument document = tess::decodeDocument(bytes, base);
    check(document.Images.size() <= 255 && document.Charges.size() <= 50);
    const tess::EncodedDocument encoded = tess::encodeDocument(document);
    check(encoded.ok());
    check(sameDocument(tess::decodeDocument(encoded.bytes, base), document));

    tess::sanitizeStoredDocument(document, base);
    check(tess::encodeDocument(document).ok());

    // The same bytes as a fur file, with a tile size taken from them.
    if (size >= 2) {
        tess::TinctureTable tinctures{};
        for (int t = 1; t <= tess::kTinctureCount; ++t) tinctures[t].Colour = tess::Long(t);
        const int w = 1 + data[0] % tess::kMaxFurTileSide;
        const int h = 1 + data[1] % tess::kMaxFurTileSide;
        const tess::Surface tile = tess::readUserFurTile(bytes, w, h, tinctures);
        check(tile.width() == w && tile.height() == h);
        const tess::Surface area = tess::tileUserFur(tile, size > 2 ? data[2] : 0);
        check(area.width() == tess::kFurAreaWidth && area.height() == tess::kFurAreaHeight);
    }
    return 0;
}
