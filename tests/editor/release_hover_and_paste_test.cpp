// The whole program around the held charge: letting go of it after a move or
// a resize brings the hover captions back, and "Coller" (the three menu
// entries and Ctrl+V) is offered only while our own copy can be placed,
// whatever another program leaves on the clipboard.
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QListWidget>
#include <QTest>

#include "actions/canvas_hits.h"
#include "actions/charge_placing.h"
#include "editor/held_charge_view.h"
#include "model/document.h"
#include "model/workspace.h"
#include "render/document_surfaces.h"
#include "render/renderer.h"
#include "support/widget_events.h"
#include "window_test.h"

using namespace tess;

class ReleaseHoverAndPasteTest : public WindowTest {
    Q_OBJECT
  private slots:
    void lettingGoAfterAMoveOrAResizeShowsWhatLiesUnderThePointer();
    void aNumberLeftByAnotherProgramOffersNoPaste();
    void badClipboardTextsOfferAndPasteNothing();

  private:
    QWidget& canvas() { return *w->panel<CanvasPanel>().canvas(); }
    QWidget* view() { return &w->panel<HeldChargeView>(); }
    QStringList captions() {
        return {w->panel<CanvasPanel>().coordinateCaption()->text(),
                w->panel<CanvasPanel>().partCaption()->text()};
    }
    // What a hover of the canvas itself reads at canvas point `at`.
    QStringList hoverOfCanvasAt(QPoint at);
    // The three "Coller" entries as a right press on part 1 leaves them.
    QList<bool> pasteEntries();
};

QStringList ReleaseHoverAndPasteTest::hoverOfCanvasAt(QPoint at) {
    w->panel<CanvasPanel>().clearHoverCaptions();
    sendMouse(&canvas(), QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
    return captions();
}

QList<bool> ReleaseHoverAndPasteTest::pasteEntries() {
    // A field part: the part menu opens; all three entries are set together.
    sendMouse(&canvas(), QEvent::MouseButtonPress, QPoint(60, 250), Qt::RightButton,
              Qt::RightButton);
    sendMouse(&canvas(), QEvent::MouseButtonRelease, QPoint(60, 250), Qt::RightButton,
              Qt::NoButton);
    [&] { QCOMPARE(h->messages->popups.back().menu, QStringLiteral("partMenu")); }();
    return {menuItem(*w, "pasteOnPartAction")->isEnabled(),
            menuItem(*w, "pasteOnFirstOrderAction")->isEnabled(),
            menuItem(*w, "pasteOnSecondOrderAction")->isEnabled()};
}

// Hold a charge, drag it and let go: the captions under the shield read what
// a hover of the canvas at the release point reads, not the overlay's centre
// and size; the same after a resize from the corner.
void ReleaseHoverAndPasteTest::lettingGoAfterAMoveOrAResizeShowsWhatLiesUnderThePointer() {
    d->setCharge(d->writePicture("lion.bmp", 40, 30), 1, QPoint(100, 50));
    click(&canvas(), QPoint(110, 60), Qt::LeftButton);
    QVERIFY(w->panel<HeldChargeTool>().state().isHolding());

    sendMouse(view(), QEvent::MouseButtonPress, QPoint(10, 5), Qt::LeftButton, Qt::LeftButton);
    sendMouse(view(), QEvent::MouseMove, QPoint(25, 45), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(captions(), (QStringList{QStringLiteral("135; 105"), QStringLiteral("30 x 40")}));
    // The pointer stays on the grabbed point: (10, 5) in the moved overlay.
    sendMouse(view(), QEvent::MouseButtonRelease, QPoint(10, 5), Qt::LeftButton, Qt::NoButton);
    const QStringList released = captions();
    QVERIFY(!w->panel<CanvasPanel>().coordinateCaption()->font().bold());
    QCOMPARE(released, hoverOfCanvasAt(QPoint(125, 95)));
    QCOMPARE(released, (QStringList{QStringLiteral("-7; -75"), QStringLiteral("Partie 1")}));

    // The corner: the sizing pointer shows, the press resizes, the release hovers.
    sendMouse(view(), QEvent::MouseMove, QPoint(37, 27), Qt::NoButton, Qt::NoButton);
    QCOMPARE(view()->cursor().shape(), Qt::SizeFDiagCursor);
    sendMouse(view(), QEvent::MouseButtonPress, QPoint(37, 27), Qt::LeftButton, Qt::LeftButton);
    sendMouse(view(), QEvent::MouseMove, QPoint(80, 27), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(w->panel<HeldChargeTool>().state().box(), QRectF(115, 90, 80, 60));
    QCOMPARE(w->panel<CanvasPanel>().partCaption()->text(), QStringLiteral("200%"));
    sendMouse(view(), QEvent::MouseButtonRelease, QPoint(78, 57), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(captions(), hoverOfCanvasAt(QPoint(193, 147)));
    QCOMPARE(captions().first(), QStringLiteral("61; -23"));
    // Only captions changed: the document waits for the commit.
    QCOMPARE(h->ws().CurrentBlazon.Charges[1].X, 100);
}

// Our copy of charge 3 puts "3" on the clipboard; the same "3" copied from
// another program is not our copy: the entries go grey and Ctrl+V does nothing.
void ReleaseHoverAndPasteTest::aNumberLeftByAnotherProgramOffersNoPaste() {
    const QString path = d->writePicture("tour.bmp", 40, 30);
    d->setCharge(path, 1, QPoint(20, 40));
    d->setCharge(path, 2, QPoint(80, 40));
    d->setCharge(path, 3, QPoint(140, 40));
    QVERIFY(w->panel<HeldChargeTool>().pickUp(3));
    h->messages->popupChoice = QStringLiteral("copyChargeAction");
    click(view(), QPoint(5, 5), Qt::RightButton);
    h->messages->popupChoice.clear();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("3"));
    QTest::keyClick(view(), Qt::Key_Return);
    QVERIFY(!w->panel<HeldChargeTool>().state().isHolding());
    QCOMPARE(pasteEntries(), (QList<bool>{true, true, true}));

    QApplication::clipboard()->setText(QStringLiteral("3"));
    QCOMPARE(pasteEntries(), (QList<bool>{false, false, false}));
    const BlazonRecord before = h->ws().CurrentBlazon;
    d->ctrl(Qt::Key_V);
    QVERIFY(!w->panel<HeldChargeTool>().state().isHolding());
    QCOMPARE(h->ws().CurrentBlazon, before);
    // The menu's own entry, triggered anyway, places nothing either.
    menuItem(*w, "pasteOnPartAction")->trigger();
    QVERIFY(!w->panel<HeldChargeTool>().state().isHolding());
    QCOMPARE(h->ws().CurrentBlazon, before);
}

// Texts another program may leave, and our own copy once its picture has left
// the bank: no entry is offered, and neither Ctrl+V nor an entry changes
// anything. Our own copy, before that, pastes by Ctrl+V.
void ReleaseHoverAndPasteTest::badClipboardTextsOfferAndPasteNothing() {
    const QString path = d->writePicture("croix.bmp", 40, 30);
    d->setCharge(path, 1, QPoint(20, 40));
    const QString longText(100000, QLatin1Char('9'));
    for (const QString& text :
         {QString(), QStringLiteral("3"), QStringLiteral("999"), QStringLiteral("abc"), longText}) {
        QApplication::clipboard()->setText(text);
        QVERIFY2(pasteEntries() == (QList<bool>{false, false, false}), qPrintable(text.left(8)));
        const BlazonRecord before = h->ws().CurrentBlazon;
        d->ctrl(Qt::Key_V);
        QVERIFY(!w->panel<HeldChargeTool>().state().isHolding());
        QCOMPARE(h->ws().CurrentBlazon, before);
    }

    // Our copy pastes by Ctrl+V: it comes up held at (2, 2).
    QVERIFY(w->panel<HeldChargeTool>().pickUp(1));
    w->panel<ClipboardCommands>().copyHeld();
    QVERIFY(w->panel<HeldChargeTool>().commitHeld());
    d->ctrl(Qt::Key_V);
    QVERIFY(w->panel<HeldChargeTool>().state().isHolding());
    QCOMPARE(w->panel<HeldChargeTool>().state().box().topLeft(), QPointF(2, 2));
    QVERIFY(w->panel<HeldChargeTool>().commitHeld());

    // Every charge of the picture deleted, then the picture taken out of the
    // list: our copy has nothing left to paste.
    for (int n : {1, 2}) {
        QVERIFY(w->panel<HeldChargeTool>().pickUp(n));
        w->panel<HeldChargeTool>().deleteHeld();
    }
    h->messages->files = {path};
    menuItem(*w, "addPictureAction")->trigger();
    QListWidget* list = w->panel<PictureListPanel>().pictureList();
    QCOMPARE(list->count(), 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    menuItem(*w, "deletePictureAction")->trigger();
    QCOMPARE(list->count(), 0);
    QCOMPARE(pasteEntries(), (QList<bool>{false, false, false}));
    const BlazonRecord before = h->ws().CurrentBlazon;
    d->ctrl(Qt::Key_V);
    QVERIFY(!w->panel<HeldChargeTool>().state().isHolding());
    QCOMPARE(h->ws().CurrentBlazon, before);
}

QTEST_MAIN(ReleaseHoverAndPasteTest)
#include "release_hover_and_paste_test.moc"
