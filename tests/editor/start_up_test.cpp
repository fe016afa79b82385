// The start-up: intro, drive check, main window with the blank shield.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTest>

#include "editor/picture_box.h"
#include "model/tincture_table.h"
#include "platform/qimage_bridge.h"
#include "program_harness.h"
#include "actions/redraw_shield.h"
#include "render/renderer.h"

using namespace tess;

class StartUpTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void reachesTheMainWindowWithTheBlankShield();
    void theIntroShowsTenFramesThenStops();
    void leavesTheDocumentsFolderAndTheColourFile();
    void fillsThePiecesListInOrder();
    void definesTheMenusWithTheirCaptions();
    void cleanupTestCase();

  private:
    ProgramHarness* h = nullptr;
};

// The checks share one start: each looks at a different side of it.
void StartUpTest::initTestCase() {
    h = new ProgramHarness;
    QVERIFY(h->start());
}

void StartUpTest::cleanupTestCase() {
    delete h;
}

void StartUpTest::reachesTheMainWindowWithTheBlankShield() {
    Form1& w = h->window();
    QVERIFY(w.isVisible());
    QVERIFY(!h->program->splash()->isVisible());
    QCOMPARE(w.Label2->text(), QStringLiteral("Tessaline"));
    QVERIFY(!h->ws().Modified);

    // The canvas shows the drawn shield: Azur inside, the parchment corner outside.
    const QImage canvas = w.Picture1->picture();
    QCOMPARE(canvas.size(), QSize(265, 340));
    const Colour azur = Colour(h->ws().Tinctures[kAzur].Colour);
    QCOMPARE(canvas.pixel(132, 170) & 0xFFFFFF,
             qRgb(redOf(azur), greenOf(azur), blueOf(azur)) & 0xFFFFFF);
    QCOMPARE(canvas, toQImage(h->program->r.canvas));

    // The blazon under the shield is the redraw's own text.
    const RedrawResult again = RedrawShield(h->ws(), h->program->r);
    QCOMPARE(w.WarnLabel->text(), QString::fromStdString(again.blazonText));
    QCOMPARE(w.WarnLabel->text(), QStringLiteral("D'Azur."));
    // The palette's swatches show the current colours.
    QCOMPARE(w.EmPic->picture().pixel(32, 36) & 0xFFFFFF,
             qRgb(redOf(azur), greenOf(azur), blueOf(azur)) & 0xFFFFFF);
    QVERIFY(!w.WarnPic->isVisible());
    QCOMPARE(w.Picture2->toolTip(), QStringLiteral("Classique"));

    // The start-up window took the last progress text and is hidden.
    QCOMPARE(h->program->splash()->Label1->text(), QStringLiteral("Affichage d'un blason"));
    QVERIFY(h->messages->boxes.empty());
    QVERIFY(h->messages->questions.empty());
}

void StartUpTest::theIntroShowsTenFramesThenStops() {
    frmSplash* s = h->program->splash();
    QCOMPARE(s->FrameCounter(), 11);
    QVERIFY(!s->timerRunning());
    QVERIFY(s->Label1->isVisibleTo(s));
    QVERIFY(s->Label2->isVisibleTo(s));
    QCOMPARE(s->Label3->text(), QStringLiteral("v 1.3"));
}

void StartUpTest::leavesTheDocumentsFolderAndTheColourFile() {
    const QDir home(h->home.path());
    QVERIFY(QFileInfo(home.filePath("MesVarodez")).isDir());
    QVERIFY(QFileInfo(home.filePath("QRZ.inf")).isFile());
    QCOMPARE(QString::fromStdString(h->ws().Recent.LastDocFolder),
             home.filePath("MesVarodez") + "/");
}

void StartUpTest::fillsThePiecesListInOrder() {
    Form1& w = h->window();
    QListWidget* list = w.ListView2;
    QCOMPARE(list->count(), 22);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Chef"));
    QCOMPARE(list->item(8)->text(), QStringLiteral("Écusson"));
    QCOMPARE(list->item(8)->data(Qt::UserRole).toInt(), 8);
    QCOMPARE(list->item(21)->text(), QStringLiteral("Croix"));
    QCOMPARE(list->item(21)->data(Qt::UserRole).toInt(), 16);
    QCOMPARE(list->pos(), w.ListView1->pos());
    // "Meubles" is the tab shown.
    QVERIFY(w.ListView1->isVisible());
    QVERIFY(!list->isVisible());
}

void StartUpTest::definesTheMenusWithTheirCaptions() {
    Form1& w = h->window();
    QStringList file;
    for (QAction* a : w.menus.mnuFile->actions())
        if (!a->isSeparator()) file << a->objectName() + "=" + a->text();
    QCOMPARE(file, QStringList({"mnuNew=&Nouveau", "mnuOpen=&Ouvrir", "mnuSave=&Sauvegarder",
                                "mnuSaveAs=S&auvegarder sous", "mnuExport=&Exporter",
                                "mnuPrint=Im&primer", "mnuGrid=&Grille", "mnuFile1=", "mnuFile2=",
                                "mnuFile3=", "mnuFile4=", "mnuQuit=&Quitter"}));
    // No recent document yet: the four entries are hidden.
    for (int i = 1; i <= 4; ++i) QVERIFY(!w.menus.mnuFileN[std::size_t(i)]->isVisible());
    // The first-order piece's menu under its own name.
    QVERIFY(w.findChild<QMenu*>("mnuOrdre1"));
    QVERIFY(!w.findChild<QMenu*>("mnuFuck"));
    QVERIFY(w.findChild<QAction*>(QStringLiteral("mnuAddBlsÉcu")));
    QCOMPARE(w.menus.mnuDefFour->text(),
             QStringLiteral("Définir une &Fourrure personnalisée (semer)"));
    QCOMPARE(w.menus.mnuAdjust->text(), QStringLiteral("Ajuster cette couleur"));
    // The blank document: no grid, the partition's line style can't be set on a plain field.
    QVERIFY(!w.menus.mnuGrid->isChecked());
    QVERIFY(!w.menus.mnuRabPart->isEnabled());
}

QTEST_MAIN(StartUpTest)
#include "start_up_test.moc"
