// The pieces' pictures, the field's key map and the key maps laid from them
// are kept from one redraw to the next: drawn again when what they are drawn
// from changed, and only then. (That the kept ones always equal fresh ones is
// the fingerprint tests' part.)

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "model/line_kinds.h"
#include "model/piece_types.h"
#include "model/tincture_table.h"
#include "model/tinctures.h"
#include "ordinary_redraw_fixture.h"
#include "render/piece_key.h"

namespace tess::testing {
namespace {

// Which drawings the renderer holds: the laid pieces', the field map's and
// those the key maps were laid from.
struct Drawings {
    std::uint64_t first, second, field;
    KeyMapsSource maps;
};

class KeptPictures : public OrdinaryRedraw {
  public:
    // For the table's set-ups and edits.
    using OrdinaryRedraw::addBankPicture;
    using OrdinaryRedraw::canvas;
    using OrdinaryRedraw::doc;
    using OrdinaryRedraw::first;
    using OrdinaryRedraw::place;
    using OrdinaryRedraw::redraw;
    using OrdinaryRedraw::second;
    using OrdinaryRedraw::setPart;
    using OrdinaryRedraw::setZone;
    using OrdinaryRedraw::tincture;
    using OrdinaryRedraw::zone;

    Drawings drawings() const {
        return {r.Ordinary1.Laid.Drawing, r.Ordinary2.Laid.Drawing, r.PartitionDrawing,
                r.KeyMapsLaidFrom};
    }
    Surface quadrants(Colour a, Colour b) {
        Surface s(kCanvasWidth, kCanvasHeight, a);
        s.fillRect(0, 0, 132, 170, Brush::solid(b));
        return s;
    }
};

struct Case {
    const char* what;
    std::function<void(KeptPictures&)> setUp;
    std::function<void(KeptPictures&)> edit;
    bool first, second, field;  // drawn again
    // What the canvas must show after the edit, where the row says.
    std::function<bool(const KeptPictures&)> shows = nullptr;
};

TEST_F(KeptPictures, DrawnAgainWhenWhatTheyAreDrawnFromChangesAndOnlyThen) {
    auto pal = [](KeptPictures& t) { t.first(kPal); };
    auto bordure = [](KeptPictures& t) { t.first(kBordure); };
    auto both = [](KeptPictures& t) {
        t.first(kBande, 0, 0, 2);
        t.second(kChampagne);
        t.doc().Partition = 18;
    };
    const std::vector<Case> cases = {
        {"a tincture dropped on a field part", both,
         [](KeptPictures& t) { t.setPart(1, kClassColour, kSinople); }, false, false, false},
        {"a charge placed", both,
         [](KeptPictures& t) {
             t.addBankPicture(1, {"rr", "rr"}, kGueules);
             t.place(1, 1, 40, 40, 20, 20, kSable);
         },
         false, false, false},
        {"the grid", both, [](KeptPictures& t) { t.ws.GridVisible = true; }, false, false, false},
        {"the shield's shape under a pal", pal, [](KeptPictures& t) { t.doc().ShieldShape = 6; },
         false, false, false},
        {"the shield's shape under a bordure", bordure,
         [](KeptPictures& t) { t.doc().ShieldShape = 6; }, true, false, false},
        {"the first-order piece's tincture", both,
         [](KeptPictures& t) { t.setZone(7, kClassColour, kSinople); }, true, false, false},
        {"an adjusted colour under a furred piece",
         [](KeptPictures& t) {
             t.first(kPal);
             t.setZone(7, kVair, kVair);
         },
         [](KeptPictures& t) { t.ws.Tinctures[kOr].Colour ^= 0x102030; }, false, false, false},
        {"an adjusted colour of the piece's tincture", pal,
         [](KeptPictures& t) { t.ws.Tinctures[kOr].Colour ^= 0x102030; }, true, false, false},
        {"an adjusted colour shared by the piece and the field",
         [](KeptPictures& t) {
             t.first(kPal);
             t.setPart(1, kClassMetal, kOr);
         },
         [](KeptPictures& t) { t.ws.Tinctures[kOr].Colour ^= 0x102030; }, true, false, false,
         [](const KeptPictures& t) {
             return t.canvas(132, 170) == t.tincture(kOr) && t.canvas(20, 100) == t.tincture(kOr);
         }},
        {"a black-and-white page", both, [](KeptPictures& t) { t.ws.PrintBlackWhite = true; }, true,
         true, false},
        {"two bends made three", both, [](KeptPictures& t) { t.doc().Ordinary1.Repeat = 1; }, true,
         false, false},
        {"the chevron's line style, which it never shows",
         [](KeptPictures& t) { t.first(kChevron); },
         [](KeptPictures& t) { t.zone(7).Line.LineKind = kLineCrenele; }, false, false, false},
        {"the champagne's line style", both,
         [](KeptPictures& t) { t.zone(5).Line.LineKind = kLineNebule; }, false, true, false},
        {"the partition", both, [](KeptPictures& t) { t.doc().Partition = 11; }, false, false,
         true},
        {"the partition's line style", both,
         [](KeptPictures& t) { t.zone(1).Line.LineKind = kLineNebule; }, false, false, true},
        {"the partition's line style on a field without lines", pal,
         [](KeptPictures& t) { t.zone(1).Line.LineKind = kLineNebule; }, false, false, false},
        {"the arms in the chief read again under the same name",
         [](KeptPictures& t) {
             t.first(kChef);
             t.setZone(7, kClassInserted, kOr);
             t.zone(7).InsertedPath = "/arms/chief.bls";
             t.r.InsertedPictures[7] = t.quadrants(0x102030, 0x405060);
             t.r.InsertedPaths[7] = "/arms/chief.bls";
         },
         [](KeptPictures& t) { t.r.InsertedPictures[7].setPixel(20, 20, 0x708090); }, true, false,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetDocument(ws);
        InitTinctures(ws.Tinctures);
        ws.PrintBlackWhite = false;
        ws.GridVisible = false;
        c.setUp(*this);
        redraw();
        redraw();
        const Drawings before = drawings();
        c.edit(*this);
        redraw();
        const Drawings after = drawings();
        EXPECT_EQ(after.first != before.first, c.first) << "first-order piece";
        EXPECT_EQ(after.second != before.second, c.second) << "second-order piece";
        EXPECT_EQ(after.field != before.field, c.field) << "field's key map";
        if (c.shows) {
            EXPECT_TRUE(c.shows(*this)) << "canvas";
        }
        // The key maps are laid again exactly when one of them was drawn again.
        EXPECT_EQ(after.maps != before.maps, c.first || c.second || c.field) << "key maps";
        // And a redraw with nothing changed draws nothing again.
        redraw();
        EXPECT_EQ(drawings().first, after.first);
        EXPECT_EQ(drawings().second, after.second);
        EXPECT_EQ(drawings().field, after.field);
    }
}

TEST(PictureInput, ComparesPixelsAndAKeptCopyStaysAsItWas) {
    Surface a(4, 3, 0x112233), b(4, 3, 0x112233), none;
    b.setBackground(0x445566);  // another background, the same pixels
    PictureInput kept(a);
    EXPECT_EQ(kept, PictureInput(b));
    EXPECT_EQ(PictureInput(none), PictureInput());
    EXPECT_NE(PictureInput(none), PictureInput(a));
    kept.keepCopy();
    a.setPixel(1, 1, 0x778899);
    EXPECT_NE(kept, PictureInput(a));  // the kept key still shows the old pixels
    EXPECT_EQ(kept, PictureInput(b));
    EXPECT_NE(PictureInput(a), PictureInput(Surface(3, 4, 0x112233)));
}

}  // namespace
}  // namespace tess::testing
