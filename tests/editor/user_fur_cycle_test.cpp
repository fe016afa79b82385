// A whole cycle with the user's own furs: a document holding two is opened,
// both swatches show, the second is dragged onto the first part, the document
// is saved and read back.
#include <QDropEvent>
#include <QMimeData>
#include <QTest>

#include <fstream>

#include "actions/document_file.h"
#include "actions/graphics_session.h"
#include "actions/user_fur_loading.h"
#include "editor/fur_palette_input.h"
#include "model/document.h"
#include "model/workspace.h"
#include "program_harness.h"
#include "render/renderer.h"
#include "support/file_bytes.h"
#include "tests/storage/fur_file_bytes.h"
#include "widgets/drag_payloads.h"
#include "widgets/help_opener.h"

using namespace tess;

namespace {

void mouse(QWidget* w, QEvent::Type type, QPointF at, Qt::MouseButtons held) {
    QMouseEvent event(type, at, w->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(w, &event);
}

}  // namespace

class UserFurCycleTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void theSecondUserFurDraggedOntoPartOneIsSaved();
    void aHelpFolderThatCannotBeMadeCostsOnlyTheHelp();

  private:
    QTemporaryDir documents;
};

// The document below is drawn before any program runs: its colours are read
// from, and first written to, a program folder of the test's own.
void UserFurCycleTest::initTestCase() {
    setProgramFolders(documents.path());
}

void UserFurCycleTest::theSecondUserFurDraggedOntoPartOneIsSaved() {
    const QString document = documents.filePath("Deux fourrures.bls");
    {
        // The document as the program writes it: two furs, in slots 0 and 1,
        // the second's file named without ".fmp", as a fur saved under the
        // name typed once was.
        BlankDocument blank;
        auto& [ws, r] = blank;
        const char* names[] = {"hermines.fmp", "motif"};
        for (int slot = 0; slot < 2; ++slot) {
            const QString path = documents.filePath(QString::fromLatin1(names[slot]));
            testing::writeBytes(
                path,
                testing::furFileBytes({"1.1.1", ".2.2.", "1.1.1", ".2.2.", "1.1.1"}, 20 * slot));
            UserFurRecord& fur = ws.CurrentBlazon.UserFurs[std::size_t(slot)];
            fur.Path = path.toStdString();
            fur.VerticalOffset = Byte(20 * slot);
            fur.TileWidth = fur.TileHeight = 5;
            QVERIFY(LoadUserFurPattern(ws, r, fur.Path, slot));
        }
        const SaveOutcome out = SaveDocument(ws, r, document.toStdString());
        QVERIFY2(out.saved, out.message.text.c_str());
    }

    ProgramHarness h(document.toStdString());
    QVERIFY(h.start());
    MainWindow& w = h.window();
    auto& swatches = w.panel<FurPalettePanel>().userFurSwatches();
    QVERIFY(swatches[0]->isVisible());
    QVERIFY(swatches[1]->isVisible());
    QVERIFY(swatches[2]->isHidden() && swatches[3]->isHidden());
    mouse(swatches[1], QEvent::MouseMove, {4, 4}, Qt::NoButton);
    QCOMPARE(swatches[1]->toolTip(), QStringLiteral("motif"));

    // The drag from the second swatch, its payload handed to the drop.
    std::unique_ptr<QMimeData> payload;
    w.panel<FurPaletteInput>().setDragStarter([&](QMimeData* data) { payload.reset(data); });
    mouse(swatches[1], QEvent::MouseButtonPress, {4, 4}, Qt::LeftButton);
    mouse(swatches[1], QEvent::MouseMove, {4, 20}, Qt::LeftButton);
    QVERIFY(payload);
    const int fur = draggedFur(payload.get());
    QCOMPARE(fur, kFirstUserFur + 1);
    // Dropped on the plain field (part 1): enter, one move and the drop.
    QWidget* canvas = w.panel<CanvasPanel>().canvas();
    const QPoint at(132, 150);
    QDragEnterEvent enter(at, Qt::CopyAction, payload.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &enter);
    QDragMoveEvent over(at, Qt::CopyAction, payload.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &over);
    QDropEvent dropped(QPointF(at), Qt::CopyAction, payload.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &dropped);
    QVERIFY(dropped.isAccepted());
    QCOMPARE(h.ws().CurrentBlazon.Parts[1].Kind, Long(117));
    QVERIFY(w.panel<TitleBar>().title().endsWith('*'));

    const SaveOutcome saved = SaveDocument(h.ws(), h.program->r(), document.toStdString());
    QVERIFY2(saved.saved, saved.message.text.c_str());
    Workspace back;
    Renderer r;
    InitGraphics(back, r);
    const LoadOutcome loaded =
        LoadDocument(back, r, document.toStdString(), w.session().fileDialogs());
    QVERIFY2(loaded.loaded, loaded.message.text.c_str());
    // The part's class is the fur (its tincture the fur's dominant one, for
    // the rule of tinctures).
    QCOMPARE(back.CurrentBlazon.Parts[1].Kind, Long(117));
    QCOMPARE(back.CurrentBlazon.UserFurs[1].Path, documents.filePath("motif").toStdString());
}

// A file where the help folder should be: the program starts all the same,
// and asking for help says which folder could not be written.
void UserFurCycleTest::aHelpFolderThatCannotBeMadeCostsOnlyTheHelp() {
    ProgramHarness h;
    QFile stone(h.home.filePath("Aide"));
    QVERIFY(stone.open(QIODevice::WriteOnly));
    stone.close();
    QVERIFY(h.start());
    QVERIFY(h.window().isVisible());
    int opened = 0;
    h.window().help().openUrl = [&](const QUrl&) { return ++opened > 0; };
    h.messages->boxes.clear();
    QVERIFY(!h.window().help().open(HelpContext::Contents));
    QCOMPARE(opened, 0);
    QCOMPARE(int(h.messages->boxes.size()), 1);
    QVERIFY(h.messages->boxes[0].text.contains(QDir::toNativeSeparators(h.home.filePath("Aide"))));
}

QTEST_MAIN(UserFurCycleTest)
#include "user_fur_cycle_test.moc"
