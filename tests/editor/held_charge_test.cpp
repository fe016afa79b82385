// The held charge: the overlay's pointer, keys and drop, the commit and the
// throw-away, the commands of its menu, copy and paste, and undo around them.
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>

#include "actions/charge_placing.h"
#include "editor/held_charge_view.h"
#include "model/motifs.h"
#include "model/workspace.h"
#include "render/document_surfaces.h"
#include "render/renderer.h"
#include "widgets/drag_payloads.h"
#include "window_test.h"

using namespace tess;

class HeldChargeTest : public WindowTest {
    Q_OBJECT
  private slots:
    void aDragMovesTheChargeAndOnlyTheCommitRedraws();
    void theCornerResizesInProportionWithAFloor();
    void anArrowNudgesByOnePixel();
    void offTheCanvasIsThrownAwayOnItsEdgeIsPutDown();
    void aModifierMovesTheWholeGroup();
    void undoBringsBackTheChargeAsItWasPickedUp();
    void aPastedCopyKeepsTinctureSizeAndMirroringButNoGroup();
    void onlyOurOwnClipboardTextPastes();
    void aMirroredChargeShowsFlipped();
    void aTinctureDropRecoloursWithoutUndoOrRedraw();
    void aNewPictureWithEveryRecordTakenIsNotPlaced();
    void theMenuFollowsWhatIsHeld();

  private:
    HeldChargeView* view() { return &w->panel<HeldChargeView>(); }
};

void HeldChargeTest::aDragMovesTheChargeAndOnlyTheCommitRedraws() {
    d->setCharge(d->writePicture("a.bmp", 40, 30), 1, QPoint(100, 50));
    QVERIFY(w->panel<HeldChargeTool>().pickUp(1));
    QCOMPARE(h->ws().SelectedCharge, 1);
    QCOMPARE(d->charge(1).InUse, 0);
    const qint64 shown = w->panel<CanvasPanel>().canvas()->picture().cacheKey();

    d->heldMouse(QEvent::MouseButtonPress, QPoint(10, 5));
    QVERIFY(w->panel<HeldChargeView>().verticalGuide()->isVisible());
    QVERIFY(w->panel<CanvasPanel>().coordinateCaption()->font().bold());
    d->heldMouse(QEvent::MouseMove, QPoint(25, 5));
    QCOMPARE(w->panel<HeldChargeTool>().state().box(), QRectF(115, 50, 40, 30));
    QCOMPARE(view()->geometry(), QRect(115, 50, 40, 30));
    QCOMPARE(w->panel<HeldChargeView>().overlayFrame()->geometry(), QRect(114, 49, 42, 32));
    QCOMPARE(w->panel<HeldChargeView>().resizeHandle()->pos(), QPoint(152, 77));
    QCOMPARE(w->panel<HeldChargeView>().verticalGuide()->x(), 135);
    QCOMPARE(w->panel<HeldChargeView>().horizontalGuide()->y(), 65);
    QCOMPARE(w->panel<CanvasPanel>().coordinateCaption()->text(), QStringLiteral("135; 65"));
    QCOMPARE(w->panel<CanvasPanel>().partCaption()->text(), QStringLiteral("30 x 40"));
    // The release runs the window's canvas hover at the release point, in
    // canvas pixels: (115 + 10, 50 + 5) from the shield's centre (132, 170).
    d->heldMouse(QEvent::MouseButtonRelease, QPoint(10, 5), Qt::NoButton);
    QCOMPARE(w->panel<CanvasPanel>().coordinateCaption()->text(), QStringLiteral("-7; -115"));
    QCOMPARE(w->panel<CanvasPanel>().partCaption()->text(), QStringLiteral("Partie 1"));
    QVERIFY(!w->panel<HeldChargeView>().verticalGuide()->isVisible());
    QVERIFY(!w->panel<CanvasPanel>().coordinateCaption()->font().bold());
    // Moving touched neither the document nor the shield's picture.
    QCOMPARE(d->charge(1).X, 100);
    QCOMPARE(w->panel<CanvasPanel>().canvas()->picture().cacheKey(), shown);

    QTest::keyClick(view(), Qt::Key_Return);
    QVERIFY(!w->panel<HeldChargeTool>().state().isHolding());
    QCOMPARE(h->ws().SelectedCharge, 0);
    QCOMPARE(d->charge(1).InUse, kTrue);
    QCOMPARE(d->charge(1).X, 115);
    QCOMPARE(d->charge(1).Y, 50);
    QVERIFY(w->panel<CanvasPanel>().canvas()->picture().cacheKey() != shown);
    QCOMPARE(d->shown(135, 65), 0xFF0000u);
}

void HeldChargeTest::theCornerResizesInProportionWithAFloor() {
    d->setCharge(d->writePicture("a.bmp", 40, 30), 1, QPoint(100, 50));
    QVERIFY(w->panel<HeldChargeTool>().pickUp(1));
    // The sizing pointer over the last four pixels of each side only.
    d->heldMouse(QEvent::MouseMove, QPoint(35, 26), Qt::NoButton);
    QCOMPARE(view()->cursor().shape(), Qt::ArrowCursor);
    d->heldMouse(QEvent::MouseMove, QPoint(36, 25), Qt::NoButton);
    QCOMPARE(view()->cursor().shape(), Qt::ArrowCursor);
    d->heldMouse(QEvent::MouseMove, QPoint(36, 26), Qt::NoButton);
    QCOMPARE(view()->cursor().shape(), Qt::SizeFDiagCursor);

    d->heldMouse(QEvent::MouseButtonPress, QPoint(36, 26));
    QVERIFY(w->panel<HeldChargeTool>().state().isResizing());
    QCOMPARE(w->panel<CanvasPanel>().partCaption()->text(), QStringLiteral("90%"));
    // The pointer's y plays no part.
    d->heldMouse(QEvent::MouseMove, QPoint(80, 3));
    QCOMPARE(w->panel<HeldChargeTool>().state().box(), QRectF(100, 50, 80, 60));
    QCOMPARE(w->panel<CanvasPanel>().partCaption()->text(), QStringLiteral("200%"));
    QCOMPARE(w->panel<HeldChargeView>().overlayFrame()->size(), QSize(82, 62));
    QCOMPARE(view()->picture().size(), QSize(80, 60));
    // Dragged past the left edge: never narrower than six pixels.
    d->heldMouse(QEvent::MouseMove, QPoint(-50, -50));
    QCOMPARE(w->panel<HeldChargeTool>().state().box().width(), 6.0);
    QCOMPARE(w->panel<HeldChargeTool>().state().box().height(), 4.5);
    QCOMPARE(w->panel<CanvasPanel>().partCaption()->text(), QStringLiteral("15%"));
    d->heldMouse(QEvent::MouseMove, QPoint(80, 3));
    d->heldMouse(QEvent::MouseButtonRelease, QPoint(80, 3), Qt::NoButton);
    QVERIFY(w->panel<HeldChargeTool>().commitHeld());
    QCOMPARE(d->charge(1).Width, 80);
    QCOMPARE(d->charge(1).Height, 60);
}

void HeldChargeTest::anArrowNudgesByOnePixel() {
    d->setCharge(d->writePicture("a.bmp", 40, 30), 1, QPoint(100, 50));
    QVERIFY(w->panel<HeldChargeTool>().pickUp(1));
    h->ws().Modified = false;
    QTest::keyPress(view(), Qt::Key_Right);
    QCOMPARE(w->panel<HeldChargeTool>().state().box().left(), 101.0);
    QVERIFY(w->panel<HeldChargeView>().horizontalGuide()->isVisible());
    QCOMPARE(w->panel<CanvasPanel>().coordinateCaption()->text(), QStringLiteral("121; 65"));
    QTest::keyRelease(view(), Qt::Key_Right);
    QVERIFY(!w->panel<HeldChargeView>().horizontalGuide()->isVisible());
    QTest::keyClick(view(), Qt::Key_Up);
    QCOMPARE(w->panel<HeldChargeTool>().state().box().top(), 49.0);
    QCOMPARE(w->panel<CanvasPanel>().coordinateCaption()->text(), QStringLiteral("121; 64"));
    // Any other key only brings the companions in line.
    QTest::keyClick(view(), Qt::Key_A);
    QCOMPARE(w->panel<HeldChargeTool>().state().box(), QRectF(101, 49, 40, 30));
    QCOMPARE(d->charge(1).X, 100);
    QVERIFY(!h->ws().Modified);
    // Delete with nothing held does nothing at all.
    QTest::keyClick(view(), Qt::Key_Return);
    const BlazonRecord before = h->ws().CurrentBlazon;
    w->panel<HeldChargeTool>().deleteHeld();
    QCOMPARE(h->ws().CurrentBlazon, before);
    QVERIFY(h->messages->boxes.empty());
}

void HeldChargeTest::offTheCanvasIsThrownAwayOnItsEdgeIsPutDown() {
    d->setCharge(d->writePicture("a.bmp", 40, 30), 1, QPoint(100, 50));
    QVERIFY(w->panel<HeldChargeTool>().pickUp(1));
    w->panel<HeldChargeTool>().setBox(QRectF(265, 50, 40, 30));
    QVERIFY(w->panel<HeldChargeTool>().commitHeld());
    QVERIFY(h->messages->boxes.empty());
    QCOMPARE(d->charge(1).X, 265);
    QCOMPARE(d->charge(1).InUse, kTrue);

    QVERIFY(w->panel<HeldChargeTool>().pickUp(1));
    w->panel<HeldChargeTool>().setBox(QRectF(266, 50, 40, 30));
    QVERIFY(w->panel<HeldChargeTool>().commitHeld());
    QCOMPARE(int(h->messages->boxes.size()), 1);
    QCOMPARE(h->messages->boxes[0].title, QStringLiteral("Meuble largué aux oubliettes"));
    QVERIFY(h->messages->boxes[0].text.startsWith(QStringLiteral("Comment pensez-vous")));
    QCOMPARE(d->charge(1).InUse, 0);
    QVERIFY(!w->panel<HeldChargeTool>().state().isHolding());
}

void HeldChargeTest::aModifierMovesTheWholeGroup() {
    const QString path = d->writePicture("a.bmp", 20, 20);
    for (int n = 1; n <= 3; ++n) d->setCharge(path, n, QPoint(30 * n, 40));
    Workspace& ws = h->ws();
    const int g = NewMotif(ws);
    for (int n = 1; n <= 3; ++n) AddChargeToMotif(ws, g, n);
    QVERIFY(w->panel<HeldChargeTool>().pickUp(2));
    d->unmark();
    d->heldMouse(QEvent::MouseButtonPress, QPoint(5, 5));
    d->heldMouse(QEvent::MouseMove, QPoint(12, 5), Qt::LeftButton, Qt::ControlModifier);
    // Every member's record moved; none is drawn until the commit.
    QCOMPARE(d->charge(1).X, 37);
    QCOMPARE(d->charge(3).X, 97);
    // ...but the title says at once that the document changed.
    QCOMPARE(d->title(), QStringLiteral("Tessaline*"));
    d->heldMouse(QEvent::MouseMove, QPoint(15, 5));
    QCOMPARE(d->charge(1).X, 37);
    d->heldMouse(QEvent::MouseButtonRelease, QPoint(15, 5), Qt::NoButton);
    // Ctrl and its release move the members without drawing them; letting
    // go of Shift shows them where they went.
    d->unmark();
    QTest::keyClick(view(), Qt::Key_Left, Qt::ControlModifier);
    QCOMPARE(d->charge(1).X, 36);
    QCOMPARE(d->title(), QStringLiteral("Tessaline*"));
    const qint64 shown = w->panel<CanvasPanel>().canvas()->picture().cacheKey();
    const auto red = [&](int x) { return d->shown(x, 50) == 0xFF0000u; };
    QVERIFY(red(33) && !red(52));
    QTest::keyRelease(view(), Qt::Key_Shift);
    QVERIFY(w->panel<CanvasPanel>().canvas()->picture().cacheKey() != shown);
    QVERIFY(!red(33) && red(52));
    QVERIFY(w->panel<HeldChargeTool>().commitHeld());
    QCOMPARE(d->charge(2).X, 76);
    QCOMPARE(d->charge(2).InUse, kTrue);
}

void HeldChargeTest::undoBringsBackTheChargeAsItWasPickedUp() {
    d->setCharge(d->writePicture("a.bmp", 40, 30), 1, QPoint(50, 60));
    Workspace& ws = h->ws();
    d->charge(1).Tincture = 4;
    d->charge(1).Mirrored = kTrue;
    const ChargeRecord pickedUp = d->charge(1);

    // Deleted while held, then undone.
    QVERIFY(w->panel<HeldChargeTool>().pickUp(1));
    w->panel<HeldChargeTool>().setBox(QRectF(120, 80, 60, 45));
    QTest::keyClick(view(), Qt::Key_Delete);
    QCOMPARE(d->charge(1).InUse, 0);
    QVERIFY(!w->panel<HeldChargeTool>().state().isHolding());
    w->panel<ToolbarInput>().undoLast();
    QCOMPARE(d->charge(1), pickedUp);

    // Put down elsewhere, larger and in Sinople, then undone: back where it was
    // picked up, in the size and tincture it was put down with.
    QVERIFY(w->panel<HeldChargeTool>().pickUp(1));
    w->panel<HeldChargeTool>().setBox(QRectF(120, 80, 60, 45));
    QVERIFY(WindowDriver::drop(view(), makeTinctureDrag(5), QPoint(20, 15)));
    QVERIFY(w->panel<HeldChargeTool>().commitHeld());
    QCOMPARE(d->charge(1).X, 120);
    QCOMPARE(d->charge(1).Width, 60);
    w->panel<ToolbarInput>().undoLast();
    ChargeRecord putDown = pickedUp;
    putDown.Width = 60;
    putDown.Height = 45;
    putDown.Tincture = 5;
    QCOMPARE(d->charge(1), putDown);

    // Undo while holding lets the overlay go: the charge is not held twice.
    QVERIFY(w->panel<HeldChargeTool>().pickUp(1));
    w->panel<ToolbarInput>().undoLast();
    QVERIFY(!w->panel<HeldChargeTool>().state().isHolding());
    QCOMPARE(ws.SelectedCharge, 0);
}

void HeldChargeTest::aPastedCopyKeepsTinctureSizeAndMirroringButNoGroup() {
    const QString path = d->writePicture("a.bmp", 40, 30);
    d->setCharge(path, 1, QPoint(50, 60));
    d->setCharge(path, 2, QPoint(150, 60));
    Workspace& ws = h->ws();
    const int g = NewMotif(ws);
    AddChargeToMotif(ws, g, 1);
    AddChargeToMotif(ws, g, 2);
    QVERIFY(SetChargeTincture(ws, h->program->r().Charges, 1, 4));
    d->charge(1).Mirrored = kTrue;
    QVERIFY(w->panel<HeldChargeTool>().pickUp(1));
    w->panel<HeldChargeTool>().setBox(QRectF(50, 60, 60, 45));
    QTest::keyClick(view(), Qt::Key_Return);
    QVERIFY(w->panel<HeldChargeTool>().pickUp(1));
    h->messages->popupChoice = QStringLiteral("copyChargeAction");
    d->heldMouse(QEvent::MouseButtonPress, QPoint(3, 3), Qt::RightButton);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1"));
    QVERIFY(w->panel<ClipboardCommands>().canPaste());

    // The paste puts the held charge down first, then holds the copy at (2, 2).
    menuItem(*w, "pasteOnPartAction")->trigger();
    QCOMPARE(d->charge(1).InUse, kTrue);
    const int copy = ws.SelectedCharge;
    QCOMPARE(copy, 3);
    QCOMPARE(w->panel<HeldChargeTool>().state().box(), QRectF(2, 2, 60, 45));
    QVERIFY(w->panel<HeldChargeView>().resizeHandle()->isVisible());
    QCOMPARE(d->charge(copy).InUse, 0);
    w->panel<HeldChargeTool>().setBox(QRectF(100, 200, 60, 45));
    QTest::keyClick(view(), Qt::Key_Return);
    QCOMPARE(d->charge(copy).InUse, kTrue);
    QCOMPARE(d->charge(copy).X, 100);
    QCOMPARE(d->charge(copy).Tincture, 4);
    QCOMPARE(d->charge(copy).Width, 60);
    QCOMPARE(d->charge(copy).Height, 45);
    QCOMPARE(d->charge(copy).Mirrored, kTrue);
    QCOMPARE(int(d->charge(copy).Motif), 0);
    QCOMPARE(int(ws.Groups.Motifs[std::size_t(g)].Count), 2);
    // A reset forgets our text, and only ours.
    QApplication::clipboard()->setText(QStringLiteral("une autre"));
    w->panel<ClipboardCommands>().forgetCopy();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("une autre"));
}

void HeldChargeTest::onlyOurOwnClipboardTextPastes() {
    d->setCharge(d->writePicture("a.bmp", 40, 30), 1, QPoint(50, 60));
    const BlazonRecord before = h->ws().CurrentBlazon;
    // Nothing copied here: another program's number pastes nothing.
    for (const char* text : {"abc", "0", "3abc", "1", "-2", ""}) {
        QApplication::clipboard()->setText(QString::fromLatin1(text));
        QVERIFY2(!w->panel<ClipboardCommands>().canPaste(), text);
        w->panel<ClipboardCommands>().paste();
        QVERIFY(!w->panel<HeldChargeTool>().state().isHolding());
        QCOMPARE(h->ws().CurrentBlazon, before);
    }
    // Our copy, then the text replaced by another program's number.
    QVERIFY(w->panel<HeldChargeTool>().pickUp(1));
    w->panel<ClipboardCommands>().copyHeld();
    QVERIFY(w->panel<HeldChargeTool>().commitHeld());
    QVERIFY(w->panel<ClipboardCommands>().canPaste());
    QApplication::clipboard()->setText(QStringLiteral("12"));
    QVERIFY(!w->panel<ClipboardCommands>().canPaste());
    // Our text back, but the picture has left the bank.
    QApplication::clipboard()->setText(QStringLiteral("1"));
    NewDocument(h->ws(), h->program->r());
    QApplication::clipboard()->setText(QStringLiteral("1"));
    QVERIFY(!w->panel<ClipboardCommands>().canPaste());
}

void HeldChargeTest::aMirroredChargeShowsFlipped() {
    // A two-pixel figure, red then blue, placed by hand so no key colour eats a pixel.
    Workspace& ws = h->ws();
    Renderer& r = h->program->r();
    Surface figure(2, 1, kBlack), mask(2, 1, kBlack);
    figure.setPixel(0, 0, 0x0000FF);  // red
    figure.setPixel(1, 0, 0xFF0000);  // blue
    r.Charges.setBankPicture(9, std::move(figure), std::move(mask));
    ImageBankEntry& e = ws.Bank[9];
    e.InUse = kTrue;
    e.FileName = "deux.bmp";
    e.Width = 2;
    e.Height = 1;
    e.OwnTincture = 1;
    ChargeRecord& c = d->charge(1);
    c = ChargeRecord{};
    c.InUse = kTrue;
    c.ImageIndex = 9;
    c.X = 100;
    c.Y = 100;
    c.Width = 2;
    c.Height = 1;
    c.Tincture = 1;
    c.Mirrored = kTrue;
    w->session().redraw();
    QVERIFY(w->panel<HeldChargeTool>().pickUp(1));
    const QImage shown = view()->picture();
    QCOMPARE(shown.size(), QSize(2, 1));
    QCOMPARE(shown.pixel(0, 0), qRgb(0, 0, 255));
    QCOMPARE(shown.pixel(1, 0), qRgb(255, 0, 0));
    // Outside the figure the overlay is clear.
    QCOMPARE(
        renderHeldCharge(Surface(2, 1, kWhite), Surface(2, 1, kBlack), 2, 1, false).pixel(0, 0),
        0u);
}

void HeldChargeTest::aTinctureDropRecoloursWithoutUndoOrRedraw() {
    d->setCharge(d->writePicture("a.bmp", 40, 30), 1, QPoint(100, 50));
    QVERIFY(w->panel<HeldChargeTool>().pickUp(1));
    const BlazonRecord newestUndo = h->ws().Undos[1];
    const qint64 shown = w->panel<CanvasPanel>().canvas()->picture().cacheKey();
    const QRgb before = view()->picture().pixel(20, 15);
    const auto drop = [&](QMimeData* data) {
        QDragEnterEvent enter(QPoint(20, 15), Qt::CopyAction, data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(view(), &enter);
        QDropEvent dropped(QPointF(20, 15), Qt::CopyAction, data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(view(), &dropped);
        const bool taken = enter.isAccepted() && dropped.isAccepted();
        delete data;
        return taken;
    };
    // A fur, a foreign text, an out-of-range tincture: refused, nothing changes.
    QVERIFY(!drop(makeFurDrag(110)));
    auto* text = new QMimeData;
    text->setText(QStringLiteral("4"));
    QVERIFY(!drop(text));
    auto* wrong = new QMimeData;
    wrong->setData(QString::fromLatin1(kTinctureMimeType), "12");
    QVERIFY(!drop(wrong));
    QCOMPARE(view()->picture().pixel(20, 15), before);

    QVERIFY(drop(makeTinctureDrag(4)));
    QCOMPARE(d->charge(1).Tincture, 4);
    QVERIFY(view()->picture().pixel(20, 15) != before);
    QCOMPARE(h->ws().Undos[1], newestUndo);
    QCOMPARE(w->panel<CanvasPanel>().canvas()->picture().cacheKey(), shown);
    // The commit keeps the new tincture.
    QVERIFY(w->panel<HeldChargeTool>().commitHeld());
    QCOMPARE(d->charge(1).Tincture, 4);
}

void HeldChargeTest::aNewPictureWithEveryRecordTakenIsNotPlaced() {
    const QString path = d->writePicture("a.bmp", 20, 20);
    d->setCharge(path, 1, QPoint(10, 10));
    for (int n = 2; n <= kChargeCount; ++n) {
        d->charge(n) = d->charge(1);
        d->charge(n).X = Integer(n * 4);
    }
    const QString newPicture = d->writePicture("b.bmp", 30, 30);
    d->bringUp(newPicture);
    QCOMPARE(w->panel<HeldChargeTool>().state().box(), QRectF(2, 2, 30, 30));
    QVERIFY(!w->panel<HeldChargeView>().resizeHandle()->isVisible());
    const BlazonRecord before = h->ws().CurrentBlazon;
    QTest::keyClick(view(), Qt::Key_Return);
    QCOMPARE(int(h->messages->boxes.size()), 1);
    QCOMPARE(h->messages->boxes[0].text,
             QStringLiteral("Le maximum d'images insérables est atteint!"));
    // Not placed, the overlay hidden; the picture stays in the list.
    QVERIFY(!w->panel<HeldChargeTool>().state().isHolding());
    QVERIFY(!view()->isVisible());
    QCOMPARE(h->ws().CurrentBlazon, before);
    QCOMPARE(w->panel<PictureListPanel>().pictureList()->findItems("b", Qt::MatchExactly).size(),
             1);
    // A record freed, the picture brought up again is placed.
    d->charge(7).InUse = 0;
    d->bringUp(newPicture);
    QTest::keyClick(view(), Qt::Key_Return);
    QVERIFY(!w->panel<HeldChargeTool>().state().isHolding());
    QCOMPARE(d->charge(7).InUse, kTrue);
    QCOMPARE(d->charge(7).Width, 30);
    QCOMPARE(d->charge(7).X, 2);
    // A picture that cannot be read is refused with a message.
    QVERIFY(!w->panel<HeldChargeTool>().holdNewPicture(h->home.filePath("absente.bmp")));
    QVERIFY(!w->panel<HeldChargeTool>().state().isHolding());
    QCOMPARE(int(h->messages->boxes.size()), 2);
}

void HeldChargeTest::theMenuFollowsWhatIsHeld() {
    QVERIFY(w->panel<HeldChargeTool>().holdNewPicture(d->writePicture("b.bmp", 30, 30)));
    d->heldMouse(QEvent::MouseButtonPress, QPoint(3, 3), Qt::RightButton);
    QCOMPARE(int(h->messages->popups.size()), 1);
    QCOMPARE(h->messages->popups.back().menu, QStringLiteral("heldChargeMenu"));
    QCOMPARE(h->messages->popups.back().defaultItem, QStringLiteral("deleteHeldChargeAction"));
    QVERIFY(!menuItem(*w, "mirrorChargeAction")->isEnabled());
    QVERIFY(!menuItem(*w, "copyChargeAction")->isEnabled());
    QVERIFY(menuItem(*w, "deleteHeldChargeAction")->isEnabled());
    menuItem(*w, "deleteHeldChargeAction")->trigger();
    QVERIFY(!w->panel<HeldChargeTool>().state().isHolding());
    QVERIFY(!h->ws().Modified);

    d->setCharge(d->writePicture("a.bmp", 40, 30), 1, QPoint(100, 50));
    d->charge(1).Brochant = kTrue;
    QVERIFY(w->panel<HeldChargeTool>().pickUp(1));
    d->heldMouse(QEvent::MouseButtonPress, QPoint(3, 3), Qt::RightButton);
    QVERIFY(menuItem(*w, "mirrorChargeAction")->isEnabled());
    QVERIFY(menuItem(*w, "chargeOverAllAction")->isChecked());
    QVERIFY(!menuItem(*w, "mirrorChargeAction")->isChecked());
    // Mirroring flips the overlay at once, with one undo step.
    const QImage plain = view()->picture();
    menuItem(*w, "mirrorChargeAction")->trigger();
    QCOMPARE(d->charge(1).Mirrored, kTrue);
    QCOMPARE(view()->picture(), plain.mirrored(true, false));
    menuItem(*w, "chargeOverAllAction")->trigger();
    QCOMPARE(d->charge(1).Brochant, 0);
    QVERIFY(w->panel<HeldChargeTool>().state().isHolding());
}

QTEST_MAIN(HeldChargeTest)
#include "held_charge_test.moc"
