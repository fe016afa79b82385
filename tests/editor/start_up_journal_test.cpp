// The start-up, and the window's open commands, with a recent document beside
// which lies a save journal its own save did not write: the program starts,
// names the journal, and renames or removes no file of the folder.
#include <QTest>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <map>

#include "actions/document_file.h"
#include "actions/graphics_session.h"
#include "actions/redraw_shield.h"
#include "model/document.h"
#include "platform/file_steps.h"
#include "platform/save_journal.h"
#include "program_harness.h"
#include "render/renderer.h"
#include "storage/settings_file.h"
#include "storage/side_files.h"

using namespace tess;
namespace fs = std::filesystem;

namespace {

using Folder = std::map<std::string, std::string>;

std::string contentOf(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Every name of the folder with its bytes.
Folder snapshot(const std::string& folder) {
    Folder files;
    for (const auto& entry : fs::directory_iterator(folder))
        files[entry.path().filename().string()] = contentOf(entry.path());
    return files;
}

bool anyBoxSays(const ScriptedMessages& m, const QString& part) {
    for (const ScriptedMessages::Box& box : m.boxes)
        if (box.text.contains(part)) return true;
    return false;
}

}  // namespace

class StartUpJournalTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void aForeignJournalIsNamedAtStartUpAndAtEachOpenAndTouchesNothing();

  private:
    QTemporaryDir documents;
    std::string path, other;
    std::string otherJournal;  // a real journal of the other document's save
};

// Two documents saved by the program; the other one's last save stopped
// right after its commit point, so its journal is a real one.
void StartUpJournalTest::initTestCase() {
    setProgramFolders(documents.path());
    BlankDocument blank;
    auto& [ws, r] = blank;
    RedrawShield(ws, r);
    const std::string folder = documents.filePath("docs").toStdString();
    fs::create_directories(folder);
    path = folder + "/armes.bls";
    other = folder + "/autre.bls";
    QVERIFY(SaveDocument(ws, r, path).saved);
    QVERIFY(SaveDocument(ws, r, other).saved);
    ws.CurrentBlazon.Partition = 14;
    setFileStepHook([&](FileStep step, const std::string& p) {
        return step == FileStep::Rename && p == other ? EIO : 0;
    });
    const bool saved = SaveDocument(ws, r, other).saved;
    setFileStepHook({});
    QVERIFY(saved);
    otherJournal = contentOf(saveJournalFile(other));
    QVERIFY(!otherJournal.empty());
    fs::remove(saveJournalFile(other));
    writeFile(folder + "/these.odt", "la thèse de quelqu'un");
    writeFile(folder + "/armesPx1.hpc\n", "un saut de ligne");
}

void StartUpJournalTest::aForeignJournalIsNamedAtStartUpAndAtEachOpenAndTouchesNothing() {
    const auto removals = encodeSaveJournal({{SaveJournalEntry::Kind::Remove, "these.odt"},
                                             {SaveJournalEntry::Kind::Remove, "autre.bls"},
                                             {SaveJournalEntry::Kind::Remove, "armesPx1.hpc\n"}});
    const std::map<QString, std::string> journals = {
        {"another document's journal", otherJournal},
        {"removals only", std::string(removals.begin(), removals.end())},
        {"a damaged journal", otherJournal.substr(0, otherJournal.size() - 3)},
    };
    const std::string folder = fs::path(path).parent_path().string();
    const QString named = "« " + QString::fromStdString(saveJournalFile(path)) + " »";
    for (const auto& [what, bytes] : journals) {
        writeFile(saveJournalFile(path), bytes);
        const Folder before = snapshot(folder);

        ProgramHarness h;
        Settings settings;
        settings.RecentFiles[1] = path;
        QCOMPARE(QString::fromStdString(SaveSettingsFile(settings)), QString());
        QVERIFY2(h.start(), qPrintable(what));
        QVERIFY2(anyBoxSays(*h.messages, named), qPrintable(what));
        QCOMPARE(h.messages->boxes.size(), std::size_t(1));
        QVERIFY2(snapshot(folder) == before, qPrintable(what));
        const auto m = [&](const char* name) { return menuItem(h.window(), name); };
        QCOMPARE(m("recentFileAction1")->text(), QStringLiteral("armes.bls"));

        // Opened from the recent list, then with the open command: the
        // document opens as it stands, and the journal is named again.
        m("recentFileAction1")->trigger();
        QCOMPARE(h.window().panel<TitleBar>().titleLabel()->text(),
                 QStringLiteral("Tessaline [armes.bls]"));
        QCOMPARE(h.messages->boxes.size(), std::size_t(2));
        QVERIFY(h.messages->boxes.back().text.contains(named));
        h.messages->files = {QString::fromStdString(path)};
        m("openAction")->trigger();
        QCOMPARE(h.messages->boxes.size(), std::size_t(3));
        QVERIFY(h.messages->boxes.back().text.contains(named));
        QCOMPARE(h.window().panel<TitleBar>().titleLabel()->text(),
                 QStringLiteral("Tessaline [armes.bls]"));
        QVERIFY2(snapshot(folder) == before, qPrintable(what));
    }
}

QTEST_MAIN(StartUpJournalTest)
#include "start_up_journal_test.moc"
