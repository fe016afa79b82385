#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/paths.h"

namespace tess {
namespace {

TEST(Paths, FolderAndFileNameAcceptBothSeparators) {
    EXPECT_EQ(FolderOfPath("C:\\Blasons\\Lion.bls"), "C:\\Blasons\\");
    EXPECT_EQ(FileNameOfPath("C:\\Blasons\\Lion.bls"), "Lion.bls");
    EXPECT_EQ(FolderOfPath("/home/a/Lion.bls"), "/home/a/");
    EXPECT_EQ(FileNameOfPath("/home/a\\old/Lion.bls"), "Lion.bls");
    EXPECT_EQ(FolderOfPath("Lion.bls"), "");
    EXPECT_EQ(FileNameOfPath("Lion.bls"), "Lion.bls");
}

TEST(Paths, ProgramFolderFollowsTheEnvironmentAndIsCreated) {
    const auto home = std::filesystem::temp_directory_path() / "tessaline-paths-test";
    std::filesystem::remove_all(home);
    setenv("TESSALINE_HOME", home.c_str(), 1);
    EXPECT_EQ(programFolder(), home.string());
    EXPECT_TRUE(std::filesystem::is_directory(home));
    EXPECT_EQ(programFile("\\Pic12.tmp"), home.string() + "/Pic12.tmp");
    EXPECT_EQ(programFile("QRX.inf"), home.string() + "/QRX.inf");
    unsetenv("TESSALINE_HOME");
    setenv("XDG_DATA_HOME", home.c_str(), 1);
    EXPECT_EQ(programFolder(), (home / "tessaline").string());
    std::filesystem::remove_all(home);
}

}  // namespace
}  // namespace tess
