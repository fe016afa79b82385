#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include <unistd.h>

#include <cstdio>

#include "platform/paths.h"
#include "platform/text_encoding.h"

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

// Names are the system's bytes: made absolute and found without a text
// conversion, shown readable only for the eye.
TEST(Paths, LatinOneNamesStayTheirBytesAndShowReadable) {
    const std::string latin = "arm\xe9s.bls";
    const auto here = std::filesystem::current_path().native();
    EXPECT_EQ(absolutePath(latin), here + "/" + latin);
    EXPECT_EQ(absolutePath("/x/" + latin), "/x/" + latin);
    EXPECT_EQ(displayedName(latin), "armés.bls");
    EXPECT_EQ(displayedName("armés.bls"), "armés.bls");  // UTF-8 stays as it is

    // A document's path (Windows-1252 text, held as UTF-8) finds the Latin-1 file.
    const auto folder =
        std::filesystem::temp_directory_path() / ("tessaline-paths-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string onDisk = folder.native() + "/f\xe9.fmp";
    std::fclose(std::fopen(onDisk.c_str(), "w"));
    EXPECT_EQ(pathOnDisk(folder.native() + "/fé.fmp"), onDisk);
    EXPECT_EQ(pathOnDisk(folder.native() + "/absent.fmp"), folder.native() + "/absent.fmp");
    std::filesystem::remove_all(folder);
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
