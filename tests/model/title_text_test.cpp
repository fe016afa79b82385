#include <gtest/gtest.h>

#include "model/document.h"
#include "model/title_text.h"

namespace tess {
namespace {

TEST(TitleText, EachStateOfTheDocument) {
    EXPECT_EQ(TitleText("", false), "Tessaline");
    EXPECT_EQ(TitleText("", true), "Tessaline*");
    EXPECT_EQ(TitleText("/home/anne/MesVarodez/Dupont.bls", false), "Tessaline [Dupont.bls]");
    EXPECT_EQ(TitleText("/home/anne/MesVarodez/Dupont.bls", true), "Tessaline [Dupont.bls]*");
    EXPECT_EQ(TitleText("C:\\Blasons\\\u00c9cu.bls", true), "Tessaline [\u00c9cu.bls]*");
}

TEST(TitleText, FollowsTheWorkspace) {
    Workspace ws;
    ResetDocument(ws);
    EXPECT_EQ(TitleText(ws), "Tessaline");
    // Two edits in a row still give one mark.
    ws.Modified = true;
    ws.Modified = true;
    EXPECT_EQ(TitleText(ws), "Tessaline*");
    ws.CurrentBlazon.FilePath = "/tmp/armes.bls";
    ws.Modified = false;
    EXPECT_EQ(TitleText(ws), "Tessaline [armes.bls]");
}

}  // namespace
}  // namespace tess
