#include <gtest/gtest.h>

#include <random>

#include "blazon/blazon_text.h"
#include "blazon/tincture_warnings.h"
#include "blazon_document.h"

namespace tess {
namespace {

using testing::BlazonDocument;

// Records straight from a damaged file or a foreign writer: every field the
// blazon reads takes any value its width allows. The text must still come.
TEST(DamagedRecord, AnyFieldValueGivesATextWithoutReadingOutOfRange) {
    std::mt19937 rng(1234);
    auto any = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int round = 0; round < 3000; ++round) {
        BlazonDocument d;
        BlazonRecord& b = d.doc();
        b.Partition = any(-5, 30);
        b.PartCount = Byte(any(0, 255));
        for (PartRecord& p : b.Parts) {
            p.Kind = any(-2, 140);
            p.Tincture = any(-2, 140);
            p.Line.LineKind = any(0, 20);
            p.ChargeCount = Byte(any(0, 255));
            for (Byte& c : p.ChargeList) c = Byte(any(0, 255));
            if (any(0, 5) == 0) p.InsertedPath = any(0, 1) ? "x" : "C:\\a\\Évian.bls";
        }
        for (OrdinaryRecord* o : {&b.Ordinary1, &b.Ordinary2}) {
            o->Present = Integer(any(-1, 1));
            o->Type = any(-3, 30);
            o->Size = Integer(any(-2, 2));
            o->Repeat = Byte(any(0, 255));
            o->Shift = Integer(any(-3, 3));
        }
        for (ChargeRecord& c : b.Charges) {
            c.ImageIndex = Integer(any(-5, 300));
            c.Tincture = any(-3, 140);
            c.Class = any(0, 40);
            c.Placement = Byte(any(0, 255));
        }
        for (UserFurRecord& f : b.UserFurs) f.Path = any(0, 1) ? "" : "/x/É";
        d.ws.Warnings.clear();
        for (int w = any(0, 4); w > 0; --w) AddWarning(d.ws.Warnings, any(0, 8), any(-20, 300));
        BuildBlazonText(d.ws);
        EXPECT_LE(d.ws.Warnings.count(), kMaxWarnings);
        TinctureWarningsText(d.ws);
    }
}

}  // namespace
}  // namespace tess
