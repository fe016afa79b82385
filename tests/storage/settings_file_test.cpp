#include <gtest/gtest.h>

#include <filesystem>

#include "platform/paths.h"
#include "storage/recent_files.h"
#include "storage/settings_file.h"
#include "tests/storage/record_bytes.h"
#include "tests/storage/temp_home.h"

namespace tess {
namespace {

using testing::HandRecords;
using testing::readBytes;
using testing::storedString;
using testing::TempHome;
using testing::writeFile;

TEST(SettingsFile, FirstStartHasNoFileAndHidesTheRecentEntries) {
    TempHome home("settings-first");
    Settings settings;
    settings.RecentFiles[2] = "left over";
    settings.LastDocFolder = home.path("MesVarodez") + "/";
    LoadSettingsFile(settings);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(settings.RecentFiles[i], "");
    EXPECT_EQ(settings.LastDocFolder, home.path("MesVarodez") + "/");
    const RecentMenu menu = recentMenu(settings);
    for (int i = 1; i <= 4; ++i) EXPECT_FALSE(menu.visible[i]);
    EXPECT_FALSE(menu.separatorVisible);
    EXPECT_FALSE(std::filesystem::exists(home.path("QRX.inf")));
}

TEST(SettingsFile, EightRecordsWithFreeEntriesAsNumberSigns) {
    TempHome home("settings-write");
    Settings settings;
    settings.RecentFiles[1] = "/docs/Lion.bls";
    settings.RecentFiles[2] = "Aigle.bls";
    settings.LastDocFolder = "/docs/";
    settings.LastImageFolder = "/images/";
    settings.LastFurFolder = "/fourrures/";
    settings.LastExportFolder = "/export/é/";
    ASSERT_EQ(SaveSettingsFile(settings), "");
    const auto bytes = readBytes(home.path("QRX.inf"));
    ASSERT_GE(bytes.size(), 7u * 128 + 2);
    EXPECT_EQ(storedString(bytes, 1), "/docs/Lion.bls");
    EXPECT_EQ(storedString(bytes, 3), "############");
    EXPECT_EQ(storedString(bytes, 4), "############");
    EXPECT_EQ(storedString(bytes, 5), "/docs/");
    EXPECT_EQ(storedString(bytes, 8), "/export/\xE9/");

    Settings back;
    LoadSettingsFile(back);
    EXPECT_EQ(back.RecentFiles, settings.RecentFiles);
    EXPECT_EQ(back.LastDocFolder, "/docs/");
    EXPECT_EQ(back.LastImageFolder, "/images/");
    EXPECT_EQ(back.LastFurFolder, "/fourrures/");
    EXPECT_EQ(back.LastExportFolder, "/export/é/");

    const RecentMenu menu = recentMenu(back);
    EXPECT_EQ(menu.captions[1], "Lion.bls");
    EXPECT_EQ(menu.captions[2], "Aigle.bls");  // no folder: shown as it stands
    EXPECT_TRUE(menu.visible[2]);
    EXPECT_FALSE(menu.visible[3]);
    EXPECT_TRUE(menu.separatorVisible);
}

TEST(SettingsFile, ShortOrDamagedFilesReadAsEmptyTexts) {
    TempHome home("settings-short");
    HandRecords file;
    file.string(1, "/a.bls").string(2, "############").string(5, "/docs/");
    std::vector<std::uint8_t> bytes = file.bytes();
    bytes.resize(5 * 128 + 3);  // record 6 cut inside its length
    writeFile(home.path("QRX.inf"), std::string(bytes.begin(), bytes.end()));
    Settings settings;
    settings.LastImageFolder = "/before/";
    LoadSettingsFile(settings);
    EXPECT_EQ(settings.RecentFiles[1], "/a.bls");
    EXPECT_EQ(settings.RecentFiles[2], "");
    EXPECT_EQ(settings.LastDocFolder, "/docs/");
    EXPECT_EQ(settings.LastImageFolder, "");
    EXPECT_EQ(settings.LastExportFolder, "");
}

TEST(SettingsFile, FoldersThatDoNotFitAreWrittenEmptyAndNothingFails) {
    TempHome home("settings-long");
    Settings settings;
    settings.LastDocFolder = "/" + std::string(200, 'd') + "/";
    settings.LastImageFolder = "/images/";
    ASSERT_EQ(SaveSettingsFile(settings), "");
    Settings back;
    LoadSettingsFile(back);
    EXPECT_EQ(back.LastDocFolder, "");
    EXPECT_EQ(back.LastImageFolder, "/images/");
}

class RecentFiles : public ::testing::Test {
  protected:
    std::string document(const std::string& name) {
        const std::string path = home.path(name);
        writeFile(path, "\x0e");
        return path;
    }
    TempHome home{"recent"};
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
    EXPECT_FALSE(AddRecentFile(settings, home.path("never saved.bls")));
    EXPECT_FALSE(std::filesystem::exists(home.path("QRX.inf")));
    const std::string deep = document(std::string(130, 'n') + ".bls");
    EXPECT_FALSE(AddRecentFile(settings, deep));
    EXPECT_FALSE(std::filesystem::exists(home.path("QRX.inf")));
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
