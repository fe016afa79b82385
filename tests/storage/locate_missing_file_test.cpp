#include <gtest/gtest.h>

#include <filesystem>

#include "storage/locate_missing_file.h"
#include "tests/storage/temp_home.h"

namespace tess {
namespace {

using testing::readFile;
using testing::TempHome;
using testing::writeFile;

struct Asked {
    std::string question, title, dialogTitle, fileName;
    int dialogs = 0;
};

FileDialogs answering(bool yes, std::string chosen, Asked& asked) {
    FileDialogs dialogs;
    dialogs.askYesNo = [&asked, yes](const std::string& text, const std::string& title) {
        asked.question = text;
        asked.title = title;
        return yes;
    };
    dialogs.pickFile = [&asked, chosen](const std::string& title, const std::string& name) {
        asked.dialogTitle = title;
        asked.fileName = name;
        ++asked.dialogs;
        return chosen;
    };
    return dialogs;
}

TEST(LocateMissingFile, NoReturnsEmptyWithoutShowingTheDialog) {
    TempHome home("locate-no");
    Asked asked;
    EXPECT_EQ(LocateMissingFile(home.path("armsPx1.hpc"), false, answering(false, "", asked)), "");
    EXPECT_EQ(asked.question,
              "Le fichier armsPx1.hpc est manquant. Désirez-vous tenter de le retrouver?");
    EXPECT_EQ(asked.title, "Fichier manquant");
    EXPECT_EQ(asked.dialogs, 0);
}

TEST(LocateMissingFile, APickedFileIsCopiedIntoPlace) {
    TempHome home("locate-copy");
    const std::string found = home.path("ailleurs/armsPx1.hpc");
    writeFile(found, "picture");
    Asked asked;
    const std::string expected = home.path("docs/armsPx1.hpc");
    std::filesystem::create_directories(home.path("docs"));
    EXPECT_EQ(LocateMissingFile(expected, false, answering(true, found, asked)), expected);
    EXPECT_EQ(asked.dialogTitle, "Rechercher armsPx1.hpc");
    EXPECT_EQ(asked.fileName, "armsPx1.hpc");
    EXPECT_EQ(readFile(expected), "picture");
    EXPECT_TRUE(std::filesystem::exists(found));
}

TEST(LocateMissingFile, DeleteFoundMovesTheFile) {
    TempHome home("locate-move");
    const std::string found = home.path("ailleurs/semé.fmx");
    writeFile(found, "tile");
    Asked asked;
    const std::string expected = home.path("semé.fmx");
    EXPECT_EQ(LocateMissingFile(expected, true, answering(true, found, asked)), expected);
    EXPECT_EQ(readFile(expected), "tile");
    EXPECT_FALSE(std::filesystem::exists(found));
}

TEST(LocateMissingFile, CancelAFailedCopyOrTheFileItselfAreHandled) {
    TempHome home("locate-fail");
    Asked asked;
    EXPECT_EQ(LocateMissingFile(home.path("a.hpc"), false, answering(true, "", asked)), "");
    writeFile(home.path("elsewhere/a.hpc"), "x");
    EXPECT_EQ(LocateMissingFile(home.path("no such folder/a.hpc"), false,
                                answering(true, home.path("elsewhere/a.hpc"), asked)),
              "");
    // Picking the expected file itself, with deletion asked: it must survive.
    writeFile(home.path("here.hpc"), "keep");
    EXPECT_EQ(LocateMissingFile(home.path("here.hpc"), true,
                                answering(true, home.path("here.hpc"), asked)),
              home.path("here.hpc"));
    EXPECT_EQ(readFile(home.path("here.hpc")), "keep");
    // No dialogs at all (a tool that asks nothing): declined.
    EXPECT_EQ(LocateMissingFile(home.path("a.hpc"), false, FileDialogs{}), "");
}

}  // namespace
}  // namespace tess
