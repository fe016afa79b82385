#include <gtest/gtest.h>

#include "storage/side_files.h"

namespace tess {
namespace {

TEST(SideFiles, NamesFollowTheDocumentName) {
    EXPECT_EQ(shieldPreviewFile("/d/arms.bls"), "/d/arms.blz");
    EXPECT_EQ(bannerPreviewFile("/d/arms.bls"), "/d/arms.blx");
    EXPECT_EQ(imagePictureFile("/d/arms.bls", 1), "/d/armsPx1.hpc");
    EXPECT_EQ(imageMaskFile("/d/arms.bls", 12), "/d/armsPx12.mpc");
    EXPECT_EQ(partArmsFile("/d/arms.bls", 7), "/d/armsBx7.hpx");
    EXPECT_EQ(previewForPart("/d/arms.bls", 7), "/d/arms.blz");
    EXPECT_EQ(previewForPart("/d/arms.bls", 2), "/d/arms.blx");
    // Characters, not bytes, are dropped.
    EXPECT_EQ(shieldPreviewFile("/d/écu.blé"), "/d/écu.blz");
}

TEST(SideFiles, TheDocumentExtensionIsAddedWhenMissing) {
    EXPECT_EQ(withDocumentExtension("/d/arms"), "/d/arms.bls");
    EXPECT_EQ(withDocumentExtension("/d/arms.bls"), "/d/arms.bls");
    EXPECT_EQ(withDocumentExtension("/d/ARMS.BLS"), "/d/ARMS.BLS");
    EXPECT_EQ(withDocumentExtension("/d/arms.blx"), "/d/arms.blx.bls");
    EXPECT_EQ(withDocumentExtension("ls"), "ls.bls");
}

}  // namespace
}  // namespace tess
