// Save journals found beside a document that its own save did not write: the
// document opens as it stands, the journal is named, and no file is renamed
// or removed, whatever the journal says.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <functional>

#include "actions/opening.h"
#include "platform/file_steps.h"
#include "platform/save_journal.h"
#include "platform/text_encoding.h"
#include "storage/interrupted_save.h"
#include "storage/side_files.h"
#include "tests/storage/document_fixture.h"

namespace tess {
namespace {

namespace fs = std::filesystem;
using testing::folderContents;
using Entry = SaveJournalEntry;
using Folder = std::map<std::string, std::string>;

// The folder of "armes.bls" (a picture, a charge) also holds another
// document with its own picture, a file of someone else's, files whose names
// carry control characters, and litter of a save of the other document.
class HostileJournal : public testing::DocumentTest {
  protected:
    void SetUp() override {
        const int lion = addPicture("lion.bmp", testing::kLion);
        placeCharge(1, lion, 30, 40, 16, 8, 3);
        ASSERT_TRUE(save(doc("autre.bls")).saved);
        blazon().Partition = 14;
        path = doc("armes.bls");
        ASSERT_TRUE(save(path).saved);
        testing::writeFile(doc("these.odt"), "la thèse de quelqu'un");
        testing::writeFile(doc("these.odt" + std::string(kStagedSuffix)), "une autre thèse");
        testing::writeFile(doc("armesPx1.hpc\n"), "un saut de ligne");
        testing::writeFile(doc("\x1b[2Jarmes.bls"), "une séquence de terminal");
        testing::writeFile(doc("autre.bls" + std::string(kStagedSuffix)), "pas à armes");
        drawnBefore = testing::drawn(*reopen(path));
    }
    void TearDown() override { setFileStepHook({}); }

    // A rename of `name` from its temporary as a save of it writes one: the
    // temporary is made now so that its device and inode are real.
    Entry renameOf(const std::string& name) {
        const std::string temporary = name + kStagedSuffix;
        if (!fs::exists(doc(temporary))) testing::writeFile(doc(temporary), "nouveau " + name);
        struct stat info {};
        EXPECT_EQ(::lstat(doc(temporary).c_str(), &info), 0);
        return {Entry::Kind::Rename, name, temporary, std::uint64_t(info.st_dev),
                std::uint64_t(info.st_ino)};
    }
    static Entry removalOf(const std::string& name) { return {Entry::Kind::Remove, name}; }
    void writeJournal(const std::vector<Entry>& entries) {
        testing::writeBytes(saveJournalFile(path), encodeSaveJournal(entries));
    }

    // Opens the document as the probe does (the command line's own path) and
    // checks that the folder is exactly as it was and the journal is named.
    void expectLeftAlone(const std::string& what) {
        SCOPED_TRACE(what);
        const Folder before = folderContents(file("docs"));
        ASSERT_TRUE(before.count(FileNameOfPath(saveJournalFile(path))));
        testing::Program fresh;
        const OpenOutcome opened = OpenCommandLineDocument(fresh.ws, fresh.r, path, {});
        EXPECT_TRUE(opened.loaded);
        EXPECT_EQ(opened.message.text, refusedJournalMessage(path).text);
        EXPECT_NE(opened.message.text.find("« " + displayedName(saveJournalFile(path)) + " »"),
                  std::string::npos);
        EXPECT_EQ(folderContents(file("docs")), before);
        testing::expectSameDocument(testing::drawn(fresh), drawnBefore);
        // So is a save's settling, and the start-up's for a recent document.
        EXPECT_EQ(settleDocumentFiles(path), InterruptedSave::Refused);
        EXPECT_EQ(folderContents(file("docs")), before);
    }
    void clear() {
        fs::remove_all(saveJournalFile(path));
        for (const char* name : {"armes.bls", "armes.blz", "armesPx1.hpc", "armesBx3.hpx"})
            fs::remove(doc(name + std::string(kStagedSuffix)));
    }

    std::string path;
    testing::Drawn drawnBefore;
};

TEST_F(HostileJournal, AJournalThatIsNotTheDocumentsOwnTouchesNoFile) {
    const struct {
        const char* what;
        std::function<std::vector<Entry>()> entries;
    } cases[] = {
        {"removals only, of a foreign file", [&] { return std::vector{removalOf("these.odt")}; }},
        {"removals only, of the document's own pictures",
         [&] {
             return std::vector{removalOf("armesPx1.hpc"), removalOf("armesPx1.mpc")};
         }},
        {"the document's rename, then a foreign removal",
         [&] {
             return std::vector{renameOf("armes.bls"), removalOf("these.odt")};
         }},
        {"the document's rename, then a foreign rename",
         [&] {
             return std::vector{renameOf("armes.bls"), renameOf("these.odt")};
         }},
        {"another document's names",
         [&] {
             return std::vector{renameOf("autre.bls"), removalOf("autrePx1.hpc")};
         }},
        {"the document removed, not renamed",
         [&] {
             return std::vector{renameOf("armes.blz"), removalOf("armes.bls")};
         }},
        {"a preview removed",
         [&] {
             return std::vector{renameOf("armes.bls"), removalOf("armes.blx")};
         }},
        {"a rename from a temporary that is not the file's own",
         [&] {
             Entry e = renameOf("armes.bls");
             e.temporary = "these.odt";
             return std::vector{e};
         }},
        {"a name with a line feed",
         [&] {
             return std::vector{renameOf("armes.bls"), removalOf("armesPx1.hpc\n")};
         }},
        {"a name with a terminal sequence",
         [&] {
             return std::vector{renameOf("armes.bls"), removalOf("\x1b[2Jarmes.bls")};
         }},
        {"a picture number outside the bank",
         [&] {
             return std::vector{renameOf("armes.bls"), removalOf("armesPx0.hpc")};
         }},
        {"a picture number with a leading zero",
         [&] {
             return std::vector{renameOf("armes.bls"), removalOf("armesPx01.hpc")};
         }},
        {"arms of a part that does not exist",
         [&] {
             return std::vector{renameOf("armes.bls"), removalOf("armesBx8.hpx")};
         }},
        {"the journal itself removed",
         [&] {
             return std::vector{renameOf("armes.bls"), removalOf("armes.bls.~journal")};
         }},
    };
    // Names that are no file's (a path, the folder, a cut name) do not decode;
    // their bytes are checked below with the damaged journals.
    for (const auto& c : cases) {
        writeJournal(c.entries());
        expectLeftAlone(c.what);
        clear();
    }
}

TEST_F(HostileJournal, AValidJournalOfAnotherDocumentCopiedBesideThisOneIsNotCarriedOut) {
    // A real journal: the other document's save stopped right after its
    // commit point (its own rename failed), so its journal and temporary stay.
    blazon().Partition = 10;
    setFileStepHook([&](FileStep step, const std::string& p) {
        return step == FileStep::Rename && p == doc("autre.bls") ? EIO : 0;
    });
    ASSERT_TRUE(save(doc("autre.bls")).saved);
    setFileStepHook({});
    ASSERT_TRUE(fs::exists(saveJournalFile(doc("autre.bls"))));
    fs::rename(saveJournalFile(doc("autre.bls")), saveJournalFile(path));
    const auto journal = readSaveJournal(saveJournalFile(path));
    ASSERT_TRUE(journal);
    ASSERT_TRUE(decodeSaveJournal(journal->data(), journal->size()));
    expectLeftAlone("another document's journal");

    // Cut short or with one byte changed, it is no journal at all.
    for (std::size_t cut : {std::size_t(1), std::size_t(4), journal->size() / 2}) {
        std::vector<std::uint8_t> bytes(journal->begin(), journal->end() - std::ptrdiff_t(cut));
        testing::writeBytes(saveJournalFile(path), bytes);
        expectLeftAlone("cut by " + std::to_string(cut) + " bytes");
    }
    std::vector<std::uint8_t> garbled = *journal;
    garbled[garbled.size() / 2] ^= 0x20;
    testing::writeBytes(saveJournalFile(path), garbled);
    expectLeftAlone("one byte changed");

    // The other document's own open finishes its save all the same.
    fs::remove(saveJournalFile(path));
    testing::writeBytes(saveJournalFile(doc("autre.bls")), *journal);
    EXPECT_EQ(settleDocumentFiles(doc("autre.bls")), InterruptedSave::Finished);
    EXPECT_FALSE(fs::exists(doc("autre.bls" + std::string(kStagedSuffix))));
    EXPECT_EQ(reopen(doc("autre.bls"))->ws.CurrentBlazon.Partition, 10);
}

TEST_F(HostileJournal, NamesThatAreNoFileOfTheFolderAndWhatIsNoFileDoNotDecode) {
    // A name is spliced into a well-formed journal by hand: the encoder
    // writes any bytes, the reader must refuse them.
    for (const std::string& name :
         {std::string("../these.odt"), std::string("docs/these.odt"), std::string(".."),
          std::string("."), std::string("armes.bls\0these.odt", 19), std::string()}) {
        SCOPED_TRACE(name);
        const std::vector<Entry> entries = {renameOf("armes.bls"), removalOf(name)};
        const std::vector<std::uint8_t> bytes = encodeSaveJournal(entries);
        EXPECT_FALSE(decodeSaveJournal(bytes.data(), bytes.size()));
        writeJournal(entries);
        expectLeftAlone("the name " + name);
        clear();
    }
    // Something else under the journal's name: a folder, a pipe nobody writes to.
    fs::create_directories(saveJournalFile(path) + "/dedans");
    expectLeftAlone("a folder");
    fs::remove_all(saveJournalFile(path));
    ASSERT_EQ(::mkfifo(saveJournalFile(path).c_str(), 0600), 0);
    expectLeftAlone("a named pipe");
    fs::remove(saveJournalFile(path));
    // Too large for any journal a save writes.
    testing::writeFile(saveJournalFile(path), std::string(2u << 20, 'j'));
    expectLeftAlone("two megabytes");
}

TEST_F(HostileJournal, ASaveOverTheDocumentTakesTheJournalsNameAndTouchesNothingElse) {
    writeJournal({removalOf("these.odt"), removalOf("autrePx1.hpc")});
    const Folder before = folderContents(file("docs"));
    blazon().Partition = 12;
    ASSERT_TRUE(save(path).saved);
    const Folder after = folderContents(file("docs"));
    EXPECT_FALSE(after.count(FileNameOfPath(saveJournalFile(path))));
    for (const auto& [name, content] : before) {
        if (name.rfind("armes.bl", 0) == 0 || name.rfind("armesPx", 0) == 0) continue;
        EXPECT_EQ(after.count(name) ? after.at(name) : "<parti>", content) << name;
    }
}

TEST(SaveJournal, EncodesAndDecodesEveryKindOfEntry) {
    const std::vector<Entry> entries = {
        {Entry::Kind::Rename, "armes.bls", "armes.bls.~enregistrement", 0xFEDCBA9876543210u, 7},
        {Entry::Kind::Remove, "armesPx2.hpc"},
        {Entry::Kind::Rename, std::string(255, 'n'), "t", 1, 0xFFFFFFFFFFFFFFFFu},
    };
    const std::vector<std::uint8_t> bytes = encodeSaveJournal(entries);
    EXPECT_EQ(decodeSaveJournal(bytes.data(), bytes.size()), entries);
    const std::vector<std::uint8_t> none = encodeSaveJournal({});
    EXPECT_EQ(decodeSaveJournal(none.data(), none.size()), std::vector<Entry>{});
    // A name longer than any file system gives.
    const std::vector<std::uint8_t> long_ =
        encodeSaveJournal({{Entry::Kind::Remove, std::string(256, 'n')}});
    EXPECT_FALSE(decodeSaveJournal(long_.data(), long_.size()));
}

}  // namespace
}  // namespace tess
