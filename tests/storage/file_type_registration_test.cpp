#include <gtest/gtest.h>

#include <filesystem>

#include "storage/file_type_registration.h"
#include "tests/storage/files.h"
#include "tests/support/scratch_folder.h"

namespace tess {
namespace {

using testing::readFile;
using testing::writeFile;

class FileTypeRegistrationTest : public testing::ScratchFolder {
  protected:
    void SetUp() override {
        dataHome = file("data");
        setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
    }
    void TearDown() override { unsetenv("XDG_DATA_HOME"); }
    std::string mimeFile() const { return dataHome + "/mime/packages/tessaline-bls.xml"; }
    std::string desktopFile() const { return dataHome + "/applications/tessaline.desktop"; }

    std::string dataHome;
};

// Whether or not the database tools are installed, registering succeeds.
TEST_F(FileTypeRegistrationTest, WritesTheMimeTypeAndADesktopEntryThatOpensTheDocument) {
    EXPECT_EQ(userDataHome(), dataHome);
    const auto result = writeFileTypeRegistration({"/opt/tessaline/bin/tessaline", dataHome, true});
    EXPECT_TRUE(result.mimePackageWritten);
    EXPECT_TRUE(result.desktopEntryWritten);
    const std::string mime = readFile(mimeFile());
    EXPECT_NE(mime.find("<glob pattern=\"*.bls\"/>"), std::string::npos);
    EXPECT_NE(mime.find("type=\"application/x-tessaline-bls\""), std::string::npos);
    const std::string entry = readFile(desktopFile());
    EXPECT_NE(entry.find("\nExec=/opt/tessaline/bin/tessaline %f\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find("\nMimeType=application/x-tessaline-bls;\n"), std::string::npos);
    EXPECT_EQ(entry.rfind("[Desktop Entry]\n", 0), 0u);
}

TEST_F(FileTypeRegistrationTest, RewritesOnlyWhatChanged) {
    writeFileTypeRegistration({"/usr/bin/tessaline", dataHome, false});
    const auto mtime = std::filesystem::last_write_time(mimeFile());
    auto again = writeFileTypeRegistration({"/usr/bin/tessaline", dataHome, false});
    EXPECT_FALSE(again.mimePackageWritten);
    EXPECT_FALSE(again.desktopEntryWritten);
    EXPECT_EQ(std::filesystem::last_write_time(mimeFile()), mtime);

    again = writeFileTypeRegistration({"/usr/local/bin/tessaline", dataHome, false});
    EXPECT_FALSE(again.mimePackageWritten);
    EXPECT_TRUE(again.desktopEntryWritten);
    EXPECT_NE(readFile(desktopFile()).find("Exec=/usr/local/bin/tessaline %f"), std::string::npos);

    writeFile(desktopFile(), "[Desktop Entry]\nExec=other\n");
    EXPECT_TRUE(writeFileTypeRegistration({"/usr/local/bin/tessaline", dataHome, false})
                    .desktopEntryWritten);
}

TEST_F(FileTypeRegistrationTest, ProgramPathsWithReservedCharactersAreQuoted) {
    EXPECT_NE(desktopEntryText("/home/jo/Mes programmes/tessaline")
                  .find("Exec=\"/home/jo/Mes programmes/tessaline\" %f"),
              std::string::npos);
    // Inside quotes '$' is escaped, and the key's string escaping doubles the backslash.
    EXPECT_NE(desktopEntryText("/a b/$x").find("Exec=\"/a b/\\\\$x\" %f"), std::string::npos);
    EXPECT_NE(desktopEntryText("/opt/100%/t").find("Exec=/opt/100%%/t %f"), std::string::npos);
}

TEST_F(FileTypeRegistrationTest, FailuresAreIgnored) {
    writeFile(dataHome + "/mime", "a file where a folder should be");
    writeFile(dataHome + "/applications", "again");
    const auto result = writeFileTypeRegistration({"/usr/bin/tessaline", dataHome, true});
    EXPECT_FALSE(result.mimePackageWritten);
    EXPECT_FALSE(result.desktopEntryWritten);
    EXPECT_FALSE(writeFileTypeRegistration({"", dataHome, false}).desktopEntryWritten);
    EXPECT_FALSE(writeFileTypeRegistration({"/bin/t\nx", dataHome, false}).desktopEntryWritten);
    RegisterFileType("/usr/bin/tessaline");  // no result, no throw
}

}  // namespace
}  // namespace tess
