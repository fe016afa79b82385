#include <gtest/gtest.h>

#include <filesystem>

#include "platform/paths.h"
#include "storage/recent_files.h"
#include "storage/settings_file.h"
#include "tests/storage/files.h"
#include "tests/storage/record_bytes.h"
#include "tests/support/scratch_folder.h"

namespace tess {
namespace {

using testing::HandRecords;
using testing::readBytes;
using testing::writeFile;

class SettingsFile : public testing::ScratchFolder {
  protected:
    SettingsFile() : ScratchFolder(true) {}
};

TEST_F(SettingsFile, FirstStartHasNoFileAndHidesTheRecentEntries) {
    Settings settings;
    settings.RecentFiles[2] = "left over";
    settings.LastDocFolder = file("MesVarodez") + "/";
    LoadSettingsFile(settings);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(settings.RecentFiles[i], "");
    EXPECT_EQ(settings.LastDocFolder, file("MesVarodez") + "/");
    const RecentMenu menu = recentMenu(settings);
    for (int i = 1; i <= 4; ++i) EXPECT_FALSE(menu.visible[i]);
    EXPECT_FALSE(menu.separatorVisible);
    EXPECT_FALSE(std::filesystem::exists(file("QRX.inf")));
}

// Eight string records and nothing else, free recent entries as number signs.
TEST_F(SettingsFile, WrittenByteByByteAndReadBack) {
    Settings settings;
    settings.RecentFiles[1] = "/docs/Lion.bls";
    settings.RecentFiles[2] = "Aigle écartelé.bls";
    settings.LastDocFolder = "/docs/";
    settings.LastFurFolder = "/fourrures/";
    settings.LastExportFolder = "/export/é/";
    ASSERT_EQ(SaveSettingsFile(settings), "");
    HandRecords expected;
    expected.str("/docs/Lion.bls")
        .str(
            "Aigle \xE9"
            "cartel\xE9.bls");
    expected.str("############").str("############");
    expected.str("/docs/").str("").str("/fourrures/").str("/export/\xE9/");
    EXPECT_EQ(readBytes(file("QRX.inf")), expected.bytes);

    Settings back;
    back.LastImageFolder = "/avant/";
    LoadSettingsFile(back);
    EXPECT_EQ(back.RecentFiles, settings.RecentFiles);
    EXPECT_EQ(back.LastDocFolder, "/docs/");
    EXPECT_EQ(back.LastImageFolder, "");
    EXPECT_EQ(back.LastFurFolder, "/fourrures/");
    EXPECT_EQ(back.LastExportFolder, "/export/é/");

    const RecentMenu menu = recentMenu(back);
    EXPECT_EQ(menu.captions[1], "Lion.bls");
    EXPECT_EQ(menu.captions[2], "Aigle écartelé.bls");  // no folder: shown as it stands
    EXPECT_TRUE(menu.visible[2]);
    EXPECT_FALSE(menu.visible[3]);
    EXPECT_TRUE(menu.separatorVisible);
}

TEST_F(SettingsFile, ShortOrDamagedFilesReadAsEmptyTexts) {
    HandRecords records;
    records.str("/a.bls").str("############").at(5).str("/docs/");
    std::vector<std::uint8_t> bytes = records.bytes;
    bytes.resize(5 * 128 + 3);  // record 6 cut inside its length
    testing::writeBytes(file("QRX.inf"), bytes);
    Settings settings;
    settings.LastImageFolder = "/before/";
    LoadSettingsFile(settings);
    EXPECT_EQ(settings.RecentFiles[1], "/a.bls");
    EXPECT_EQ(settings.RecentFiles[2], "");
    EXPECT_EQ(settings.LastDocFolder, "/docs/");
    EXPECT_EQ(settings.LastImageFolder, "");
    EXPECT_EQ(settings.LastExportFolder, "");
}

TEST_F(SettingsFile, FoldersThatDoNotFitAreWrittenEmptyAndNothingFails) {
    Settings settings;
    settings.LastDocFolder = "/" + std::string(200, 'd') + "/";
    settings.LastImageFolder = "/images/";
    ASSERT_EQ(SaveSettingsFile(settings), "");
    Settings back;
    LoadSettingsFile(back);
    EXPECT_EQ(back.LastDocFolder, "");
    EXPECT_EQ(back.LastImageFolder, "/images/");
}

class RecentFiles : public testing::ScratchFolder {
  protected:
    RecentFiles() : ScratchFolder(true) {}
    std::string document(const std::string& name) {
        const std::string path = file(name);
        writeFile(path, "\x0e");
        return path;
    }
    Settings settings;
};

TEST_F(RecentFiles, NewestFirstAndAnEntryMovesUpInsteadOfRepeating) {
    const std::string a = document("a.bls"), b = document("b.bls"), c = document("c.bls"),
                      d = document("d.bls"), e = document("e.bls");
    for (const auto& p : {a, b, c}) EXPECT_TRUE(AddRecentFile(settings, p));
    EXPECT_EQ(settings.RecentFiles[1], c);
    EXPECT_EQ(settings.RecentFiles[3], a);
    EXPECT_TRUE(AddRecentFile(settings, a));  // third moves to the head
    EXPECT_EQ(settings.RecentFiles[1], a);
    EXPECT_EQ(settings.RecentFiles[2], c);
    EXPECT_EQ(settings.RecentFiles[3], b);
    EXPECT_EQ(settings.RecentFiles[4], "");
    for (const auto& p : {d, e}) AddRecentFile(settings, p);
    EXPECT_EQ(settings.RecentFiles[1], e);
    EXPECT_EQ(settings.RecentFiles[4], c);  // b, the oldest, fell off

    Settings stored;
    LoadSettingsFile(stored);
    EXPECT_EQ(stored.RecentFiles, settings.RecentFiles);
}

TEST_F(RecentFiles, MissingOrOverlongPathsLeaveListAndFileAlone) {
    EXPECT_FALSE(AddRecentFile(settings, file("never saved.bls")));
    EXPECT_FALSE(std::filesystem::exists(file("QRX.inf")));
    const std::string deep = document(std::string(130, 'n') + ".bls");
    EXPECT_FALSE(AddRecentFile(settings, deep));
    EXPECT_FALSE(std::filesystem::exists(file("QRX.inf")));
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(settings.RecentFiles[i], "");
}

TEST_F(RecentFiles, ComparisonIsExact) {
    const std::string lower = document("lion.bls");
    const std::string upper = document("LION.bls");
    AddRecentFile(settings, lower);
    AddRecentFile(settings, upper);
    EXPECT_EQ(settings.RecentFiles[1], upper);
    EXPECT_EQ(settings.RecentFiles[2], lower);
}

}  // namespace
}  // namespace tess
