#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "actions/file_commands.h"
#include "model/title_text.h"
#include "model/workspace.h"
#include "render/renderer.h"
#include "storage/side_files.h"
#include "tests/storage/document_fixture.h"
#include "tests/support/scratch_folder.h"

namespace tess {
namespace {

namespace fs = std::filesystem;

// Counts the wait box, so a test sees it closed on every path.
struct WaitBoxCount : WorkspaceUi {
    int shown = 0, hidden = 0;
    void showWaitBox(const std::string&) override { ++shown; }
    void hideWaitBox() override { ++hidden; }
};

// The window's side of the commands, scripted: the file each dialog answers,
// the answer to the question box, and what was asked and shown.
struct ScriptedWindow {
    std::string openAnswer, saveAnswer;
    bool yes = false;
    std::vector<std::string> asked, shown, dialogs;
    int busy = 0;

    FileCommandDialogs dialogsOf() {
        FileCommandDialogs d;
        d.chooseOpen = [this](const std::string& title, const std::string& filter,
                              const std::string& folder) {
            dialogs.push_back(title + "|" + filter + "|" + folder);
            return openAnswer;
        };
        d.chooseSave = [this](const std::string& title, const std::string& filter,
                              const std::string& preset, const std::string&) {
            dialogs.push_back(title + "|" + filter + "|" + preset);
            return saveAnswer;
        };
        d.show = [this](const FileMessage& m) { shown.push_back(m.title); };
        d.busy = [this](bool on) { busy += on ? 1 : -1; };
        d.documents.confirm = [this](const std::string& text) {
            asked.push_back(text);
            return yes;
        };
        return d;
    }
};

class FileCommandsTest : public testing::ScratchFolder {
  protected:
    FileCommandsTest() : ScratchFolder(true) { ws().ui = &waitBox; }
    ~FileCommandsTest() override { ws().ui = nullptr; }
    Workspace& ws() { return program.ws; }
    Renderer& r() { return program.r; }
    std::string title() { return TitleText(ws()); }

    // A saved document of partition `partition`, then the current one changed.
    std::string savedDocument(const std::string& name, Long partition) {
        ws().CurrentBlazon.Partition = partition;
        window.saveAnswer = file(name);
        const auto out = SaveDocumentCommand(ws(), r(), SaveCommand::SaveAs, window.dialogsOf());
        EXPECT_TRUE(out.changed);
        return ws().CurrentBlazon.FilePath;
    }

    testing::Program program;
    WaitBoxCount waitBox;
    ScriptedWindow window;
};

TEST_F(FileCommandsTest, WhatIsNotADocumentIsRefusedBeforeAnythingChanges) {
    const std::string path = savedDocument("armes.bls", 12);
    ws().CurrentBlazon.Partition = 14;
    ws().Modified = true;
    const BlazonRecord before = ws().CurrentBlazon;
    fs::create_directories(file("dossier.bls"));
    struct Case {
        std::string file, box;
    };
    const Case cases[] = {
        {put("treize.bls", {13, 0, 0, 0}), "Fichier incompatible"},
        {put("vide.bls", {}), "Fichier incompatible"},
        {file("dossier.bls"), "Fichier incompatible"},
        {file("absent.bls"), "Ouvrir un blason"},
    };
    window.yes = true;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        window.shown.clear();
        window.openAnswer = c.file;
        const auto out = OpenDocumentCommand(ws(), r(), window.dialogsOf());
        EXPECT_FALSE(out.changed);
        EXPECT_EQ(window.shown, std::vector<std::string>{c.box});
        EXPECT_EQ(ws().CurrentBlazon, before);
        EXPECT_EQ(title(), "Tessaline [armes.bls]*");
    }
    EXPECT_EQ(waitBox.shown, 0);
    EXPECT_EQ(window.busy, 0);
    EXPECT_EQ(window.dialogs.back(),
              std::string("Ouvrir un blason|Varodez v.3 (*.bls)|*.bls|") + file(""));
    (void)path;
}

TEST_F(FileCommandsTest, OpenAsksOnlyOnceAFileIsChosenAndNoKeepsEverything) {
    const std::string path = savedDocument("armes.bls", 12);
    ws().CurrentBlazon.Partition = 14;
    ws().Modified = true;

    window.openAnswer = "";  // cancelled: no question
    EXPECT_FALSE(OpenDocumentCommand(ws(), r(), window.dialogsOf()).changed);
    EXPECT_TRUE(window.asked.empty());

    window.openAnswer = path;
    window.yes = false;
    EXPECT_FALSE(OpenDocumentCommand(ws(), r(), window.dialogsOf()).changed);
    ASSERT_EQ(window.asked.size(), 1u);
    EXPECT_EQ(window.asked[0],
              "\rÊtes-vous sûr de vouloir débuter un autre blason sans sauvegarder armes.bls ?");
    EXPECT_EQ(ws().CurrentBlazon.Partition, 14);

    window.yes = true;
    const auto out = OpenDocumentCommand(ws(), r(), window.dialogsOf());
    EXPECT_TRUE(out.changed);
    ASSERT_TRUE(out.redraw);
    EXPECT_EQ(ws().CurrentBlazon.Partition, 12);
    EXPECT_EQ(title(), "Tessaline [armes.bls]");
    EXPECT_EQ(waitBox.shown, 1);
    EXPECT_EQ(waitBox.hidden, 1);
    EXPECT_EQ(window.busy, 0);
}

TEST_F(FileCommandsTest, AFailedSaveKeepsTheMarkAndTheOldPath) {
    const std::string path = savedDocument("armes.bls", 12);
    ws().Modified = true;
    // A "folder" that is a plain file cannot take a document, even for root.
    window.saveAnswer = put("fichier", {1}) + "/armes.bls";
    const auto out = SaveDocumentCommand(ws(), r(), SaveCommand::SaveAs, window.dialogsOf());
    EXPECT_FALSE(out.changed);
    EXPECT_EQ(window.shown.size(), 1u);
    EXPECT_EQ(ws().CurrentBlazon.FilePath, path);
    EXPECT_EQ(title(), "Tessaline [armes.bls]*");
    EXPECT_EQ(window.busy, 0);

    // Save with a path asks nothing and writes there; save as presets it.
    window.dialogs.clear();
    EXPECT_TRUE(SaveDocumentCommand(ws(), r(), SaveCommand::Save, window.dialogsOf()).changed);
    EXPECT_TRUE(window.dialogs.empty());
    EXPECT_EQ(title(), "Tessaline [armes.bls]");
    window.saveAnswer = "";
    ws().Modified = true;
    EXPECT_FALSE(SaveDocumentCommand(ws(), r(), SaveCommand::SaveAs, window.dialogsOf()).changed);
    EXPECT_EQ(window.dialogs,
              std::vector<std::string>{"Sauvegarder le blason|Varodez v.3 (*.bls)|*.bls||" + path});
    EXPECT_EQ(title(), "Tessaline [armes.bls]*");
}

TEST_F(FileCommandsTest, SaveAsThenReopenGivesTheSameRecordAndCanvas) {
    ws().CurrentBlazon.Partition = 16;
    ws().CurrentBlazon.Parts[2].Tincture = 3;
    ws().GridVisible = true;
    ToggleGrid(ws(), r());
    window.saveAnswer = file("sans extension");
    ASSERT_TRUE(SaveDocumentCommand(ws(), r(), SaveCommand::Save, window.dialogsOf()).changed);
    EXPECT_EQ(ws().CurrentBlazon.FilePath, file("sans extension.bls"));
    const BlazonRecord saved = ws().CurrentBlazon;
    const Surface canvas = r().canvas;

    window.yes = true;
    ASSERT_TRUE(NewDocumentCommand(ws(), r(), window.dialogsOf()).changed);
    EXPECT_EQ(title(), "Tessaline");
    window.openAnswer = file("sans extension.bls");
    ASSERT_TRUE(OpenDocumentCommand(ws(), r(), window.dialogsOf()).changed);
    EXPECT_EQ(ws().CurrentBlazon, saved);
    EXPECT_EQ(r().canvas, canvas);
}

TEST_F(FileCommandsTest, NoFileIsReplacedWithoutAQuestionAboutItWhateverNameIsTyped) {
    fs::create_directories(file("docs"));
    const std::string maille = savedDocument("docs/Maillé.bls", 12);
    put("docs/Hermine", {1, 2, 3});
    const auto listing = [this] {
        std::map<std::string, testing::Bytes> all;
        for (const auto& entry : fs::directory_iterator(file("docs")))
            all[entry.path().filename()] = read("docs/" + entry.path().filename().string());
        return all;
    };
    const auto before = listing();
    // The save dialog asks about the name as typed, as the platform's does,
    // and is answered "Oui": that file may change. The question box is
    // answered "Non": its file stays byte for byte.
    std::string typed;
    std::set<std::string> replaced, kept;
    FileCommandDialogs d = window.dialogsOf();
    d.chooseSave = [&](const std::string&, const std::string&, const std::string&,
                       const std::string&) {
        if (fs::exists(typed))
            for (const std::string& f : {typed, shieldPreviewFile(typed), bannerPreviewFile(typed)})
                replaced.insert(fs::path(f).filename());
        return typed;
    };
    d.documents.confirm = [&](const std::string& text) {
        window.asked.push_back(text);
        kept.insert(text.substr(12, text.find(" existe") - 12));
        return false;
    };
    // The document in the window differs from every file there.
    ws().CurrentBlazon.Partition = 14;
    for (const char* name : {"Maillé", "Maillé.bls", "Hermine", "Maillé.BLS", "Maillé.bl"}) {
        SCOPED_TRACE(name);
        typed = file("docs/") + name;
        ws().Modified = true;
        kept.clear();
        const auto row = listing();
        SaveDocumentCommand(ws(), r(), SaveCommand::SaveAs, d);
        for (const auto& [old, bytes] : before)
            EXPECT_TRUE(listing()[old] == bytes || replaced.count(old)) << old;
        for (const std::string& name : kept) EXPECT_EQ(listing().at(name), row.at(name)) << name;
    }
    EXPECT_EQ(window.asked, std::vector<std::string>{"\rLe fichier Maillé.bls existe déjà. "
                                                     "Êtes-vous sûr de vouloir le remplacer ?"});
    EXPECT_EQ(listing().at("Hermine"), before.at("Hermine"));
    // Answered "Oui", the document typed without its extension replaces it.
    window.yes = true;
    window.saveAnswer = file("docs/Maillé");
    ws().CurrentBlazon.Partition = 16;
    EXPECT_TRUE(SaveDocumentCommand(ws(), r(), SaveCommand::SaveAs, window.dialogsOf()).changed);
    EXPECT_EQ(ws().CurrentBlazon.FilePath, maille);
}

TEST_F(FileCommandsTest, NewAsksFirstAndNoKeepsTheDocument) {
    ws().CurrentBlazon.Partition = 14;
    ws().Modified = true;
    EXPECT_FALSE(NewDocumentCommand(ws(), r(), window.dialogsOf()).changed);
    EXPECT_EQ(window.asked,
              std::vector<std::string>{
                  "\rÊtes-vous sûr de vouloir débuter un nouveau blason sans sauvegarder  ?"});
    EXPECT_EQ(ws().CurrentBlazon.Partition, 14);
    EXPECT_TRUE(ws().Modified);
}

TEST_F(FileCommandsTest, RecentDocumentsAfterSavesAndAVanishedOne) {
    // A document enters the list once saved over its own file.
    for (const char* name : {"un.bls", "deux.bls", "trois.bls"}) {
        savedDocument(name, 12);
        ASSERT_TRUE(SaveDocumentCommand(ws(), r(), SaveCommand::Save, window.dialogsOf()).changed);
    }
    EXPECT_EQ(ws().Recent.RecentFiles[1], file("trois.bls"));
    EXPECT_EQ(ws().Recent.RecentFiles[2], file("deux.bls"));
    EXPECT_EQ(ws().Recent.RecentFiles[3], file("un.bls"));
    EXPECT_EQ(ws().Recent.RecentFiles[4], "");

    ws().CurrentBlazon.Partition = 14;
    ws().Modified = true;
    fs::remove(file("deux.bls"));
    EXPECT_FALSE(OpenRecentCommand(ws(), r(), 2, window.dialogsOf()).changed);
    EXPECT_EQ(window.shown, std::vector<std::string>{"Erreur d'accès"});
    EXPECT_TRUE(window.asked.empty());
    // Incompatible: refused after the question, before anything changes.
    put("un.bls", {13});
    window.yes = true;
    EXPECT_FALSE(OpenRecentCommand(ws(), r(), 3, window.dialogsOf()).changed);
    EXPECT_EQ(window.shown.back(), "Fichier incompatible");
    EXPECT_EQ(ws().CurrentBlazon.Partition, 14);
    EXPECT_TRUE(OpenRecentCommand(ws(), r(), 1, window.dialogsOf()).changed);
    EXPECT_EQ(title(), "Tessaline [trois.bls]");
}

}  // namespace
}  // namespace tess
