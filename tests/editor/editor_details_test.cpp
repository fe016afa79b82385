// Small behaviours of the main window driven through its widgets: the shift
// zones' hover caption, the group packed by a right press on the held charge,
// and the picture list let go when a recent document is chosen and refused.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "actions/charge_placing.h"
#include "model/document.h"
#include "model/motifs.h"
#include "model/workspace.h"
#include "render/document_surfaces.h"
#include "render/renderer.h"
#include "support/widget_events.h"
#include "window_test.h"

using namespace tess;

class EditorDetailsTest : public WindowTest {
    Q_OBJECT
  private slots:
    void theShiftZonesWriteThePointerIntoTheirCaption();
    void aRightPressOnTheHeldChargePacksItsGroup();
    void aRefusedRecentDocumentLetsGoOfTheChosenPicture();
};

// "X; Y" in the zones' own pixels, written as the captions write real values,
// over the bands, between them and past them; the band's tooltip as before.
// The alignment strip beside them names its cell and leaves the caption.
void EditorDetailsTest::theShiftZonesWriteThePointerIntoTheirCaption() {
    PictureBox* zones = w->panel<PieceOptions>().shiftZones();
    PictureBox* strip = w->panel<AlignmentStrip>().strip();
    QLabel* caption = w->panel<PieceOptions>().firstOrderCaption();
    zones->show();
    strip->show();
    const struct {
        PictureBox* over;
        QPointF at;
        const char* caption;
        const char* tip;
    } moves[] = {{zones, {10, 5}, "10; 5", "Pièce déportée En Dextre / En chef"},
                 {zones, {3, 30}, "3; 30", "Pièce normale"},
                 {zones, {12.5, 19.5}, "12.5; 19.5", "Pièce normale"},
                 {zones, {0, 57}, "0; 57", "Pièce déportée En Sénestre / En pointe"},
                 {zones, {7, 58}, "7; 58", "Pièce déportée En Sénestre / En pointe"},
                 {strip, {10, 262}, "7; 58", "Aligné sous le centre"}};
    for (const auto& m : moves) {
        sendMouse(m.over, QEvent::MouseMove, m.at, Qt::NoButton, Qt::NoButton);
        QCOMPARE(caption->text(), QString::fromUtf8(m.caption));
        QCOMPARE(m.over->toolTip(), QString::fromUtf8(m.tip));
    }
    // A hover only: no step, no mark.
    QVERIFY(!h->ws().Modified);
}

// The group of three lost a member without being packed; a right press packs
// it before the menu comes up, so the mirror's question counts two.
void EditorDetailsTest::aRightPressOnTheHeldChargePacksItsGroup() {
    Workspace& ws = h->ws();
    const QString path = d->writePicture("etoile.bmp", 40, 30, qRgb(0, 0, 255));
    for (int n = 1; n <= 3; ++n) d->setCharge(path, n, QPoint(20 + 60 * n, 60));
    const int g = NewMotif(ws);
    for (int n = 1; n <= 3; ++n) AddChargeToMotif(ws, g, n);
    MotifRecord& group = ws.Groups.Motifs[std::size_t(g)];
    group.Members[2] = 0;
    ws.CurrentBlazon.Charges[2].Motif = 0;
    QCOMPARE(int(group.Count), 3);

    QVERIFY(w->panel<HeldChargeTool>().pickUp(1));
    h->messages->popupChoice = QStringLiteral("mirrorChargeAction");
    QWidget* view = &w->panel<HeldChargeView>();
    click(view, QPointF(5, 5), Qt::RightButton);
    QCOMPARE(int(group.Count), 2);
    QCOMPARE(int(group.Members[1]), 1);
    QCOMPARE(int(group.Members[2]), 3);
    QCOMPARE(int(group.Members[3]), 0);
    QCOMPARE(h->messages->popups.back().menu, QStringLiteral("heldChargeMenu"));
    QVERIFY(!h->messages->boxes.empty());
    QVERIFY2(h->messages->boxes.back().text.contains(QStringLiteral("totalisant 2 meuble(s)")),
             qPrintable(h->messages->boxes.back().text));
}

// Choosing a recent document lets go of the picture chosen in the list, even
// when the document is refused (here it no longer exists).
void EditorDetailsTest::aRefusedRecentDocumentLetsGoOfTheChosenPicture() {
    h->messages->files = {d->writePicture("lion.bmp", 40, 30, qRgb(0, 0, 255))};
    menuItem(*w, "addPictureAction")->trigger();
    QListWidget* list = w->panel<PictureListPanel>().pictureList();
    QCOMPARE(list->count(), 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    QVERIFY(!w->panel<PictureListPanel>().SelectedImageKey().isEmpty());
    QVERIFY(list->item(0)->isSelected());
    QVERIFY(menuItem(*w, "deletePictureAction")->isEnabled());

    h->ws().Recent.RecentFiles[1] = h->home.filePath("parti.bls").toStdString();
    menuItem(*w, "recentFileAction1")->trigger();
    QCOMPARE(h->messages->boxes.size(), std::size_t(1));
    QCOMPARE(list->count(), 1);
    QVERIFY(w->panel<PictureListPanel>().SelectedImageKey().isEmpty());
    QVERIFY(!list->item(0)->isSelected());
    QVERIFY(!menuItem(*w, "deletePictureAction")->isEnabled());
}

QTEST_MAIN(EditorDetailsTest)
#include "editor_details_test.moc"
