// Every reader of the program against what is no file: a named pipe (which
// would hold a blocking open for good), a socket, /dev/zero (endless) and a
// folder named like the file. Each is refused at once, with the message the
// reader gives for it, and nothing else changes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <future>

#include "actions/file_commands.h"
#include "actions/insert_blazon.h"
#include "actions/opening.h"
#include "actions/picture_commands.h"
#include "model/settings.h"
#include "model/tincture_file.h"
#include "model/tincture_table.h"
#include "platform/file_reading.h"
#include "storage/error_numbers.h"
#include "storage/fur_file.h"
#include "storage/locate_missing_file.h"
#include "storage/settings_file.h"
#include "storage/side_files.h"
#include "support/charge_pictures.h"
#include "tests/storage/document_fixture.h"

namespace tess {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

enum class Hostile { Pipe, Socket, DevZero, Folder };

const char* nameOf(Hostile kind) {
    switch (kind) {
        case Hostile::Pipe:
            return "a named pipe";
        case Hostile::Socket:
            return "a socket";
        case Hostile::DevZero:
            return "/dev/zero";
        case Hostile::Folder:
            return "a folder";
    }
    return "";
}

// Puts the hostile thing at `path` in place of whatever stood there.
void make(Hostile kind, const std::string& path) {
    fs::remove_all(path);
    switch (kind) {
        case Hostile::Pipe:
            ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
            break;
        case Hostile::Socket: {
            // A socket's address holds about a hundred bytes, less than the
            // path of a checkout in a deep folder: it is bound by its bare
            // name from inside its folder.
            const std::string name = fs::path(path).filename().string();
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            ASSERT_LT(name.size(), sizeof(address.sun_path));
            std::copy(name.begin(), name.end(), address.sun_path);
            const fs::path here = fs::current_path();
            fs::current_path(fs::path(path).parent_path());
            const int bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address));
            fs::current_path(here);
            ::close(fd);
            ASSERT_EQ(bound, 0);
            break;
        }
        case Hostile::DevZero:
            ASSERT_EQ(::symlink("/dev/zero", path.c_str()), 0);
            break;
        case Hostile::Folder:
            fs::create_directories(path);
            break;
    }
}

class HostileFiles : public testing::DocumentTest {
  protected:
    HostileFiles() { ws().ui = &ui; }

    // Runs `read` and fails unless it returns at once. A reader stuck on the
    // pipe is let go by a writer that opens and closes it.
    void atOnce(const std::string& hostilePath, const std::function<void()>& read) {
        auto done = std::async(std::launch::async, read);
        if (done.wait_for(5s) == std::future_status::ready) return;
        const int fd = ::open(hostilePath.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) ::close(fd);
        done.wait();
        ADD_FAILURE() << "the reader waited on " << hostilePath;
    }

    // A saved document with a charge, a coat of arms in part 3 and the user
    // fur `fur` (none when empty), written afresh for each case.
    std::string savedDocument(const std::string& fur = "") {
        program = std::make_unique<testing::Program>();
        ws().ui = &ui;
        if (!fur.empty()) blazon().UserFurs[0] = {fur, 0, 5, 5};
        const int lion = addPicture("lion.bmp", testing::kLion);
        placeCharge(1, lion, 40, 50, 8, 4, 3);
        placeCharge(2, lion, 90, 50, 8, 4, 0);
        const std::string inner = doc("inner.bls");
        EXPECT_TRUE(save(inner).saved);
        blazon().Parts[3].InsertedPath = inner;
        blazon().Parts[3].Kind = kClassInserted;
        r().InsertedPictures[3] = r().canvas;
        const std::string path = doc("armes.bls");
        EXPECT_TRUE(save(path).saved);
        return path;
    }

    testing::RecordingUi ui;
    testing::ScriptedDialogs scripted;
};

TEST_F(HostileFiles, EveryReaderRefusesWhatIsNoFileAtOnce) {
    auto shown = [&](const std::string& path) { return notAFileText(FileNameOfPath(path)); };
    struct Reader {
        const char* name;
        // Where the hostile thing goes (made ready by the reader's setup).
        std::function<std::string()> place;
        std::function<void(const std::string& path)> read;
    };
    const std::vector<Reader> readers = {
        {"whole file", [&] { return file("lion.bmp"); },
         [&](const std::string& p) { EXPECT_FALSE(readFileBytes(p)); }},
        {"file head", [&] { return file("lion.bmp"); },
         [&](const std::string& p) { EXPECT_FALSE(readFileHead(p, 8)); }},
        {"picture", [&] { return file("lion.bmp"); },
         [&](const std::string& p) {
             EXPECT_EQ(readPicture(p).refusal, PictureRefusal::NotAFile);
         }},
        {"picture list", [&] { return file("lion.bmp"); },
         [&](const std::string& p) {
             FileMessage refusal;
             EXPECT_EQ(AddPictureToList(ws(), p, &refusal), PictureAddOutcome::Refused);
             ASSERT_FALSE(refusal.empty());
             EXPECT_EQ(refusal.text, shown(p));
             EXPECT_TRUE(ws().Pictures.empty());
         }},
        {"open command", [&] { return doc("armes.bls"); },
         [&](const std::string& p) {
             const auto refusal = refusalToOpen(p);
             ASSERT_TRUE(refusal);
             EXPECT_EQ(refusal->text, shown(p));
         }},
        {"document", [&] { return doc("armes.bls"); },
         [&](const std::string& p) {
             const LoadOutcome out = LoadDocument(ws(), r(), p, scripted.dialogs());
             EXPECT_FALSE(out.loaded);
             EXPECT_EQ(out.message.text, shown(p));
             EXPECT_TRUE(scripted.questions.empty());
         }},
        {"recent document", [&] { return doc("armes.bls"); },
         [&](const std::string& p) {
             ws().Recent.RecentFiles[1] = p;
             const OpenOutcome out = OpenRecentFile(ws(), r(), 1, scripted.dialogs());
             EXPECT_FALSE(out.loaded);
             EXPECT_EQ(out.message.text, shown(p));
         }},
        {"arms", [&] { return doc("armes.bls"); },
         [&](const std::string& p) {
             const InsertOutcome out = InsertBlazonFromFile(ws(), r(), 1, p, scripted.dialogs());
             EXPECT_FALSE(out.inserted);
             EXPECT_EQ(out.message.text, shown(p));
             EXPECT_TRUE(scripted.questions.empty()) << "asked for as a missing file";
         }},
        {"arms preview", [&] { return bannerPreviewFile(savedDocument()); },
         [&](const std::string& p) {
             const InsertOutcome out =
                 InsertBlazonFromFile(ws(), r(), 1, doc("armes.bls"), scripted.dialogs());
             EXPECT_FALSE(out.inserted);
             EXPECT_EQ(out.message.text, shown(p));
             EXPECT_TRUE(scripted.questions.empty()) << "asked for as a missing file";
         }},
        {"side picture", [&] { return imagePictureFile(savedDocument(), 1); },
         [&](const std::string& p) {
             testing::Program fresh;
             const LoadOutcome out =
                 LoadDocument(fresh.ws, fresh.r, doc("armes.bls"), scripted.dialogs());
             EXPECT_TRUE(out.loaded);
             EXPECT_NE(out.message.text.find("« " + FileNameOfPath(p) + " »"), std::string::npos)
                 << out.message.text;
             EXPECT_NE(out.message.text.find("sans les 2 meubles"), std::string::npos);
             EXPECT_NE(out.message.text.find(" n'est pas un fichier"), std::string::npos);
             EXPECT_TRUE(scripted.questions.empty()) << "asked for as a missing file";
         }},
        {"arms side file", [&] { return partArmsFile(savedDocument(), 3); },
         [&](const std::string& p) {
             testing::Program fresh;
             const LoadOutcome out =
                 LoadDocument(fresh.ws, fresh.r, doc("armes.bls"), scripted.dialogs());
             EXPECT_TRUE(out.loaded);
             EXPECT_NE(out.message.text.find(FileNameOfPath(p) + " » n'est pas un fichier"),
                       std::string::npos);
             EXPECT_TRUE(fresh.ws.CurrentBlazon.Parts[3].InsertedPath.empty());
             EXPECT_TRUE(scripted.questions.empty());
         }},
        {"save journal", [&] { return saveJournalFile(savedDocument()); },
         [&](const std::string&) {
             testing::Program fresh;
             EXPECT_TRUE(LoadDocument(fresh.ws, fresh.r, doc("armes.bls"), {}).loaded);
         }},
        {"fur file", [&] { return file("fourrure.fmp"); },
         [&](const std::string& p) { EXPECT_EQ(OpenFurFileHeader(p).error, shown(p)); }},
        {"fur pattern", [&] { return file("fourrure.fmp"); },
         [&](const std::string& p) {
             blazon().UserFurs[0] = {p, 0, 5, 5};
             EXPECT_FALSE(LoadUserFurPattern(ws(), r(), p, 0));
         }},
        {"fur of a document",
         [&] {
             savedDocument(file("fourrure.fmp"));
             return file("fourrure.fmp");
         },
         [&](const std::string& p) {
             testing::Program fresh;
             const LoadOutcome out =
                 LoadDocument(fresh.ws, fresh.r, doc("armes.bls"), scripted.dialogs());
             EXPECT_TRUE(out.loaded);
             EXPECT_EQ(out.message.text, notAFileWords("« fourrure.fmp »", false) +
                                             " Le blason s'ouvre sans cette fourrure.");
             EXPECT_EQ(fresh.ws.CurrentBlazon.UserFurs[0].Path, p);
         }},
        {"settings file", [&] { return programFile(kSettingsFileName); },
         [&](const std::string&) {
             Settings settings;
             settings.RecentFiles[1] = "avant.bls";
             LoadSettingsFile(settings);
             EXPECT_EQ(settings.RecentFiles[1], "");
         }},
        {"colour file", [&] { return programFile("QRZ.inf"); },
         [&](const std::string&) {
             TinctureTable table;
             InitTinctures(table);
             table[3].Colour = 0x123456;
             LoadTinctureColours(table);
             EXPECT_EQ(table[3].Colour, table[3].DefaultColour);
         }},
        {"file found again", [&] { return file("pictures/found/lion.bmp"); },
         [&](const std::string& p) {
             scripted.answerYes = true;
             scripted.chosenFolder = FolderOfPath(p);
             EXPECT_EQ(LocateMissingFile(doc("lionPx1.hpc"), false, scripted.dialogs()), "");
             EXPECT_FALSE(fs::exists(doc("lionPx1.hpc")));
         }},
    };
    for (Hostile kind : {Hostile::Pipe, Hostile::Socket, Hostile::DevZero, Hostile::Folder}) {
        for (const Reader& reader : readers) {
            SCOPED_TRACE(std::string(reader.name) + " given " + nameOf(kind));
            program = std::make_unique<testing::Program>();
            ws().ui = &ui;
            scripted = {};
            const std::string path = reader.place();
            fs::create_directories(FolderOfPath(path));
            make(kind, path);
            atOnce(path, [&] { reader.read(path); });
            fs::remove_all(path);
        }
    }
}

// A link that leads round to itself holds no file either: each reader names
// it as such, never as a file one may not read or a damaged picture.
TEST_F(HostileFiles, ALinkLeadingRoundToItselfIsNamedAsSuch) {
    auto loop = [&](const std::string& path) {
        fs::remove_all(path);
        fs::create_symlink(fs::path(path).filename(), path);
        return path;
    };
    const std::string picture = loop(file("boucle.bmp"));
    FileMessage refusal;
    EXPECT_EQ(AddPictureToList(ws(), picture, &refusal), PictureAddOutcome::Refused);
    EXPECT_EQ(refusal.text, linkLoopText("boucle.bmp"));
    const FurFileOpening fur = OpenFurFileHeader(loop(file("boucle.fmp")));
    EXPECT_EQ(fur.error, linkLoopText("boucle.fmp"));
    EXPECT_EQ(fur.errorNumber, kFileAccessError);
    EXPECT_EQ(InsertBlazonFromFile(ws(), r(), 1, loop(doc("boucle.bls")), scripted.dialogs())
                  .message.text,
              linkLoopText("boucle.bls"));
    loop(bannerPreviewFile(savedDocument(file("boucle.fmp"))));
    EXPECT_EQ(InsertBlazonFromFile(ws(), r(), 1, doc("armes.bls"), scripted.dialogs()).message.text,
              linkLoopText("armes.blx"));
    testing::Program fresh;
    const LoadOutcome out = LoadDocument(fresh.ws, fresh.r, doc("armes.bls"), scripted.dialogs());
    EXPECT_EQ(out.message.text,
              linkLoopWords("« boucle.fmp »", false) + " Le blason s'ouvre sans cette fourrure.");
    EXPECT_TRUE(scripted.questions.empty());
}

}  // namespace
}  // namespace tess
