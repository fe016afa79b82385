// The main window's frame: its controls, tabs, title bar, free area.
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTest>

#include "actions/charge_placing.h"
#include "actions/held_charge.h"
#include "actions/redraw_shield.h"
#include "model/motifs.h"
#include "model/tinctures.h"
#include "model/workspace.h"
#include "render/document_surfaces.h"
#include "widgets/picture_box.h"
#include "window_test.h"

using namespace tess;

class MainWindowTest : public WindowTest {
    Q_OBJECT
  private slots:
    void everyControlIsInPlace();
    void theTabsSwapListsAndColours();
    void rightClickOpensTheFileMenuWithItsDefault();
    void aChargeOffTheCanvasIsThrownAwayWithTheNextJoke();
    void minimisedTheTaskbarShowsTheTitle();
    void draggingTheTitleMovesTheWindow();
    void theTitleBarStaysWithinReach();
    void theCanvasFollowsEveryRedraw();
    void theRedrawMarksTheOptionPictures();
    void aWarningShowsTheSignWithItsText();
    void aClickOnTheFreeAreaPutsTheHeldChargeBack();
    void labelsAndTheTitleBarAreNotTheFreeArea();
    void aGroupedChargeThrownAwayAsksAboutItsGroup();
    void theTitleAndTheBlazonShowTheirTextAsItStands();
    void clearChargeEmptiesTheRecord();

  private:
    QString squarePicture();
};

// A red square on white, 20 x 20, for charges.
QString MainWindowTest::squarePicture() {
    QImage square(20, 20, QImage::Format_RGB32);
    square.fill(Qt::white);
    for (int y = 4; y < 16; ++y)
        for (int x = 4; x < 16; ++x) square.setPixel(x, y, qRgb(255, 0, 0));
    const QString path = h->home.filePath("carre.bmp");
    [&] { QVERIFY(square.save(path)); }();
    return path;
}

void MainWindowTest::everyControlIsInPlace() {
    QVERIFY(w->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(w->panel<CanvasPanel>().canvas()->size(), QSize(265, 340));
    QCOMPARE(w->panel<ToolbarPanel>().toolbar()->size().width(), 640);
    QCOMPARE(w->panel<TincturePalettePanel>().tincturePalette()->size(), QSize(41, 127));
    QCOMPARE(w->panel<FurPalettePanel>().furPalette()->size(), QSize(50, 85));
    QCOMPARE(w->panel<PieceOptions>().shapeChooser()->size(), QSize(45, 98));
    QCOMPARE(w->panel<PieceOptions>().sizeChooser()->size(), QSize(28, 63));
    QVERIFY(w->panel<BlazonPanel>().blazonLabel()->geometry().top() >
            w->panel<CanvasPanel>().canvas()->geometry().bottom());

    // The visible controls lie inside the window and do not cover one another.
    const QList<QWidget*> shown = {w->panel<CanvasPanel>().canvas(),
                                   w->panel<TincturePalettePanel>().tincturePalette(),
                                   w->panel<FurPalettePanel>().furPalette(),
                                   w->panel<PieceOptions>().shapeChooser(),
                                   w->panel<PieceOptions>().insetShapeChooser(),
                                   w->panel<ToolbarPanel>().toolbar(),
                                   w->panel<BlazonPanel>().blazonLabel(),
                                   w->panel<ListTabs>().picturesTab(),
                                   w->panel<ListTabs>().piecesTab(),
                                   w->panel<PieceOptions>().insetCaption(),
                                   w->panel<PictureListPanel>().pictureList(),
                                   w->panel<TitleBar>().closeButton(),
                                   w->panel<TitleBar>().minimiseButton(),
                                   w->panel<CanvasPanel>().coordinateCaption(),
                                   w->panel<CanvasPanel>().partCaption()};
    for (QWidget* a : shown) {
        QVERIFY2(w->rect().contains(a->geometry()), qPrintable(a->objectName()));
        for (QWidget* b : shown)
            if (a != b)
                QVERIFY2(!a->geometry().intersects(b->geometry()),
                         qPrintable(a->objectName() + " / " + b->objectName()));
    }
    // Shown only when the document asks for them.
    for (QWidget* hidden :
         {static_cast<QWidget*>(&w->panel<HeldChargeView>()),
          static_cast<QWidget*>(w->panel<AlignmentStrip>().strip()),
          static_cast<QWidget*>(w->panel<PieceOptions>().sizeChooser()),
          static_cast<QWidget*>(w->panel<PieceOptions>().shiftZones()),
          static_cast<QWidget*>(w->panel<PieceOptions>().firstOrderCaption()),
          static_cast<QWidget*>(w->panel<FurPalettePanel>().userFurSwatches()[0])})
        QVERIFY2(!hidden->isVisible(), qPrintable(hidden->objectName()));

    QCOMPARE(w->panel<ListTabs>().picturesTab()->text(), QStringLiteral("Meubles"));
    QCOMPARE(w->panel<ListTabs>().piecesTab()->text(), QStringLiteral("Pièces"));
    QCOMPARE(w->panel<PieceOptions>().insetCaption()->text(), QStringLiteral("Écusson"));
    QCOMPARE(w->panel<PieceOptions>().firstOrderCaption()->text(), QStringLiteral("1er Ordre"));
    QCOMPARE(w->panel<PieceOptions>().secondOrderCaption()->text(), QStringLiteral("2nd Ordre"));
    QCOMPARE(w->panel<PictureListPanel>().pictureList()->toolTip(),
             QStringLiteral("Cliquez du bouton de droite pour ajouter un meuble"));
    QCOMPARE(w->panel<PiecesListPanel>().piecesList()->toolTip(),
             QStringLiteral("Double-Cliquez pour ajouter la pièce honorable sur le blason"));
    QCOMPARE(w->panel<BlazonPanel>().warningSign()->toolTip(),
             QStringLiteral("Cliquez pour voir l'erreur ou l'avertissement"));
    // The partition marker sits on the "Plein" button.
    QCOMPARE(w->panel<ToolbarPanel>().partitionMarker()->geometry(), QRect(182, 4, 23, 20));
}

// Choosing a tab leaves the overlay as it is.
void MainWindowTest::theTabsSwapListsAndColours() {
    w->panel<HeldChargeTool>().holdPicture(QImage(), QString(), QRectF(10, 10, 20, 20));
    QTest::mouseClick(w->panel<ListTabs>().piecesTab(), Qt::LeftButton);
    QVERIFY(w->panel<PiecesListPanel>().piecesList()->isVisible());
    QVERIFY(!w->panel<PictureListPanel>().pictureList()->isVisible());
    QCOMPARE(w->panel<ListTabs>().piecesTab()->palette().color(QPalette::WindowText),
             QColor(255, 255, 0));
    QCOMPARE(w->panel<ListTabs>().picturesTab()->palette().color(QPalette::WindowText),
             QColor(Qt::black));
    QTest::mouseClick(w->panel<ListTabs>().picturesTab(), Qt::LeftButton);
    QVERIFY(w->panel<PictureListPanel>().pictureList()->isVisible());
    QVERIFY(!w->panel<PiecesListPanel>().piecesList()->isVisible());
    QCOMPARE(w->panel<ListTabs>().picturesTab()->palette().color(QPalette::WindowText),
             QColor(255, 255, 0));
    QVERIFY(w->panel<HeldChargeView>().isVisible());
}

void MainWindowTest::rightClickOpensTheFileMenuWithItsDefault() {
    QTest::mouseClick(w, Qt::RightButton, {}, QPoint(470, 400));
    QCOMPARE(int(h->messages->popups.size()), 1);
    QCOMPARE(h->messages->popups[0].menu, QStringLiteral("fileMenu"));
    QCOMPARE(h->messages->popups[0].defaultItem, QStringLiteral("openAction"));

    h->ws().CurrentBlazon.FilePath = "/x/saved.bls";
    QTest::mouseClick(w, Qt::RightButton, {}, QPoint(470, 400));
    QCOMPARE(h->messages->popups[1].defaultItem, QStringLiteral("saveAction"));
}

// Touching the canvas's edge from any side keeps the charge; one pixel further
// throws it away with the next joke, from every side in turn.
void MainWindowTest::aChargeOffTheCanvasIsThrownAwayWithTheNextJoke() {
    QWidget* held = &w->panel<HeldChargeView>();
    for (const QRect box : {QRect(265, 10, 20, 20), QRect(10, 340, 20, 20), QRect(-20, 10, 20, 20),
                            QRect(10, -20, 20, 20)}) {
        w->panel<HeldChargeTool>().holdPicture(QImage(), QString(), box);
        w->panel<FreeArea>().moved();
        QVERIFY(held->isVisible());
    }
    QVERIFY(h->messages->boxes.empty());
    const QRect off[] = {QRect(266, 10, 20, 20), QRect(10, 341, 20, 20), QRect(-21, 10, 20, 20),
                         QRect(10, -21, 20, 20)};
    for (int i = 0; i < 7; ++i) {
        w->panel<HeldChargeTool>().holdPicture(QImage(), QString(), off[i % 4]);
        w->panel<FreeArea>().moved();
        QVERIFY(!held->isVisible());
    }
    // Six jokes in turn, then the first again.
    QCOMPARE(int(h->messages->boxes.size()), 7);
    QCOMPARE(h->messages->boxes[0].text,
             QStringLiteral("Comment pensez-vous meubler votre appartement si vous lancez tous vos "
                            "meubles par la fenêtre?"));
    QSet<QString> jokes;
    for (const ScriptedMessages::Box& box : h->messages->boxes) {
        jokes.insert(box.text);
        QCOMPARE(box.title, QStringLiteral("Meuble largué aux oubliettes"));
        QCOMPARE(box.style, 48);
    }
    QCOMPARE(jokes.size(), 6);
    QCOMPARE(h->messages->boxes[6].text, h->messages->boxes[0].text);

    // Moving over the free area clears the hover captions and the toolbar frame.
    w->panel<CanvasPanel>().coordinateCaption()->setText("12; 4");
    w->panel<ToolbarPanel>().topFrameLine()->show();
    w->panel<FreeArea>().moved();
    QVERIFY(w->panel<CanvasPanel>().coordinateCaption()->text().isEmpty());
    QVERIFY(!w->panel<ToolbarPanel>().topFrameLine()->isVisible());
}

void MainWindowTest::minimisedTheTaskbarShowsTheTitle() {
    h->edit();
    w->showMinimized();
    QTRY_COMPARE(w->windowTitle(), QStringLiteral("Tessaline*"));
    w->move(w->x(), 120);
    w->showNormal();
    QTRY_VERIFY(w->windowTitle().isEmpty());
    QTRY_COMPARE(w->y(), 0);
}

void MainWindowTest::draggingTheTitleMovesTheWindow() {
    QLabel* title = w->panel<TitleBar>().titleLabel();
    const auto drag = [&](QPoint from, QPoint to) {
        QTest::mousePress(title, Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, QPointF(to), title->mapToGlobal(QPointF(to)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(title, &move);
        QTest::mouseRelease(title, Qt::LeftButton, {}, to);
    };
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    w->move(screen.topLeft() + QPoint(20, 10));
    const QPoint start = w->pos();
    drag(QPoint(40, 10), QPoint(55, 17));
    QCOMPARE(w->pos(), start + QPoint(15, 7));

    // Thrown far off every side, the title bar stays on the screen to be taken again.
    for (const QPoint by : {QPoint(-5000, 0), QPoint(5000, 0), QPoint(0, -5000), QPoint(0, 5000),
                            QPoint(-5000, -5000)}) {
        drag(QPoint(40, 10), QPoint(40, 10) + by);
        const QRect bar(w->pos(), QSize(w->width(), title->height()));
        QVERIFY2(bar.top() >= screen.top() && bar.bottom() <= screen.bottom(),
                 qPrintable(QStringLiteral("%1,%2").arg(by.x()).arg(by.y())));
        QVERIFY(bar.intersected(screen).width() >= 100);
    }
}

// Two screens side by side, the right one lower: the window goes to the
// nearest place where its title bar can be taken.
void MainWindowTest::theTitleBarStaysWithinReach() {
    const QList<QRect> screens = {QRect(0, 0, 1000, 800), QRect(1000, 200, 800, 600)};
    const QSize window(720, 488);
    const struct {
        QPoint wanted, placed;
    } cases[] = {
        {{100, 100}, {100, 100}},     // already reachable: as asked
        {{1500, 300}, {1500, 300}},   // on the second screen
        {{1500, 100}, {1500, 200}},   // above the second screen's top
        {{-2000, 300}, {-620, 300}},  // a grip's width left on the left
        {{3000, 300}, {1700, 300}},   // a grip's width left on the right
        {{400, 5000}, {400, 776}},    // the bar's height above the bottom
        {{1200, -50}, {1200, 200}},   // down onto the second screen, nearer than the first
    };
    for (const auto& c : cases)
        QCOMPARE(reachableWindowPosition(c.wanted, window, 24, screens), c.placed);
    QCOMPARE(reachableWindowPosition({-9, -9}, window, 24, {}), QPoint(-9, -9));
}

namespace {
QRgb rgbOf(Colour c) {
    return qRgb(redOf(c), greenOf(c), blueOf(c));
}
QRgb at(const PictureBox* box, int x, int y) {
    return box->picture().pixel(x, y) | 0xFF000000u;
}
}  // namespace

// A redraw of the window's own, and an edit a panel applies through the
// context: the canvas, the choosers and the title's mark all follow.
void MainWindowTest::theCanvasFollowsEveryRedraw() {
    h->ws().CurrentBlazon.ShieldShape = 3;
    w->session().redraw();
    QCOMPARE(w->panel<CanvasPanel>().canvas()->picture(), toQImage(h->program->r().canvas));

    const QImage before = w->panel<CanvasPanel>().canvas()->picture();
    h->ws().Undos[1] = BlazonRecord{};
    h->edit([&] { h->ws().CurrentBlazon.ShieldShape = 4; });
    QVERIFY(w->panel<CanvasPanel>().canvas()->picture() != before);
    QCOMPARE(w->panel<CanvasPanel>().canvas()->picture(), toQImage(h->program->r().canvas));
    QCOMPARE(at(w->panel<PieceOptions>().shapeChooser(), 28, 33),
             rgbOf(0x00FFFF));                       // Espagnol marked
    QCOMPARE(int(h->ws().Undos[1].ShieldShape), 3);  // the copy from before the edit
    QVERIFY(d->title().endsWith('*'));
}

void MainWindowTest::theRedrawMarksTheOptionPictures() {
    BlazonRecord& b = h->ws().CurrentBlazon;
    b.ShieldShape = 4;
    b.Ordinary1.Present = kTrue;
    b.Ordinary1.Type = 2;  // a pale, en filet, shifted to the sinister
    b.Ordinary1.Name = "Pal";
    b.Ordinary1.Size = -1;
    b.Ordinary1.Shift = 1;
    w->session().redraw();
    QVERIFY(w->panel<PieceOptions>().sizeChooser()->isVisible());
    QVERIFY(w->panel<PieceOptions>().firstOrderCaption()->isVisible());
    QVERIFY(!w->panel<PieceOptions>().secondOrderSizeChooser()->isVisible());
    QCOMPARE(w->panel<PieceOptions>().sizeChooser()->height(), 63);
    QCOMPARE(at(w->panel<PieceOptions>().sizeChooser(), 10, 48), rgbOf(kOptionMarkChosen));
    QCOMPARE(at(w->panel<PieceOptions>().sizeChooser(), 10, 9), rgbOf(kOptionMarkPlain));
    QCOMPARE(at(w->panel<PieceOptions>().shapeChooser(), 28, 33),
             rgbOf(0x00FFFF));  // Espagnol marked
    QCOMPARE(at(w->panel<PieceOptions>().shapeChooser(), 9, 11), rgbOf(0x000080));
    QVERIFY(w->panel<PieceOptions>().shiftZones()->isVisible());
    QCOMPARE(at(w->panel<PieceOptions>().shiftZones(), 12, 50), rgbOf(kOptionMarkChosen));
    QCOMPARE(at(w->panel<PieceOptions>().shiftZones(), 9, 27), rgbOf(kOptionMarkPlain));

    // A chief cannot be en filet: the chooser shows two sizes.
    b.Ordinary1.Type = 1;
    b.Ordinary1.Size = 0;
    w->session().redraw();
    QCOMPARE(w->panel<PieceOptions>().sizeChooser()->height(), 39);
    QVERIFY(!w->panel<PieceOptions>().shiftZones()->isVisible());

    b.Ordinary1 = OrdinaryRecord{};
    b.ShieldShape = 1;
    w->session().redraw();
    QVERIFY(!w->panel<PieceOptions>().sizeChooser()->isVisible());
    QCOMPARE(at(w->panel<PieceOptions>().shapeChooser(), 9, 11), rgbOf(0x00FFFF));
}

void MainWindowTest::aWarningShowsTheSignWithItsText() {
    // Two colours side by side break the rule of tinctures.
    BlazonRecord& b = h->ws().CurrentBlazon;
    const BlazonRecord before = b;
    b.Partition = 10;
    b.PartCount = 2;
    b.Parts[1].Kind = kClassColour;
    b.Parts[1].Tincture = 4;
    b.Parts[2].Kind = kClassColour;
    b.Parts[2].Tincture = 3;
    const RedrawResult expected = RedrawShield(h->ws(), h->program->r());
    w->session().redraw();
    QVERIFY(expected.warningVisible);
    QVERIFY(w->panel<BlazonPanel>().warningSign()->isVisible());
    QCOMPARE(w->panel<BlazonPanel>().warningSign()->toolTip(),
             QString::fromStdString(expected.warningText));
    QVERIFY(w->panel<BlazonPanel>().warningSign()->toolTip().contains(
        QStringLiteral("est de même émail que la partie")));
    QCOMPARE(w->panel<BlazonPanel>().blazonLabel()->text(),
             QString::fromStdString(expected.blazonText));
    b = before;
    w->session().redraw();
    QVERIFY(!w->panel<BlazonPanel>().warningSign()->isVisible());
}

void MainWindowTest::aClickOnTheFreeAreaPutsTheHeldChargeBack() {
    // A picture placed once, then held in the overlay.
    OverlayBox first{10, 10, 20, 20, squarePicture().toStdString()};
    QVERIFY(AddCharge(h->ws(), h->program->r().Charges, first));
    ChargeRecord& c = h->ws().CurrentBlazon.Charges[1];
    QCOMPARE(c.InUse, kTrue);

    // Picked up: out of use, its number held, the overlay over it.
    QVERIFY(w->panel<HeldChargeTool>().pickUp(1));
    QCOMPARE(c.InUse, 0);
    QVERIFY(w->panel<HeldChargeView>().overlayFrame()->isVisible());
    QVERIFY(w->panel<AlignmentStrip>().strip()->isVisible());
    w->panel<HeldChargeTool>().setBox(QRectF(100, 150, 30, 30));
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(470, 400));

    QCOMPARE(h->ws().SelectedCharge, 0);
    QVERIFY(!w->panel<HeldChargeView>().isVisible());
    QVERIFY(!w->panel<HeldChargeView>().overlayFrame()->isVisible());
    QVERIFY(!w->panel<AlignmentStrip>().strip()->isVisible());
    QCOMPARE(c.InUse, kTrue);
    QCOMPARE(c.X, 100);
    QCOMPARE(c.Y, 150);
    QCOMPARE(c.Width, 30);
    QCOMPARE(c.Height, 30);
    // Drawn where it was put.
    QCOMPARE(d->shown(115, 165), 0xFF0000u);
}

void MainWindowTest::labelsAndTheTitleBarAreNotTheFreeArea() {
    // The whole title bar is the title or its buttons: it drags, it opens no menu.
    for (const QPoint p : {QPoint(3, 10), QPoint(668, 10), QPoint(693, 10), QPoint(718, 20)}) {
        QWidget* under = w->childAt(p);
        QVERIFY2(under == w->panel<TitleBar>().titleLabel() ||
                     under == w->panel<TitleBar>().closeButton() ||
                     under == w->panel<TitleBar>().minimiseButton(),
                 qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    }
    // A right click on a caption opens no file menu.
    for (QWidget* label : {static_cast<QWidget*>(w->panel<BlazonPanel>().blazonLabel()),
                           static_cast<QWidget*>(w->panel<ListTabs>().picturesTab()),
                           static_cast<QWidget*>(w->panel<ListTabs>().piecesTab()),
                           static_cast<QWidget*>(w->panel<PieceOptions>().insetCaption()),
                           static_cast<QWidget*>(w->panel<CanvasPanel>().coordinateCaption()),
                           static_cast<QWidget*>(w->panel<TitleBar>().titleLabel())})
        QTest::mouseClick(label, Qt::RightButton, {}, QPoint(3, 3));
    QVERIFY(h->messages->popups.empty());
    // A double click on the title leaves the overlay; one on the free area ends it.
    w->panel<HeldChargeTool>().holdPicture(QImage(), QString(), QRectF(10, 10, 20, 20));
    QTest::mouseDClick(w->panel<TitleBar>().titleLabel(), Qt::LeftButton, {}, QPoint(40, 10));
    QVERIFY(w->panel<HeldChargeView>().isVisible());
    w->panel<FreeArea>().pressed(Qt::LeftButton, QPointF(470, 400));
    QVERIFY(!w->panel<HeldChargeView>().isVisible());
}

void MainWindowTest::aGroupedChargeThrownAwayAsksAboutItsGroup() {
    const QString path = squarePicture();
    Workspace& ws = h->ws();
    // Three charges, 1 and 2 grouped; charge 1 held and dragged off the shield.
    const auto placeGroup = [&]() -> int {
        for (int k = 1; k <= 3; ++k)
            if (!AddCharge(ws, h->program->r().Charges,
                           OverlayBox{10.0 * k, 10, 20, 20, path.toStdString()}, k))
                return 0;
        const int g = NewMotif(ws);
        AddChargeToMotif(ws, g, 1);
        AddChargeToMotif(ws, g, 2);
        ws.CurrentBlazon.Charges[1].InUse = 0;
        ws.SelectedCharge = 1;
        w->panel<HeldChargeTool>().holdTakenCharge(1, QRectF(300, 10, 20, 20), QString());
        return g;
    };
    const QString question = QStringLiteral(
        "Ce meuble fait partie d'un motif totalisant 2 meuble(s). Désirez-vous supprimer tous "
        "les meubles de ce motif. Sinon, seul ce meuble sera supprimé.");

    // "Non": only the held charge goes, and leaves the group.
    int g = placeGroup();
    QVERIFY(g != 0);
    h->messages->boxAnswers = {MessageAnswer::Ok, MessageAnswer::No};
    w->panel<FreeArea>().moved();
    QCOMPARE(int(h->messages->boxes.size()), 2);
    QCOMPARE(h->messages->boxes[1].text, question);
    QCOMPARE(h->messages->boxes[1].title, QStringLiteral("Motif"));
    QCOMPARE(h->messages->boxes[1].style, 36);
    QCOMPARE(ws.SelectedCharge, 0);
    QCOMPARE(ws.CurrentBlazon.Charges[1].InUse, 0);
    QCOMPARE(int(ws.CurrentBlazon.Charges[1].Motif), 0);
    QCOMPARE(ws.CurrentBlazon.Charges[2].InUse, kTrue);
    QCOMPARE(int(ws.Groups.Motifs[std::size_t(g)].Count), 1);
    QCOMPARE(int(ws.Groups.Motifs[std::size_t(g)].Members[1]), 2);
    QVERIFY(ws.Modified);

    // "Oui": the whole group goes, the charge outside it stays.
    d->reset();
    g = placeGroup();
    QVERIFY(g != 0);
    h->messages->boxes.clear();
    h->messages->boxAnswers = {MessageAnswer::Ok, MessageAnswer::Yes};
    w->panel<FreeArea>().moved();
    QCOMPARE(int(h->messages->boxes.size()), 2);
    QCOMPARE(ws.CurrentBlazon.Charges[1].InUse, 0);
    QCOMPARE(ws.CurrentBlazon.Charges[2].InUse, 0);
    QCOMPARE(int(ws.CurrentBlazon.Charges[2].Motif), 0);
    QCOMPARE(ws.CurrentBlazon.Charges[3].InUse, kTrue);
    QCOMPARE(int(ws.Groups.Motifs[std::size_t(g)].Count), 0);
    QCOMPARE(int(ws.Groups.Motifs[std::size_t(g)].InUse), 0);
    // The canvas no longer shows the grouped charges.
    QCOMPARE(w->panel<CanvasPanel>().canvas()->picture().pixel(25, 15),
             toQImage(h->program->r().canvas).pixel(25, 15));
}

void MainWindowTest::theTitleAndTheBlazonShowTheirTextAsItStands() {
    // A file name or a phrase that looks like markup is shown letter for letter.
    const auto titleWidth = [&](const char* path) {
        h->ws().CurrentBlazon.FilePath = path;
        w->panel<TitleBar>().refreshTitle();
        return w->panel<TitleBar>().titleLabel()->sizeHint().width();
    };
    const int tag = QFontMetrics(w->panel<TitleBar>().titleLabel()->font())
                        .horizontalAdvance(QStringLiteral("<u>"));
    QVERIFY(titleWidth("/x/Lion <u>x.bls") - titleWidth("/x/Lion x.bls") >= tag - 2);

    const auto blazonWidth = [&](const char* text) {
        RedrawResult result = RedrawShield(h->ws(), h->program->r());
        result.blazonText = text;
        w->session().show(result);
        return w->panel<BlazonPanel>().blazonLabel()->sizeHint().width();
    };
    const int italicTags = QFontMetrics(w->panel<BlazonPanel>().blazonLabel()->font())
                               .horizontalAdvance(QStringLiteral("<i></i>"));
    QVERIFY(blazonWidth("D'Or au <i>x</i>.") - blazonWidth("D'Or au x.") >= italicTags - 2);
}

void MainWindowTest::clearChargeEmptiesTheRecord() {
    ChargeRecord& c = h->ws().CurrentBlazon.Charges[7];
    c = ChargeRecord{1, 10, 20, 30, 40, 3, 5, "lion.bmp", 4, 33, -1, -1, 2};
    ClearCharge(h->ws(), h->program->r(), 7);
    // Placement, mirroring and group are left as they were.
    QVERIFY(c == (ChargeRecord{0, 0, 0, 0, 0, 3, 0, "", -1, 0, -1, 0, 2}));
    // Out of range: nothing happens, nothing breaks.
    ClearCharge(h->ws(), h->program->r(), 0);
    ClearCharge(h->ws(), h->program->r(), 51);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
