#include <gtest/gtest.h>

#include "model/document.h"
#include "model/workspace.h"
#include "storage/document_sanity.h"

namespace tess {
namespace {

BlazonRecord resetRecord() {
    Workspace ws;
    ResetDocument(ws);
    return ws.CurrentBlazon;
}

TEST(DocumentSanity, ValuesTheProgramWritesComeThroughUnchanged) {
    const BlazonRecord base = resetRecord();
    StoredDocument d{
        base, {{"lion", 40, 40, 3, 33, "un lion"}}, {{1, -20, 300, -1, 2, 22, -1, 80, 60}}};
    BlazonRecord& b = d.Blazon;
    b.Partition = 25;
    b.ShieldShape = 7;
    b.InsetShape = 2;
    b.Ordinary1 = {kTrue, 6, 0, 0, "Chevron", -1, 2, 0};
    b.Ordinary2 = {kTrue, 22, 0, 0, "Croix", 34, 0, 0};
    b.Parts[1] = {kClassColour, 5, 0, 0, "", {10, 100, 17, kTrue}};
    b.Parts[2] = {kClassInserted, 1, 0, 0, "/a.bls", {}};
    b.Parts[3] = {118, 4, 0, 0, "", {}};  // a user fur holding its dominant tincture
    b.Parts[4] = {111, 111, 0, 0, "", {}};
    const StoredDocument before = d;
    sanitizeStoredDocument(d, base);
    EXPECT_EQ(d.Blazon, before.Blazon);
    EXPECT_EQ(d.Images, before.Images);
    EXPECT_EQ(d.Charges, before.Charges);
}

TEST(DocumentSanity, CodesOutsideTheirTablesFallBackToSoundValues) {
    const BlazonRecord base = resetRecord();
    StoredDocument d{base, {{"x", 1, 1, 99, 7, ""}}, {{1, 0, 0, 5, 12, 40, 3, -7, 9000}}};
    BlazonRecord& b = d.Blazon;
    b.Partition = 20;
    b.ShieldShape = 0;
    b.InsetShape = 8;
    b.Ordinary1 = {5, 12, 0, 0, "?", 0, 7, 4};
    b.Ordinary2 = {kTrue, 3, 0, 0, "?", 0, 0, 0};
    b.Parts[1] = {kClassColour, 12, 0, 0, "", {0, -5, 40, 3}};
    b.Parts[2] = {kClassInserted, 3, 0, 0, "", {}};
    b.Parts[3] = {108, 3, 0, 0, "", {}};
    b.Parts[5] = {kClassInserted, 3, 0, 0, "/a.bls", {}};
    b.Parts[7] = {kClassMetal, 999, 0, 0, "/b.bls", {32767, 32767, 10, 0}};
    sanitizeStoredDocument(d, base);

    EXPECT_EQ(b.Partition, 9);
    EXPECT_EQ(b.ShieldShape, 1);
    EXPECT_EQ(b.InsetShape, 1);
    EXPECT_EQ(b.Ordinary1.Present, kFalse);
    EXPECT_EQ(b.Ordinary1.Type, 0);
    EXPECT_EQ(b.Ordinary1.Repeat, 0);
    EXPECT_EQ(b.Ordinary1.Shift, 0);
    EXPECT_EQ(b.Ordinary2.Present, kFalse);
    EXPECT_EQ(b.Ordinary2.Type, 0);
    EXPECT_EQ(b.Parts[1].Kind, base.Parts[1].Kind);
    EXPECT_EQ(b.Parts[1].Tincture, base.Parts[1].Tincture);
    EXPECT_EQ(b.Parts[1].Line.LineKind, 10);
    EXPECT_EQ(b.Parts[1].Line.Width, kMinLineWidth);
    EXPECT_EQ(b.Parts[1].Line.Depth, kMinLineDepth);
    EXPECT_EQ(b.Parts[1].Line.Plumb, kTrue);
    // Class 34 without a coat of arms, a fur with another fur's code, arms in
    // the second-order zone: all back to the blank record's part.
    EXPECT_EQ(b.Parts[2].Kind, base.Parts[2].Kind);
    EXPECT_EQ(b.Parts[3].Kind, base.Parts[3].Kind);
    EXPECT_EQ(b.Parts[5].InsertedPath, "");
    EXPECT_EQ(b.Parts[5].Kind, base.Parts[5].Kind);
    // A part with arms keeps them; only its tincture is mended.
    EXPECT_EQ(b.Parts[7].InsertedPath, "/b.bls");
    EXPECT_EQ(b.Parts[7].Tincture, base.Parts[7].Tincture);
    EXPECT_EQ(b.Parts[7].Line.Width, kMaxLineWidth);
    EXPECT_EQ(b.Parts[7].Line.Depth, kMaxLineDepth);

    EXPECT_EQ(d.Images[0].OwnTincture, 1);
    EXPECT_EQ(d.Images[0].OwnClass, kClassMetal);
    const StoredCharge& c = d.Charges[0];
    EXPECT_EQ(c.Tincture, -1);
    EXPECT_EQ(c.Class, kClassColour);
    EXPECT_EQ(c.Brochant, kTrue);
    EXPECT_EQ(c.Mirrored, kTrue);
    EXPECT_EQ(c.Width, kMaxChargeSide);
}

}  // namespace
}  // namespace tess
