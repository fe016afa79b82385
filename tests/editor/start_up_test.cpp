// The start-up: intro, drive check, main window with the blank shield.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTest>

#include "actions/redraw_shield.h"
#include "dialogs/question_box.h"
#include "model/tincture_table.h"
#include "platform/qimage_bridge.h"
#include "render/renderer.h"
#include "widgets/picture_box.h"
#include "window_test.h"

using namespace tess;

class StartUpTest : public WindowTest {
    Q_OBJECT
  private slots:
    void reachesTheMainWindowWithTheBlankShield();
    void theIntroShowsTenFramesThenStops();
    void leavesTheDocumentsFolderAndTheColourFile();
    void fillsThePiecesListInOrder();
    void definesTheMenusWithTheirCaptions();

  private:
};

void StartUpTest::reachesTheMainWindowWithTheBlankShield() {
    MainWindow& w = h->window();
    QVERIFY(w.isVisible());
    QVERIFY(!h->program->intro()->isVisible());
    QCOMPARE(w.panel<TitleBar>().titleLabel()->text(), QStringLiteral("Tessaline"));
    QVERIFY(!h->ws().Modified);

    // The canvas shows the drawn shield: Azur inside, the parchment corner outside.
    const QImage canvas = w.panel<CanvasPanel>().canvas()->picture();
    QCOMPARE(canvas.size(), QSize(265, 340));
    const Colour azur = Colour(h->ws().Tinctures[kAzur].Colour);
    QCOMPARE(canvas.pixel(132, 170) & 0xFFFFFF,
             qRgb(redOf(azur), greenOf(azur), blueOf(azur)) & 0xFFFFFF);
    QCOMPARE(canvas, toQImage(h->program->r().canvas));

    // The blazon under the shield is the redraw's own text.
    const RedrawResult again = RedrawShield(h->ws(), h->program->r());
    QCOMPARE(w.panel<BlazonPanel>().blazonLabel()->text(),
             QString::fromStdString(again.blazonText));
    QCOMPARE(w.panel<BlazonPanel>().blazonLabel()->text(), QStringLiteral("D'Azur."));
    // The palette's swatches show the current colours.
    QCOMPARE(w.panel<TincturePalettePanel>().tincturePalette()->picture().pixel(32, 36) & 0xFFFFFF,
             qRgb(redOf(azur), greenOf(azur), blueOf(azur)) & 0xFFFFFF);
    QVERIFY(!w.panel<BlazonPanel>().warningSign()->isVisible());
    QCOMPARE(w.panel<PieceOptions>().shapeChooser()->toolTip(), QStringLiteral("Classique"));

    // One icon for every window: a question shows the main window's own, not
    // a copy of it that Qt's pixmap cache would keep after the question.
    QVERIFY(!w.windowIcon().isNull());
    QuestionBox question(&w);
    QCOMPARE(question.windowIcon().cacheKey(), w.windowIcon().cacheKey());

    // The start-up window took the last progress text and is hidden.
    QCOMPARE(h->program->intro()->progressLabel->text(), QStringLiteral("Affichage d'un blason"));
    QVERIFY(h->messages->boxes.empty());
    QVERIFY(h->messages->questions.empty());
}

void StartUpTest::theIntroShowsTenFramesThenStops() {
    IntroWindow* s = h->program->intro();
    QCOMPARE(s->FrameCounter(), 11);
    QVERIFY(!s->timerRunning());
    QVERIFY(s->progressLabel->isVisibleTo(s));
    QVERIFY(s->creditsLabel->isVisibleTo(s));
    QCOMPARE(s->versionLabel->text(), QStringLiteral("v 1.3"));
}

void StartUpTest::leavesTheDocumentsFolderAndTheColourFile() {
    const QDir home(h->home.path());
    QVERIFY(QFileInfo(home.filePath("MesVarodez")).isDir());
    QVERIFY(QFileInfo(home.filePath("QRZ.inf")).isFile());
    QCOMPARE(QString::fromStdString(h->ws().Recent.LastDocFolder),
             home.filePath("MesVarodez") + "/");
}

void StartUpTest::fillsThePiecesListInOrder() {
    MainWindow& w = h->window();
    QListWidget* list = w.panel<PiecesListPanel>().piecesList();
    QCOMPARE(list->count(), 22);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Chef"));
    QCOMPARE(list->item(8)->text(), QStringLiteral("Écusson"));
    QCOMPARE(list->item(8)->data(Qt::UserRole).toInt(), 8);
    QCOMPARE(list->item(21)->text(), QStringLiteral("Croix"));
    QCOMPARE(list->item(21)->data(Qt::UserRole).toInt(), 16);
    QCOMPARE(list->pos(), w.panel<PictureListPanel>().pictureList()->pos());
    // "Meubles" is the tab shown.
    QVERIFY(w.panel<PictureListPanel>().pictureList()->isVisible());
    QVERIFY(!list->isVisible());
}

void StartUpTest::definesTheMenusWithTheirCaptions() {
    MainWindow& w = h->window();
    QStringList file;
    for (QAction* a : menuNamed(w, "fileMenu")->actions())
        if (!a->isSeparator()) file << a->objectName() + "=" + a->text();
    QCOMPARE(file,
             QStringList({"newAction=&Nouveau", "openAction=&Ouvrir", "saveAction=&Sauvegarder",
                          "saveAsAction=S&auvegarder sous", "exportAction=&Exporter",
                          "printAction=Im&primer", "gridAction=&Grille",
                          "recentFileAction1=", "recentFileAction2=", "recentFileAction3=",
                          "recentFileAction4=", "quitAction=&Quitter"}));
    // No recent document yet: the four entries are hidden.
    for (const char* recent :
         {"recentFileAction1", "recentFileAction2", "recentFileAction3", "recentFileAction4"})
        QVERIFY(!menuItem(w, recent)->isVisible());
    // Every menu is found under its member's name.
    for (const char* name : {"pictureMenu", "heldChargeMenu", "fileMenu", "firstOrderPieceMenu",
                             "secondOrderPieceMenu", "furMenu", "partMenu", "tinctureColourMenu"})
        QVERIFY2(w.findChild<QMenu*>(name), name);
    QCOMPARE(menuItem(w, "insertArmsOnPieceAction")->text(), QStringLiteral("&Insérer un blason"));
    QCOMPARE(menuItem(w, "defineUserFurAction")->text(),
             QStringLiteral("Définir une &Fourrure personnalisée (semer)"));
    QCOMPARE(menuItem(w, "adjustColourAction")->text(), QStringLiteral("Ajuster cette couleur"));
    // The blank document: no grid, the partition's line style can't be set on a plain field.
    QVERIFY(!menuItem(w, "gridAction")->isChecked());
    QVERIFY(!menuItem(w, "partLinesAction")->isEnabled());
}

QTEST_MAIN(StartUpTest)
#include "start_up_test.moc"
