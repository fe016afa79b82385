// The document named on the command line.
#include <QDir>
#include <QFile>
#include <QTest>
#include <filesystem>

#include "actions/document_file.h"
#include "actions/graphics_session.h"
#include "actions/redraw_shield.h"
#include "model/document.h"
#include "model/tincture_table.h"
#include "program_harness.h"
#include "render/renderer.h"

using namespace tess;

class CommandLineTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void opensAndTitlesTheSavedDocument();
    void aRelativeNameIsTakenFromTheStartingFolder();
    void aMissingDocumentLeavesTheBlankOneWithoutPath();
    void aFileThatIsNoDocumentIsReportedAndNotAdopted();
    void aLatin1NameOpensSavesBesideItselfAndReads();

  private:
    // Holds a Latin-1 name: removed by its bytes.
    tess::testing::TemporaryFolder documents;
    QString saved;
};

// A document saved by the program itself: a Spanish shield, its field Gueules.
void CommandLineTest::initTestCase() {
    setProgramFolders(documents.path());
    BlankDocument blank;
    auto& [ws, r] = blank;
    ws.CurrentBlazon.ShieldShape = 4;
    ws.CurrentBlazon.Parts[1].Tincture = kGueules;
    RedrawShield(ws, r);
    saved = documents.filePath("Armes de Léon.bls");
    const SaveOutcome out = SaveDocument(ws, r, saved.toStdString());
    QVERIFY2(out.saved, out.message.text.c_str());
}

void CommandLineTest::opensAndTitlesTheSavedDocument() {
    // Padded with blanks, as some launchers pass it.
    ProgramHarness h("  " + saved.toStdString() + " ");
    QVERIFY(h.start());
    MainWindow& w = h.window();
    QCOMPARE(w.panel<TitleBar>().titleLabel()->text(),
             QStringLiteral("Tessaline [Armes de Léon.bls]"));
    QCOMPARE(QString::fromStdString(h.ws().CurrentBlazon.FilePath), saved);
    QCOMPARE(h.ws().CurrentBlazon.ShieldShape, 4);
    QVERIFY(!h.ws().Modified);
    QVERIFY(h.messages->boxes.empty());
    // The wait box came and went.
    QCOMPARE(int(h.messages->waits.size()), 1);
    QCOMPARE(h.messages->waitsHidden, 1);
    const Colour gueules = Colour(h.ws().Tinctures[kGueules].Colour);
    QCOMPARE(w.panel<CanvasPanel>().canvas()->picture().pixel(132, 170) & 0xFFFFFF,
             qRgb(redOf(gueules), greenOf(gueules), blueOf(gueules)) & 0xFFFFFF);
    QCOMPARE(QString::fromStdString(h.ws().Recent.LastDocFolder), documents.path() + "/");
}

void CommandLineTest::aRelativeNameIsTakenFromTheStartingFolder() {
    const QString before = QDir::currentPath();
    QDir::setCurrent(documents.path());
    ProgramHarness h("Armes de Léon.bls");
    const bool started = h.start();
    QDir::setCurrent(before);
    QVERIFY(started);
    QCOMPARE(QString::fromStdString(h.ws().CurrentBlazon.FilePath), saved);
    QCOMPARE(h.window().panel<TitleBar>().titleLabel()->text(),
             QStringLiteral("Tessaline [Armes de Léon.bls]"));
}

void CommandLineTest::aMissingDocumentLeavesTheBlankOneWithoutPath() {
    ProgramHarness h(documents.filePath("Absent.bls").toStdString());
    QVERIFY(h.start());
    QCOMPARE(int(h.messages->boxes.size()), 1);
    QCOMPARE(h.messages->boxes[0].title, QStringLiteral("Ouvrir un blason"));
    QCOMPARE(h.messages->boxes[0].style, 48);
    QVERIFY(h.ws().CurrentBlazon.FilePath.empty());
    QCOMPARE(h.window().panel<TitleBar>().titleLabel()->text(), QStringLiteral("Tessaline"));
    QVERIFY(!h.ws().Modified);
}

void CommandLineTest::aFileThatIsNoDocumentIsReportedAndNotAdopted() {
    const QString notes = documents.filePath("notes.txt");
    QFile f(notes);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("Ceci n'est pas un blason.\n");
    f.close();
    ProgramHarness h(notes.toStdString());
    QVERIFY(h.start());
    QCOMPARE(int(h.messages->boxes.size()), 1);
    QCOMPARE(h.messages->boxes[0].title, QStringLiteral("Fichier incompatible"));
    // Nothing can later be saved over it.
    QVERIFY(h.ws().CurrentBlazon.FilePath.empty());
    QCOMPARE(h.window().panel<TitleBar>().titleLabel()->text(), QStringLiteral("Tessaline"));
    f.open(QIODevice::ReadOnly);
    QCOMPARE(f.readAll(), QByteArray("Ceci n'est pas un blason.\n"));
}

// A name from an older disk: Latin-1 bytes, no UTF-8. The window keeps the
// bytes as the document's path and shows the name readable.
void CommandLineTest::aLatin1NameOpensSavesBesideItselfAndReads() {
    const std::string path = QFile::encodeName(documents.path()).toStdString() + "/arm\xe9s.bls";
    {
        Workspace ws;
        Renderer r;
        InitGraphics(ws, r);
        ResetDocument(ws);
        ws.CurrentBlazon.Partition = 14;
        QVERIFY(SaveDocument(ws, r, path).saved);
    }
    ProgramHarness h(path);
    QVERIFY(h.start());
    QVERIFY(h.messages->boxes.empty());
    QCOMPARE(h.ws().CurrentBlazon.FilePath, path);
    QCOMPARE(h.ws().CurrentBlazon.Partition, 14);
    QCOMPARE(h.window().panel<TitleBar>().titleLabel()->text(),
             QStringLiteral("Tessaline [armés.bls]"));

    // Saved again from the window's document: under the same bytes, beside itself.
    h.ws().CurrentBlazon.Partition = 10;
    QVERIFY(SaveDocument(h.ws(), h.program->r(), h.ws().CurrentBlazon.FilePath).saved);
    QVERIFY(std::filesystem::exists(path.substr(0, path.size() - 1) + "z"));
    ProgramHarness again(path);
    QVERIFY(again.start());
    QCOMPARE(again.ws().CurrentBlazon.Partition, 10);
}

QTEST_MAIN(CommandLineTest)
#include "command_line_test.moc"
