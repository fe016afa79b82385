// What the canvas says under the pointer (the pieces' names, "Filet en …",
// also while a drag passes over it) and two drops: a tincture on a Pal whose
// zone still holds arms inserted under a Chef, and a drop over the held charge.
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QTest>

#include "editor/title_bar.h"
#include "window_test.h"

using namespace tess;

class HoverAndDropsTest : public WindowTest {
    Q_OBJECT
  private slots:
    void thePieceCaptionsNameThePieceAndItsFillet();
    void theCaptionsFollowADragOverTheCanvas();
    void aTinctureOnAPalKeepsTheArmsAChefLeftInItsZone();
    void aDropOverTheHeldChargeNeverReachesThePartBeneath();

  private:
    QString captionAt(QPoint at) {
        QTest::mouseMove(&d->canvas(), at);
        return d->w().panel<CanvasPanel>().partCaption()->text();
    }
    // The size chooser pressed in the band of `size` (0 whole, 1 diminished,
    // -1 en filet).
    void chooseSize(QWidget* chooser, int size) {
        QTest::mouseClick(chooser, Qt::LeftButton, {},
                          QPoint(5, size == 0  ? 5
                                    : size > 0 ? 25
                                               : 50));
    }
};

void HoverAndDropsTest::thePieceCaptionsNameThePieceAndItsFillet() {
    PieceOptions& o = d->w().panel<PieceOptions>();
    // The name the blazon gives the piece; "Filet en " only for a piece that
    // can be narrowed and is.
    const struct {
        const char* piece;
        int size;
        int zone;
        const char* caption;
    } rows[] = {
        {"Pal", 0, kFirstOrderZone, "Pal"},
        {"Pal", 1, kFirstOrderZone, "Vergette"},
        {"Pal", -1, kFirstOrderZone, "Filet en Pal"},
        {"Chef", 0, kFirstOrderZone, "Chef"},
        {"Chef", 1, kFirstOrderZone, "Comble"},
        {"Croix", 0, kSecondOrderZone, "Croix"},
        {"Croix", -1, kSecondOrderZone, "Filet en Croix"},
        {"Canton", 0, kSecondOrderZone, "Canton"},
    };
    for (const auto& row : rows) {
        d->reset();
        d->choosePiece(QString::fromUtf8(row.piece));
        if (row.size != 0)
            chooseSize(row.zone == kFirstOrderZone ? o.sizeChooser() : o.secondOrderSizeChooser(),
                       row.size);
        const QPoint at = d->pointOfPart(row.zone);
        QVERIFY2(at.x() >= 0, row.caption);
        QCOMPARE(captionAt(at), QString::fromUtf8(row.caption));
        QCOMPARE(d->canvas().toolTip(), QString::fromUtf8(row.caption));
    }
    // A Chef en filet (as a document may hold it) cannot be narrowed: its name only.
    d->reset();
    d->choosePiece(QStringLiteral("Chef"));
    d->ws().CurrentBlazon.Ordinary1.Size = -1;
    d->w().session().redraw();
    QCOMPARE(captionAt(d->pointOfPart(kFirstOrderZone)), QStringLiteral("Chef"));
    // The field's parts by number.
    d->ctrl(Qt::Key_2);  // Parti
    QCOMPARE(captionAt(d->pointOfPart(2)), QStringLiteral("Partie 2"));
}

void HoverAndDropsTest::theCaptionsFollowADragOverTheCanvas() {
    QLabel* coordinates = d->w().panel<CanvasPanel>().coordinateCaption();
    QLabel* part = d->w().panel<CanvasPanel>().partCaption();
    auto* payload = makeTinctureDrag(kGueules);
    QDragEnterEvent enter(QPoint(120, 210), Qt::CopyAction, payload, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&d->canvas(), &enter);
    QCOMPARE(coordinates->text(), QStringLiteral("-12; 40"));
    QCOMPARE(part->text(), QStringLiteral("Partie 1"));
    QDragMoveEvent move(QPoint(132, 170), Qt::CopyAction, payload, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&d->canvas(), &move);
    QCOMPARE(coordinates->text(), QStringLiteral("0; 0"));
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(&d->canvas(), &leave);
    delete payload;

    // Over a charge, a fur is refused and the caption names the charge.
    const int n = d->place(d->writePicture("tour.bmp", 30, 30), QPoint(60, 60));
    bool accepted = true;
    payload = makeFurDrag(kHermine);
    QDragEnterEvent overCharge(QPoint(75, 75), Qt::CopyAction, payload, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&d->canvas(), &overCharge);
    accepted = overCharge.isAccepted();
    delete payload;
    QVERIFY(!accepted);
    QCOMPARE(part->text(), QStringLiteral("[%1] tour").arg(n));
    QCOMPARE(coordinates->text(), QStringLiteral("-57; -95"));
}

void HoverAndDropsTest::aTinctureOnAPalKeepsTheArmsAChefLeftInItsZone() {
    // A document to insert, saved from a blank shield.
    h->messages->saveFiles = {h->home.filePath("dedans")};
    menuItem(d->w(), "saveAsAction")->trigger();
    const std::string inserted = h->home.filePath("dedans.bls").toStdString();
    d->reset();
    d->choosePiece(QStringLiteral("Chef"));
    h->messages->files = {QString::fromStdString(inserted)};
    d->rightClickPart(kFirstOrderZone, QStringLiteral("insertArmsOnPieceAction"));
    PartRecord& zone = d->ws().CurrentBlazon.Parts[kFirstOrderZone];
    QCOMPARE(zone.InsertedPath, inserted);
    QCOMPARE(zone.Kind, kClassInserted);

    // The Pal takes the zone; the arms are not drawn on it, but their path stays
    // through a tincture dropped there.
    d->choosePiece(QStringLiteral("Pal"));
    QVERIFY(WindowDriver::drop(&d->canvas(), makeTinctureDrag(kSinople),
                               d->pointOfPart(kFirstOrderZone)));
    QCOMPARE(zone.Tincture, kSinople);
    QCOMPARE(zone.Kind, kClassColour);
    QCOMPARE(zone.InsertedPath, inserted);

    // Back to a Chef, the same drop gives the arms up.
    d->choosePiece(QStringLiteral("Chef"));
    QVERIFY(
        WindowDriver::drop(&d->canvas(), makeTinctureDrag(kOr), d->pointOfPart(kFirstOrderZone)));
    QCOMPARE(zone.Kind, kClassMetal);
    QVERIFY(zone.InsertedPath.empty());
}

void HoverAndDropsTest::aDropOverTheHeldChargeNeverReachesThePartBeneath() {
    const int n = d->place(d->writePicture("a.bmp", 40, 40), QPoint(100, 150));
    d->ws().Modified = false;
    QVERIFY(d->pickUp(n));
    d->w().panel<TitleBar>().refreshTitle();
    const BlazonRecord before = d->ws().CurrentBlazon;
    const auto undos = d->ws().Undos;
    // On the canvas, over the overlay: refused, whatever the payload.
    for (QMimeData* payload : {makeTinctureDrag(kGueules), makeFurDrag(kVair)}) {
        bool moveAccepted = true;
        QVERIFY(!WindowDriver::drop(&d->canvas(), payload, QPoint(120, 170), &moveAccepted));
        QVERIFY(!moveAccepted);
    }
    // On the overlay itself a fur is refused too.
    QVERIFY(!WindowDriver::drop(&d->held(), makeFurDrag(kVair), QPoint(20, 20)));
    QCOMPARE(d->ws().CurrentBlazon, before);
    QVERIFY(d->ws().Undos == undos);
    QCOMPARE(d->title(), QStringLiteral("Tessaline"));
    // Beside the overlay the same drop dresses the part.
    QVERIFY(WindowDriver::drop(&d->canvas(), makeTinctureDrag(kGueules), QPoint(60, 250)));
    QCOMPARE(d->ws().CurrentBlazon.Parts[1].Tincture, kGueules);
    QVERIFY(d->w().panel<HeldChargeTool>().state().isHolding());
}

QTEST_MAIN(HoverAndDropsTest)
#include "hover_and_drops_test.moc"
