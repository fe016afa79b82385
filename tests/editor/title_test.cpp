// The title mark: the product name, the file name and the unsaved "*".
#include <QTest>

#include "model/document.h"
#include "program_harness.h"
#include "render/renderer.h"

using namespace tess;

class TitleTest : public QObject {
    Q_OBJECT
  private slots:
    void titleInEachState();
    void setUndosPushesTheDocument();
    void undoLeavesTheMark();
    void clearChargeEmptiesTheRecord();
};

void TitleTest::titleInEachState() {
    ProgramHarness h;
    QVERIFY(h.start());
    Form1& w = h.window();
    QCOMPARE(w.Label2->text(), QStringLiteral("Tessaline"));

    w.SetUndos();
    QCOMPARE(w.Label2->text(), QStringLiteral("Tessaline*"));
    w.SetUndos();
    QCOMPARE(w.Label2->text(), QStringLiteral("Tessaline*"));

    // A document with a file, as a save or an open leaves it.
    h.ws().CurrentBlazon.FilePath = "/somewhere/Écu de Bretagne.bls";
    h.ws().Modified = false;
    w.refreshTitle();
    QCOMPARE(w.Label2->text(), QStringLiteral("Tessaline [Écu de Bretagne.bls]"));
    w.SetUndos();
    QCOMPARE(w.Label2->text(), QStringLiteral("Tessaline [Écu de Bretagne.bls]*"));
}

void TitleTest::setUndosPushesTheDocument() {
    ProgramHarness h;
    QVERIFY(h.start());
    BlazonRecord& b = h.ws().CurrentBlazon;
    b.ShieldShape = 4;
    h.window().SetUndos();
    QCOMPARE(h.ws().Undos[1].ShieldShape, 4);
    b.ShieldShape = 6;
    h.window().SetUndos();
    QCOMPARE(h.ws().Undos[1].ShieldShape, 6);
    QCOMPARE(h.ws().Undos[2].ShieldShape, 4);
    QVERIFY(h.ws().Modified);
}

void TitleTest::undoLeavesTheMark() {
    ProgramHarness h;
    QVERIFY(h.start());
    Form1& w = h.window();
    // Undo after a save: no mark, and the document still knows its file
    // although the copy it returns to was taken before the first save.
    w.SetUndos();
    h.ws().CurrentBlazon.ShieldShape = 5;
    h.ws().CurrentBlazon.FilePath = "/x/a.bls";
    h.ws().CurrentBlazon.Folder = "/x/";
    h.ws().Modified = false;
    w.refreshTitle();
    w.undoLast();
    QCOMPARE(w.Label2->text(), QStringLiteral("Tessaline [a.bls]"));
    QCOMPARE(h.ws().CurrentBlazon.ShieldShape, 1);
    QCOMPARE(h.ws().CurrentBlazon.FilePath, std::string("/x/a.bls"));
    // Undo after a change keeps it.
    w.SetUndos();
    w.undoLast();
    QCOMPARE(w.Label2->text(), QStringLiteral("Tessaline [a.bls]*"));
}

void TitleTest::clearChargeEmptiesTheRecord() {
    ProgramHarness h;
    QVERIFY(h.start());
    ChargeRecord& c = h.ws().CurrentBlazon.Charges[7];
    c = ChargeRecord{1, 10, 20, 30, 40, 3, 5, "lion.bmp", 4, 33, -1, -1, 2};
    h.window().ClearCharge(7);
    QCOMPARE(c.InUse, 0);
    QCOMPARE(c.ImageIndex, 0);
    QVERIFY(c.ImageName.empty());
    QCOMPARE(c.Tincture, -1);
    QCOMPARE(c.Width, 0);
    QCOMPARE(c.Brochant, 0);
    // Placement, mirroring and group are left as they were.
    QCOMPARE(int(c.Placement), 3);
    QCOMPARE(c.Mirrored, -1);
    QCOMPARE(int(c.Motif), 2);
    // Out of range: nothing happens, nothing breaks.
    h.window().ClearCharge(0);
    h.window().ClearCharge(51);
}

QTEST_MAIN(TitleTest)
#include "title_test.moc"
