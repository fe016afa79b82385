// The picture list, the pieces list, the picture properties and the line
// styles, driven through the main window's own widgets and menus.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "actions/charge_placing.h"
#include "actions/document_file.h"
#include "actions/redraw_shield.h"
#include "dialogs/line_style_dialog.h"
#include "dialogs/picture_properties_dialog.h"
#include "editor/blazon_panel.h"
#include "model/line_kinds.h"
#include "model/workspace.h"
#include "platform/qimage_bridge.h"
#include "render/document_surfaces.h"
#include "window_test.h"

using namespace tess;

class ListsAndLineStylesTest : public WindowTest {
    Q_OBJECT
  private slots:
    void aSecondPictureOfTheSameNameIsRefused();
    void doubleClicksOnPalCycleItsRepeatsAndUndoWalksBack();
    void removingAPieceThatCarriesAChargeAsksFirst();
    void appliedLineStyleStaysThroughCancelAndMarksTheTitle();
    void aPhraseSetInThePropertiesIsSavedAndReopened();
    void aDoubleClickWhileHoldingPutsTheHeldChargeBackInItsOwnRecord();
    void eachListedFileShowsItsOwnSmallIcon();

  private:
    QString writePicture(const QString& name, const char* format);
    void doubleClickPiece(const QString& name);
    void placeFirstPicture(int x, int y);
    QString title() { return d->title(); }
};

// A 12 x 10 red square on white, in the run's own folder.
QString ListsAndLineStylesTest::writePicture(const QString& name, const char* format) {
    QImage image(12, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 2; y < 8; ++y)
        for (int x = 2; x < 10; ++x) image.setPixel(x, y, qRgb(255, 0, 0));
    const QString path = h->home.filePath(name);
    if (!image.save(path, format)) qFatal("cannot write %s", qPrintable(path));
    return path;
}

void ListsAndLineStylesTest::doubleClickPiece(const QString& name) {
    w->panel<ListTabs>().showPiecesTab();
    QListWidget* list = w->panel<PiecesListPanel>().piecesList();
    const auto found = list->findItems(name, Qt::MatchExactly);
    QVERIFY(!found.isEmpty());
    list->scrollToItem(found[0]);
    const QPoint at = list->visualItemRect(found[0]).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

// The list's first picture put on the shield at (x, y), as the overlay's
// commit does.
void ListsAndLineStylesTest::placeFirstPicture(int x, int y) {
    const QString path =
        w->panel<PictureListPanel>().pictureList()->item(0)->data(Qt::UserRole + 1).toString();
    const QImage image(path);
    QVERIFY(AddCharge(h->ws(), h->program->r().Charges,
                      OverlayBox{double(x), double(y), double(image.width()),
                                 double(image.height()), path.toStdString()}));
    w->session().redraw();
}

void ListsAndLineStylesTest::aSecondPictureOfTheSameNameIsRefused() {
    h->messages->files = {writePicture("a1.bmp", "BMP"), writePicture("a1.gif", "PNG")};
    menuItem(*w, "addPictureAction")->trigger();
    menuItem(*w, "addPictureAction")->trigger();
    const auto& dialog = h->messages->openDialogs.back();
    QCOMPARE(dialog.title + "|" + dialog.filter,
             QStringLiteral("Ouvrir une image|Fichiers Graphiques (*.bmp *.gif *.jpg);;Bitmap "
                            "(*.bmp);;Gif (*.gif);;Jpeg (*.jpg);;Tous (*)"));
    QListWidget* list = w->panel<PictureListPanel>().pictureList();
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), QStringLiteral("a1"));
    QCOMPARE(h->messages->boxes.size(), std::size_t(1));
    QCOMPARE(h->messages->boxes[0].text,
             QStringLiteral("Cette image est déjà présente dans la liste."));
    QCOMPARE(list->toolTip(),
             QStringLiteral("Double-Cliquez pour ajouter le meuble sur le blason"));

    // Chosen, a double click brings it up in the overlay.
    const QPoint at = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    const auto bringUp = w->panel<PictureListPanel>().bringUp();
    QStringList broughtUp;
    w->panel<PictureListPanel>().setBringUp([&broughtUp](const QString& path) {
        broughtUp << QFileInfo(path).fileName();
        return true;
    });
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    w->panel<PictureListPanel>().setBringUp(bringUp);
    QCOMPARE(broughtUp, QStringList{QStringLiteral("a1.bmp")});

    // Then Delete: a picture no charge uses leaves the list.
    QVERIFY(menuItem(*w, "deletePictureAction")->isEnabled());
    QVERIFY(!menuItem(*w, "picturePropertiesAction")->isEnabled());  // never placed
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(list->count(), 0);
    QCOMPARE(list->toolTip(), QStringLiteral("Cliquez du bouton de droite pour ajouter un meuble"));

    // Nothing chosen: a double click adds, and the next key is a new one.
    h->messages->files = {writePicture("b2.bmp", "BMP")};
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->data(Qt::UserRole).toString(), QStringLiteral("im2"));
}

void ListsAndLineStylesTest::doubleClicksOnPalCycleItsRepeatsAndUndoWalksBack() {
    const OrdinaryRecord& pal = h->ws().CurrentBlazon.Ordinary1;
    std::vector<int> repeats;
    for (int i = 0; i < 3; ++i) {
        doubleClickPiece(QStringLiteral("Pal"));
        repeats.push_back(pal.Repeat);
    }
    QCOMPARE(repeats, (std::vector<int>{0, 1, 2}));
    QVERIFY(title().endsWith('*'));
    std::vector<int> undone;
    for (int i = 0; i < 3; ++i) {
        w->panel<ToolbarInput>().undoLast();
        undone.push_back(pal.Present ? pal.Repeat : -1);
    }
    QCOMPARE(undone, (std::vector<int>{1, 0, -1}));
}

void ListsAndLineStylesTest::removingAPieceThatCarriesAChargeAsksFirst() {
    h->messages->files = {writePicture("tour.bmp", "BMP")};
    menuItem(*w, "addPictureAction")->trigger();
    doubleClickPiece(QStringLiteral("Pal"));
    placeFirstPicture(126, 150);
    QCOMPARE(int(h->ws().CurrentBlazon.Charges[1].Placement), 7);
    const BlazonRecord before = h->ws().CurrentBlazon;
    h->messages->boxAnswers = {MessageAnswer::No};
    menuItem(*w, "deleteFirstOrderAction")->trigger();
    QCOMPARE(h->messages->boxes.size(), std::size_t(1));
    QCOMPARE(h->messages->boxes[0].title, QStringLiteral("Supprimer la pièce honorable"));
    QVERIFY(
        h->messages->boxes[0].text.startsWith(QStringLiteral("tour.bmp demeure sur la pièce.")));
    QVERIFY(h->ws().CurrentBlazon == before);

    // In use, the picture cannot leave the list.
    QListWidget* list = w->panel<PictureListPanel>().pictureList();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    QVERIFY(menuItem(*w, "picturePropertiesAction")->isEnabled());
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(list->count(), 1);
    QCOMPARE(h->messages->boxes.back().title, QStringLiteral("tour"));
}

void ListsAndLineStylesTest::appliedLineStyleStaysThroughCancelAndMarksTheTitle() {
    h->ws().CurrentBlazon.Partition = 11;
    h->ws().CurrentBlazon.Parts[1].Line =
        LineStyle{.Depth = 10, .Width = 80, .LineKind = kLineNebule};
    w->session().redraw();  // the part menu offers lines once the field is divided
    menuItem(*w, "partLinesAction")->trigger();
    auto& dialog = w->dialogs().get<LineStyleDialog>();
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("widthCaption"))->text(),
             QStringLiteral("Largeur: 32"));
    const int undoDepth = h->ws().Undos[1].Parts[1].Line.Width;
    QVERIFY(!title().endsWith('*'));
    d->pressButton(&dialog, "applyButton");
    QCOMPARE(int(h->ws().CurrentBlazon.Parts[1].Line.Width), 64);
    QVERIFY(title().endsWith('*'));
    dialog.findChild<QScrollBar*>(QStringLiteral("depthBar"))->setValue(30);
    d->pressButton(&dialog, "cancelButton");
    QVERIFY(!dialog.isVisible());
    QCOMPARE(h->ws().CurrentBlazon.Parts[1].Line,
             (LineStyle{.Depth = 10, .Width = 64, .LineKind = kLineNebule}));
    QCOMPARE(int(h->ws().Undos[1].Parts[1].Line.Width), undoDepth);  // no undo step

    // A stored depth of 200 opens clamped; "Ok" stores with an undo step.
    h->ws().CurrentBlazon.Parts[1].Line.Depth = 200;
    menuItem(*w, "partLinesAction")->trigger();
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("depthCaption"))->text(),
             QStringLiteral("Profondeur: 50"));
    d->pressButton(&dialog, "okButton");
    QCOMPARE(int(h->ws().CurrentBlazon.Parts[1].Line.Depth), 50);
    QCOMPARE(int(h->ws().Undos[1].Parts[1].Line.Depth), 200);
}

void ListsAndLineStylesTest::aPhraseSetInThePropertiesIsSavedAndReopened() {
    h->messages->files = {writePicture("bete.bmp", "BMP")};
    menuItem(*w, "addPictureAction")->trigger();
    placeFirstPicture(60, 60);
    QListWidget* list = w->panel<PictureListPanel>().pictureList();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    menuItem(*w, "picturePropertiesAction")->trigger();
    auto& dialog = w->dialogs().get<PicturePropertiesDialog>();
    QVERIFY(dialog.isVisible());
    auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("phraseBox"));
    box->clear();
    QTest::keyClicks(box, QStringLiteral("lion"));
    QTest::keyClick(box, Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
    QVERIFY(title().endsWith('*'));
    QVERIFY(w->panel<BlazonPanel>().blazonLabel()->text().contains(QStringLiteral("lion")));

    const std::string path = h->home.filePath(QStringLiteral("lion.bls")).toStdString();
    QVERIFY(SaveDocument(h->ws(), h->program->r(), path).saved);
    ProgramHarness reopened(path);
    QVERIFY(reopened.start());
    QVERIFY(reopened.window().panel<BlazonPanel>().blazonLabel()->text().contains(
        QStringLiteral("lion")));
    QCOMPARE(reopened.window().panel<PictureListPanel>().pictureList()->count(), 1);
    QCOMPARE(reopened.window().panel<PictureListPanel>().pictureList()->item(0)->text(),
             QStringLiteral("bete"));
}

// The list's double click goes through the overlay's one commit path: the held
// charge returns to its own record, with its tincture, at the box it was
// moved to; the new picture is then held, not yet in any record.
void ListsAndLineStylesTest::aDoubleClickWhileHoldingPutsTheHeldChargeBackInItsOwnRecord() {
    h->messages->files = {writePicture("c3.bmp", "BMP")};
    menuItem(*w, "addPictureAction")->trigger();
    placeFirstPicture(20, 30);
    placeFirstPicture(100, 120);
    h->ws().CurrentBlazon.Charges[2].Tincture = 4;
    QVERIFY(w->panel<HeldChargeTool>().pickUp(2));
    w->panel<HeldChargeTool>().setBox(QRectF(60, 70, 12, 10));

    QListWidget* list = w->panel<PictureListPanel>().pictureList();
    const QPoint at = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);

    const ChargeRecord& c = h->ws().CurrentBlazon.Charges[2];
    QCOMPARE(c.InUse, kTrue);
    QCOMPARE(int(c.X), 60);
    QCOMPARE(int(c.Y), 70);
    QCOMPARE(int(c.Tincture), 4);
    QCOMPARE(h->ws().CurrentBlazon.Charges[3].InUse, Integer(0));
    QVERIFY(w->panel<HeldChargeTool>().state().isHolding());
    QCOMPARE(w->panel<HeldChargeTool>().state().heldCharge(), 0);
    w->panel<HeldChargeTool>().end();
}

// The list keeps a small icon for each file it lists and none for a file it
// no longer lists: a file of the same name from another folder, added after
// the first left, shows its own picture.
void ListsAndLineStylesTest::eachListedFileShowsItsOwnSmallIcon() {
    QListWidget* list = w->panel<PictureListPanel>().pictureList();
    const auto centreOfIcon = [list] {
        const QImage shown = list->item(0)->icon().pixmap(list->iconSize()).toImage();
        return QColor(shown.pixel(shown.width() / 2, shown.height() / 2));
    };
    for (const auto& [folder, colour] :
         {std::pair{"rouge", Qt::red}, std::pair{"bleu", Qt::blue}}) {
        QVERIFY(QDir(h->home.path()).mkpath(QString::fromLatin1(folder)));
        QImage big(300, 200, QImage::Format_RGB32);
        big.fill(colour);
        const QString path = h->home.filePath(QString::fromLatin1(folder) + "/grand.bmp");
        QVERIFY(big.save(path));
        h->messages->files = {path};
        menuItem(*w, "addPictureAction")->trigger();
        QCOMPARE(list->count(), 1);
        for (const QSize size : list->item(0)->icon().availableSizes())
            QVERIFY(size.width() <= 32 && size.height() <= 32);
        QCOMPARE(centreOfIcon(), QColor(colour));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(0)).center());
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(list->count(), 0);
    }
}

QTEST_MAIN(ListsAndLineStylesTest)
#include "lists_and_line_styles_test.moc"
