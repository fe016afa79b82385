#include "model/title_text.h"

#include <gtest/gtest.h>

#include "model/document.h"

namespace tess {
namespace {

TEST(TitleText, EachStateOfTheDocument) {
    EXPECT_EQ(TitleText("", false), "Tessaline");
    EXPECT_EQ(TitleText("", true), "Tessaline*");
    EXPECT_EQ(TitleText("/home/anne/MesVarodez/Dupont.bls", false), "Tessaline [Dupont.bls]");
    EXPECT_EQ(TitleText("/home/anne/MesVarodez/Dupont.bls", true), "Tessaline [Dupont.bls]*");
    EXPECT_EQ(TitleText("C:\\Blasons\\\u00c9cu.bls", true), "Tessaline [\u00c9cu.bls]*");
    // The workspace's own title follows its file and its mark.
    Workspace ws;
    ResetDocument(ws);
    EXPECT_EQ(TitleText(ws), "Tessaline");
    ws.CurrentBlazon.FilePath = "/tmp/armes.bls";
    ws.Modified = true;
    EXPECT_EQ(TitleText(ws), "Tessaline [armes.bls]*");
}

}  // namespace
}  // namespace tess
