// The held charge's commands in the running window: the alignment strip and
// the corner with a modifier key moving and sizing a whole group, the mirror's
// group question, a click on another charge, the held charge's properties, and
// a picture leaving the list with the copy kept for paste.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "dialogs/picture_properties_dialog.h"
#include "editor/title_bar.h"
#include "model/motifs.h"
#include "window_test.h"

using namespace tess;

class ChargeCommandsTest : public WindowTest {
    Q_OBJECT
  private slots:
    void theAlignmentStripMovesTheGroupOnlyWithAModifier();
    void theMirrorAsksAboutTheGroupAndTakesOneUndoStep();
    void aGroupResizedWithAModifierTakesTheSizeInPlace();
    void aClickOnAnotherChargePutsTheHeldOneDownOnly();
    void theHeldChargesPropertiesNameItsPictureAndItsUses();
    void aPictureLeavingTheListForgetsTheCopyAndMarksTheTitle();

  private:
    // Three charges of a left-red, right-blue picture in one group, at
    // (40, 60), (100, 60) and (160, 60).
    void placeGroupOfThree();
    QString twoColourPicture();

    int group = 0;
};

QString ChargeCommandsTest::twoColourPicture() {
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 1; y < 9; ++y)
        for (int x = 1; x < 19; ++x)
            image.setPixel(x, y, x < 10 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    const QString path = h->home.filePath("deux.bmp");
    if (!image.save(path, "BMP")) qFatal("cannot write %s", qPrintable(path));
    return path;
}

void ChargeCommandsTest::placeGroupOfThree() {
    const QString path = twoColourPicture();
    for (int n = 1; n <= 3; ++n) QCOMPARE(d->place(path, QPoint(-20 + 60 * n, 60)), n);
    // Groups are made by the distribution dialog; here they are set up by hand.
    group = NewMotif(d->ws());
    for (int n = 1; n <= 3; ++n) AddChargeToMotif(d->ws(), group, n);
    d->unmark();
}

void ChargeCommandsTest::theAlignmentStripMovesTheGroupOnlyWithAModifier() {
    placeGroupOfThree();
    QVERIFY(d->pickUp(2));
    const auto undos = d->ws().Undos;
    auto* strip = d->w().panel<AlignmentStrip>().strip();
    QVERIFY(strip->isVisible());

    // "Aligné à gauche" without a key: the held charge alone.
    QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(10, 20));
    QCOMPARE(d->w().panel<HeldChargeTool>().state().box(), QRectF(1, 60, 20, 10));
    QCOMPARE(d->w().panel<HeldChargeView>().overlayFrame()->geometry(), QRect(0, 59, 22, 12));
    QCOMPARE(QPoint(d->charge(1).X, d->charge(1).Y), QPoint(40, 60));
    QCOMPARE(QPoint(d->charge(3).X, d->charge(3).Y), QPoint(160, 60));
    QCOMPARE(d->w().focusWidget(), static_cast<QWidget*>(&d->held()));

    // "Aligné en haut" with Shift: every member follows the held charge's step
    // from its record, (1 - 100, 1 - 60).
    QTest::mouseClick(strip, Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 190));
    QCOMPARE(d->w().panel<HeldChargeTool>().state().box(), QRectF(1, 1, 20, 10));
    QCOMPARE(QPoint(d->charge(1).X, d->charge(1).Y), QPoint(-59, 1));
    QCOMPARE(QPoint(d->charge(3).X, d->charge(3).Y), QPoint(61, 1));
    QCOMPARE(QPoint(d->charge(2).X, d->charge(2).Y), QPoint(1, 1));

    // With Ctrl or Alt the group follows as well, and the title shows the
    // change at once, as after Shift, though nothing is drawn yet.
    const struct {
        Qt::KeyboardModifier key;
        int y;
        QPoint third;
    } keyed[] = {{Qt::ControlModifier, 270, {61, 171}}, {Qt::AltModifier, 190, {61, 1}}};
    for (const auto& k : keyed) {
        d->unmark();
        QTest::mouseClick(strip, Qt::LeftButton, k.key, QPoint(10, k.y));
        QCOMPARE(QPoint(d->charge(3).X, d->charge(3).Y), k.third);
        QCOMPARE(d->title(), QStringLiteral("Tessaline*"));
    }

    // Between the two groups of cells with Ctrl: nothing moves, the frames are
    // placed again and the focus goes back to the charge.
    QTest::mouseClick(strip, Qt::LeftButton, Qt::ControlModifier, QPoint(10, 160));
    QCOMPARE(d->w().panel<HeldChargeTool>().state().box(), QRectF(1, 1, 20, 10));
    QCOMPARE(QPoint(d->charge(3).X, d->charge(3).Y), QPoint(61, 1));
    QCOMPARE(d->w().focusWidget(), static_cast<QWidget*>(&d->held()));
    // No undo step until the charge is put down.
    QVERIFY(d->ws().Undos == undos);
}

void ChargeCommandsTest::theMirrorAsksAboutTheGroupAndTakesOneUndoStep() {
    placeGroupOfThree();
    const ChargeRecord third = d->charge(3);
    QCOMPARE(d->shown(45, 65), 0xFF0000u);  // the left half of charge 1 is red

    // "Non": the held charge alone flips, the shield is not drawn again.
    QVERIFY(d->pickUp(2));
    const QImage before = d->w().panel<CanvasPanel>().canvas()->picture().copy();
    h->messages->boxAnswers = {MessageAnswer::No};
    d->rightClickHeld(QStringLiteral("mirrorChargeAction"));
    QCOMPARE(int(h->messages->boxes.size()), 1);
    QCOMPARE(h->messages->boxes[0].text,
             QStringLiteral("Ce meuble fait partie d'un motif totalisant 3 meuble(s). Désirez-vous "
                            "inverser tous les meubles de ce motif? Sinon, seul ce meuble sera "
                            "inversé."));
    QCOMPARE(h->messages->boxes[0].title, QStringLiteral("Motif"));
    QCOMPARE(h->messages->boxes[0].style, kStyleYesNo + kStyleQuestion);
    QCOMPARE(d->charge(2).Mirrored, kTrue);
    QCOMPARE(d->charge(1).Mirrored, kFalse);
    QVERIFY(d->w().panel<CanvasPanel>().canvas()->picture() == before);
    // The overlay shows it flipped: blue on the left.
    QCOMPARE(d->held().picture().pixel(4, 5) & 0xFFFFFF, 0x0000FFu);

    // "Oui": every member flips back and forth, the shield shows it at once.
    h->messages->boxAnswers = {MessageAnswer::Yes};
    d->rightClickHeld(QStringLiteral("mirrorChargeAction"));
    QCOMPARE(d->charge(1).Mirrored, kTrue);
    QCOMPARE(d->charge(2).Mirrored, kFalse);
    QCOMPARE(d->charge(3).Mirrored, kTrue);
    QCOMPARE(d->shown(45, 65), 0x0000FFu);
    QCOMPARE(d->held().picture().pixel(4, 5) & 0xFFFFFF, 0xFF0000u);
    QVERIFY(d->title().endsWith(u'*'));

    // Each mirror was its own step: the toolbar's "Annuler" takes back the
    // last one and leaves the charges where they were placed.
    d->annuler();
    QCOMPARE(d->charge(1).Mirrored, kFalse);
    QCOMPARE(d->charge(3).Mirrored, kFalse);
    QCOMPARE(d->charge(3).InUse, kTrue);
    QCOMPARE(QPoint(d->charge(3).X, d->charge(3).Y), QPoint(third.X, third.Y));
    QCOMPARE(d->charge(2).InUse, kTrue);  // let go of, back on the shield
    QCOMPARE(d->shown(45, 65), 0xFF0000u);
}

void ChargeCommandsTest::aGroupResizedWithAModifierTakesTheSizeInPlace() {
    placeGroupOfThree();
    QVERIFY(d->pickUp(2));
    // Without a key: the held charge alone grows.
    d->heldMouse(QEvent::MouseMove, QPoint(18, 8), Qt::NoButton);
    d->heldMouse(QEvent::MouseButtonPress, QPoint(18, 8), Qt::LeftButton);
    QVERIFY(d->w().panel<HeldChargeTool>().state().isResizing());
    d->heldMouse(QEvent::MouseMove, QPoint(30, 8), Qt::LeftButton);
    QCOMPARE(d->w().panel<HeldChargeTool>().state().box(), QRectF(100, 60, 30, 15));
    QCOMPARE(d->charge(1).Width, 20);
    // With Ctrl: every member takes the overlay's size where it stands.
    d->heldMouse(QEvent::MouseMove, QPoint(40, 8), Qt::LeftButton, Qt::ControlModifier);
    d->heldMouse(QEvent::MouseButtonRelease, QPoint(40, 8), Qt::NoButton);
    QCOMPARE(d->w().panel<HeldChargeTool>().state().box(), QRectF(100, 60, 40, 20));
    for (int n : {1, 3}) {
        QCOMPARE(d->charge(n).Width, 40);
        QCOMPARE(d->charge(n).Height, 20);
    }
    QCOMPARE(QPoint(d->charge(1).X, d->charge(1).Y), QPoint(40, 60));
    QCOMPARE(QPoint(d->charge(3).X, d->charge(3).Y), QPoint(160, 60));
    // Put down, the whole group shows at its new size.
    QTest::keyClick(&d->held(), Qt::Key_Return);
    QCOMPARE(d->shown(40 + 35, 70), 0x0000FFu);  // charge 1's right half reaches x 79
}

void ChargeCommandsTest::aClickOnAnotherChargePutsTheHeldOneDownOnly() {
    const QString path = d->writePicture("a.bmp", 20, 20);
    const int one = d->place(path, QPoint(50, 80));
    const int two = d->place(path, QPoint(150, 80));
    QVERIFY(d->pickUp(one));
    d->dragHeld(QPoint(5, 5), 10, 30);
    QCOMPARE(d->w().panel<HeldChargeTool>().state().box(), QRectF(60, 110, 20, 20));

    QTest::mouseClick(&d->canvas(), Qt::LeftButton, {}, d->pointOnCharge(two));
    QVERIFY(!d->w().panel<HeldChargeTool>().state().isHolding());
    QCOMPARE(d->ws().SelectedCharge, 0);
    QCOMPARE(d->charge(one).InUse, kTrue);
    QCOMPARE(QPoint(d->charge(one).X, d->charge(one).Y), QPoint(60, 110));
    QCOMPARE(d->charge(two).InUse, kTrue);
    QCOMPARE(QPoint(d->charge(two).X, d->charge(two).Y), QPoint(150, 80));
    QCOMPARE(d->shown(70, 120), 0xFF0000u);
}

void ChargeCommandsTest::theHeldChargesPropertiesNameItsPictureAndItsUses() {
    const QString path = d->writePicture("lion.bmp", 30, 24);
    d->place(path, QPoint(40, 40));
    const int n = d->place(path, QPoint(120, 120));
    QVERIFY(d->pickUp(n));
    d->rightClickHeld(QStringLiteral("chargePropertiesAction"));
    auto& dialog = d->w().dialogs().get<PicturePropertiesDialog>();
    QVERIFY(dialog.isVisible());
    const auto caption = [&](const char* name) {
        return dialog.findChild<QLabel*>(QString::fromLatin1(name))->text();
    };
    QCOMPARE(caption("nameLabel"), QStringLiteral("Nom: lion"));
    QCOMPARE(caption("sizeLabel"), QStringLiteral("Dimensions: 24 x 30"));
    // The held charge counts, though it is off the shield.
    QCOMPARE(caption("useLabel"), QStringLiteral("Utilisé 2 fois sur le blason"));

    auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("phraseBox"));
    box->clear();
    QTest::keyClicks(box, QStringLiteral("un lion rampant"));
    d->pressButton(&dialog, "okButton");
    QVERIFY(!dialog.isVisible());
    QVERIFY(d->w().panel<HeldChargeTool>().state().isHolding());
    QVERIFY2(d->w().panel<BlazonPanel>().blazonLabel()->text().contains(
                 QStringLiteral("un lion rampant")),
             qPrintable(d->w().panel<BlazonPanel>().blazonLabel()->text()));
}

void ChargeCommandsTest::aPictureLeavingTheListForgetsTheCopyAndMarksTheTitle() {
    const QString path = d->writePicture("tour.bmp", 20, 20);
    const int n = d->place(path, QPoint(60, 60));
    QVERIFY(d->pickUp(n));
    d->rightClickHeld(QStringLiteral("copyChargeAction"));
    QCOMPARE(QApplication::clipboard()->text(), QString::number(n));
    // The charge goes; its picture is left unused in the bank.
    QTest::keyClick(&d->held(), Qt::Key_Delete);
    QCOMPARE(d->charge(n).InUse, kFalse);
    d->unmark();
    QVERIFY(d->w().panel<ClipboardCommands>().canPaste());

    QListWidget* list = d->w().panel<PictureListPanel>().pictureList();
    const QPoint at = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(list->count(), 0);
    QVERIFY(h->messages->boxes.empty());
    // The bank lost a picture the document saves: the title says so.
    QVERIFY(d->ws().Modified);
    QCOMPARE(d->title(), QStringLiteral("Tessaline*"));
    // Our copy is forgotten: no text of ours, no paste offered, Ctrl+V nothing.
    QVERIFY(QApplication::clipboard()->text().isEmpty());
    QVERIFY(!d->w().panel<ClipboardCommands>().canPaste());
    d->rightClickPart(1);
    QVERIFY(!menuItem(d->w(), "pasteOnPartAction")->isEnabled());
    d->ctrl(Qt::Key_V);
    QVERIFY(!d->w().panel<HeldChargeTool>().state().isHolding());
}

QTEST_MAIN(ChargeCommandsTest)
#include "charge_commands_test.moc"
