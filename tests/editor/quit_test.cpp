// The quit: asked only with unsaved changes, "Non" keeps the program running.
#include <QTest>

#include "model/document.h"
#include "program_harness.h"
#include "render/renderer.h"

using namespace tess;

class QuitTest : public QObject {
    Q_OBJECT
  private slots:
    void quitsWithoutAskingWhenNothingChanged();
    void nonKeepsTheProgramRunning();
    void ouiReleasesAndEnds();
    void namesTheDocumentInTheQuestion();
    void everyWayOutAsks();
};

void QuitTest::quitsWithoutAskingWhenNothingChanged() {
    ProgramHarness h;
    QVERIFY(h.start());
    QVERIFY(h.window().close());
    QVERIFY(h.messages->questions.empty());
    QCOMPARE(h.programEnded, 1);
    // Everything the renderer held is released.
    QVERIFY(!h.program->r.Initialised);
    QVERIFY(h.program->r.Picture1.empty());
}

void QuitTest::nonKeepsTheProgramRunning() {
    ProgramHarness h;
    QVERIFY(h.start());
    Form1& w = h.window();
    w.SetUndos();
    const BlazonRecord before = h.ws().CurrentBlazon;
    h.messages->questionAnswers = {false};
    QVERIFY(!w.close());
    QCOMPARE(int(h.messages->questions.size()), 1);
    // Never saved: an empty file name between the question and " ?".
    QCOMPARE(h.messages->questions[0].text,
             QStringLiteral("\rÊtes-vous sûr de vouloir quitter sans sauvegarder  ?"));
    QCOMPARE(h.messages->questions[0].caption, QStringLiteral("Tessaline"));
    QCOMPARE(h.messages->ConfirmAnswer, kAnswerNon);
    QVERIFY(w.isVisible());
    QCOMPARE(h.programEnded, 0);
    QVERIFY(h.program->r.Initialised);
    QVERIFY(h.ws().CurrentBlazon == before);
    QCOMPARE(w.Label2->text(), QStringLiteral("Tessaline*"));
}

void QuitTest::ouiReleasesAndEnds() {
    ProgramHarness h;
    QVERIFY(h.start());
    h.window().SetUndos();
    h.messages->questionAnswers = {true};
    QVERIFY(h.window().close());
    QCOMPARE(h.messages->ConfirmAnswer, kAnswerOui);
    QCOMPARE(h.programEnded, 1);
    QVERIFY(!h.program->r.Initialised);
}

void QuitTest::namesTheDocumentInTheQuestion() {
    ProgramHarness h;
    QVERIFY(h.start());
    h.ws().CurrentBlazon.FilePath = h.home.filePath("MesVarodez/Lion d'or.bls").toStdString();
    h.window().SetUndos();
    QVERIFY(!h.window().close());
    QCOMPARE(h.messages->questions.back().text,
             QStringLiteral("\rÊtes-vous sûr de vouloir quitter sans sauvegarder Lion d'or.bls ?"));
}

void QuitTest::everyWayOutAsks() {
    ProgramHarness h;
    QVERIFY(h.start());
    Form1& w = h.window();
    w.SetUndos();
    // The close button of the own title bar.
    w.Command1->click();
    // The "Quitter" item of the file menu, from a right click on the free area.
    h.messages->popupChoice = QStringLiteral("mnuQuit");
    QTest::mouseClick(&w, Qt::RightButton, {}, QPoint(470, 400));
    QCOMPARE(int(h.messages->questions.size()), 2);
    QVERIFY(w.isVisible());
    QCOMPARE(h.programEnded, 0);
}

QTEST_MAIN(QuitTest)
#include "quit_test.moc"
