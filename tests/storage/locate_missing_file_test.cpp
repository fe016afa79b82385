#include <gtest/gtest.h>

#include <filesystem>

#include "storage/locate_missing_file.h"
#include "tests/storage/files.h"
#include "tests/support/scratch_folder.h"

namespace tess {
namespace {

using testing::readFile;
using testing::writeFile;

struct Asked {
    std::string question, title, dialogTitle, fileName;
    int dialogs = 0;
};

class LocatingAMissingFile : public testing::ScratchFolder {};

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

TEST_F(LocatingAMissingFile, NoReturnsEmptyWithoutShowingTheDialog) {
    Asked asked;
    EXPECT_EQ(LocateMissingFile(file("armsPx1.hpc"), false, answering(false, "", asked)), "");
    EXPECT_EQ(asked.question,
              "Le fichier armsPx1.hpc est manquant. Désirez-vous tenter de le retrouver?");
    EXPECT_EQ(asked.title, "Fichier manquant");
    EXPECT_EQ(asked.dialogs, 0);
}

TEST_F(LocatingAMissingFile, APickedFileIsCopiedIntoPlace) {
    const std::string found = file("ailleurs/armsPx1.hpc");
    writeFile(found, "picture");
    Asked asked;
    const std::string expected = file("docs/armsPx1.hpc");
    std::filesystem::create_directories(file("docs"));
    EXPECT_EQ(LocateMissingFile(expected, false, answering(true, found, asked)), expected);
    EXPECT_EQ(asked.dialogTitle, "Rechercher armsPx1.hpc");
    EXPECT_EQ(asked.fileName, "armsPx1.hpc");
    EXPECT_EQ(readFile(expected), "picture");
    EXPECT_TRUE(std::filesystem::exists(found));
}

TEST_F(LocatingAMissingFile, DeleteFoundMovesTheFile) {
    const std::string found = file("ailleurs/semé.fmx");
    writeFile(found, "tile");
    Asked asked;
    const std::string expected = file("semé.fmx");
    EXPECT_EQ(LocateMissingFile(expected, true, answering(true, found, asked)), expected);
    EXPECT_EQ(readFile(expected), "tile");
    EXPECT_FALSE(std::filesystem::exists(found));
}

TEST_F(LocatingAMissingFile, CancelAFailedCopyOrTheFileItselfAreHandled) {
    Asked asked;
    EXPECT_EQ(LocateMissingFile(file("a.hpc"), false, answering(true, "", asked)), "");
    writeFile(file("elsewhere/a.hpc"), "x");
    EXPECT_EQ(LocateMissingFile(file("no such folder/a.hpc"), false,
                                answering(true, file("elsewhere/a.hpc"), asked)),
              "");
    // Picking the expected file itself, with deletion asked: it must survive.
    writeFile(file("here.hpc"), "keep");
    EXPECT_EQ(LocateMissingFile(file("here.hpc"), true, answering(true, file("here.hpc"), asked)),
              file("here.hpc"));
    EXPECT_EQ(readFile(file("here.hpc")), "keep");
    // No dialogs at all (a tool that asks nothing): declined.
    EXPECT_EQ(LocateMissingFile(file("a.hpc"), false, FileDialogs{}), "");
}

}  // namespace
}  // namespace tess
