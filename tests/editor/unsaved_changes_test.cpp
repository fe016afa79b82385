// Unsaved changes: the title's "*" and the question asked before quitting.
#include <QTest>

#include "model/document.h"
#include "program_harness.h"
#include "render/renderer.h"

using namespace tess;

class UnsavedChangesTest : public QObject {
    Q_OBJECT
  private slots:
    void theTitleMarksAChangeAndNamesTheFile();
    void undoLeavesTheMarkAsItWas();
    void quitsWithoutAskingWhenNothingChanged();
    void nonKeepsTheProgramRunning();
    void ouiReleasesAndEnds();
    void everyWayOutAsks();
};

void UnsavedChangesTest::theTitleMarksAChangeAndNamesTheFile() {
    ProgramHarness h;
    QVERIFY(h.start());
    MainWindow& w = h.window();
    QCOMPARE(w.panel<TitleBar>().titleLabel()->text(), QStringLiteral("Tessaline"));
    // A change pushes the document as it was.
    h.ws().CurrentBlazon.ShieldShape = 4;
    h.edit();
    QCOMPARE(h.ws().Undos[1].ShieldShape, 4);
    QVERIFY(h.ws().Modified);
    QCOMPARE(w.panel<TitleBar>().titleLabel()->text(), QStringLiteral("Tessaline*"));
    h.edit();
    QCOMPARE(w.panel<TitleBar>().titleLabel()->text(), QStringLiteral("Tessaline*"));

    // A document with a file, as a save or an open leaves it.
    h.ws().CurrentBlazon.FilePath = "/somewhere/Écu de Bretagne.bls";
    h.ws().Modified = false;
    w.panel<TitleBar>().refreshTitle();
    QCOMPARE(w.panel<TitleBar>().titleLabel()->text(),
             QStringLiteral("Tessaline [Écu de Bretagne.bls]"));
    h.edit();
    QCOMPARE(w.panel<TitleBar>().titleLabel()->text(),
             QStringLiteral("Tessaline [Écu de Bretagne.bls]*"));
}

void UnsavedChangesTest::undoLeavesTheMarkAsItWas() {
    ProgramHarness h;
    QVERIFY(h.start());
    MainWindow& w = h.window();
    // Undo after a save: no mark, and the document still knows its file
    // although the copy it returns to was taken before the first save.
    h.edit();
    h.ws().CurrentBlazon.ShieldShape = 5;
    h.ws().CurrentBlazon.FilePath = "/x/a.bls";
    h.ws().CurrentBlazon.Folder = "/x/";
    h.ws().Modified = false;
    w.panel<TitleBar>().refreshTitle();
    w.panel<ToolbarInput>().undoLast();
    QCOMPARE(w.panel<TitleBar>().titleLabel()->text(), QStringLiteral("Tessaline [a.bls]"));
    QCOMPARE(h.ws().CurrentBlazon.ShieldShape, 1);
    QCOMPARE(h.ws().CurrentBlazon.FilePath, std::string("/x/a.bls"));
    // Undo after a change keeps it.
    h.edit();
    w.panel<ToolbarInput>().undoLast();
    QCOMPARE(w.panel<TitleBar>().titleLabel()->text(), QStringLiteral("Tessaline [a.bls]*"));
}

void UnsavedChangesTest::quitsWithoutAskingWhenNothingChanged() {
    ProgramHarness h;
    QVERIFY(h.start());
    QVERIFY(h.window().close());
    QVERIFY(h.messages->questions.empty());
    QCOMPARE(h.programEnded, 1);
    // Everything the renderer held is released.
    QVERIFY(!h.program->r().Initialised);
    QVERIFY(h.program->r().canvas.empty());
}

void UnsavedChangesTest::nonKeepsTheProgramRunning() {
    ProgramHarness h;
    QVERIFY(h.start());
    MainWindow& w = h.window();
    h.edit();
    const BlazonRecord before = h.ws().CurrentBlazon;
    QVERIFY(!w.close());  // unscripted: "Non"
    QCOMPARE(int(h.messages->questions.size()), 1);
    // Never saved: an empty file name between the question and " ?".
    QCOMPARE(h.messages->questions[0].text,
             QStringLiteral("\rÊtes-vous sûr de vouloir quitter sans sauvegarder  ?"));
    QCOMPARE(h.messages->questions[0].caption, QStringLiteral("Tessaline"));
    QCOMPARE(h.messages->ConfirmAnswer, kAnswerNon);
    QVERIFY(w.isVisible());
    QCOMPARE(h.programEnded, 0);
    QVERIFY(h.program->r().Initialised);
    QVERIFY(h.ws().CurrentBlazon == before);
    QCOMPARE(w.panel<TitleBar>().titleLabel()->text(), QStringLiteral("Tessaline*"));

    h.ws().CurrentBlazon.FilePath = h.home.filePath("MesVarodez/Lion d'or.bls").toStdString();
    QVERIFY(!w.close());
    QCOMPARE(h.messages->questions.back().text,
             QStringLiteral("\rÊtes-vous sûr de vouloir quitter sans sauvegarder Lion d'or.bls ?"));
}

void UnsavedChangesTest::ouiReleasesAndEnds() {
    ProgramHarness h;
    QVERIFY(h.start());
    h.edit();
    h.messages->questionAnswers = {true};
    QVERIFY(h.window().close());
    QCOMPARE(h.messages->ConfirmAnswer, kAnswerOui);
    QCOMPARE(h.programEnded, 1);
    QVERIFY(!h.program->r().Initialised);
}

void UnsavedChangesTest::everyWayOutAsks() {
    ProgramHarness h;
    QVERIFY(h.start());
    MainWindow& w = h.window();
    h.edit();
    // The close button of the own title bar.
    w.panel<TitleBar>().closeButton()->click();
    // The "Quitter" item of the file menu, from a right click on the free area.
    h.messages->popupChoice = QStringLiteral("quitAction");
    QTest::mouseClick(&w, Qt::RightButton, {}, QPoint(470, 400));
    QCOMPARE(int(h.messages->questions.size()), 2);
    QVERIFY(w.isVisible());
    QCOMPARE(h.programEnded, 0);
}

QTEST_MAIN(UnsavedChangesTest)
#include "unsaved_changes_test.moc"
