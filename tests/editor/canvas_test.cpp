// The shield canvas and the controls beside it, driven by synthetic events:
// drops, picking, menus, hover, keys, the palette, the alignment strip and the
// shift zones.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>

#include "actions/canvas_hits.h"
#include "actions/charge_placing.h"
#include "actions/document_file.h"
#include "actions/field_edits.h"
#include "actions/redraw_shield.h"
#include "editor/alignment_strip.h"
#include "editor/canvas_input.h"
#include "editor/tincture_palette_input.h"
#include "model/document.h"
#include "model/piece_types.h"
#include "model/workspace.h"
#include "render/document_surfaces.h"
#include "render/key_colours.h"
#include "render/renderer.h"
#include "widgets/drag_payloads.h"
#include "window_test.h"

using namespace tess;

class CanvasTest : public WindowTest {
    Q_OBJECT
  private slots:
    void aDropDressesThePartUnderItOnly();
    void aDropOnALineWarnsAndTakesAStep();
    void aFurOverAChargeIsRefusedAndATinctureRecoloursIt();
    void foreignDragsAreRefusedAtTheDoor();
    void ctrlAndTheDigitRowChoosePartitions();
    void theMenusFollowWhatIsUnderThePointer();
    void thePasteItemsWantOurOwnCopy();
    void theHoverNamesThePointAndThePart();
    void thePaletteDragsItsCellsTinctureAndOpensTheColourMenu();
    void theAlignmentCellsPlaceTheBox();
    void theShiftZonesTakeAStepEvenInTheirGaps();
    void dropPickUpPutDownSaveAndReopen();

  private:
    // A canvas point whose part-map pixel is part k's key colour (the first
    // found scanning from the middle down), or (-1, -1).
    QPoint pointOfPart(int k);
    QPoint pointOnCharge();
    bool drop(QMimeData* payload, QPoint at, bool* enterAccepted = nullptr,
              bool* moveAccepted = nullptr);
    void partition(Long code);
    QString squarePicture();
    QWidget& canvas() { return *w->panel<CanvasPanel>().canvas(); }
    Renderer& r() { return h->program->r(); }
};

void CanvasTest::partition(Long code) {
    h->ws().CurrentBlazon.Partition = code;
    w->session().redraw();
}

QPoint CanvasTest::pointOfPart(int k) {
    const Surface& map = r().partMap;
    for (int y = 170; y < map.height(); ++y)
        for (int x = 20; x < map.width() - 20; ++x)
            if (map.pixel(x, y) == kPartKeyColours[std::size_t(k)] &&
                map.pixel(x + 3, y) == map.pixel(x, y) && map.pixel(x, y + 3) == map.pixel(x, y))
                return {x + 1, y + 1};
    for (int y = 10; y < 170; ++y)
        for (int x = 20; x < map.width() - 20; ++x)
            if (map.pixel(x, y) == kPartKeyColours[std::size_t(k)] &&
                map.pixel(x + 3, y) == map.pixel(x, y) && map.pixel(x, y + 3) == map.pixel(x, y))
                return {x + 1, y + 1};
    return {-1, -1};
}

QPoint CanvasTest::pointOnCharge() {
    const Surface& hits = r().chargeHitMap;
    for (int y = 0; y < hits.height(); ++y)
        for (int x = 0; x < hits.width(); ++x)
            if (hits.pixel(x, y) == 0x0000FFu && hits.pixel(x + 2, y + 2) == 0x0000FFu)
                return {x + 1, y + 1};
    return {-1, -1};
}

QString CanvasTest::squarePicture() {
    QImage square(40, 40, QImage::Format_RGB32);
    square.fill(Qt::white);
    for (int y = 5; y < 35; ++y)
        for (int x = 5; x < 35; ++x) square.setPixel(x, y, qRgb(255, 0, 0));
    const QString path = h->home.filePath("carre.bmp");
    [&] { QVERIFY(square.save(path)); }();
    return path;
}

// Enter, one move and the drop, as the platform sends them.
bool CanvasTest::drop(QMimeData* payload, QPoint at, bool* enterAccepted, bool* moveAccepted) {
    QDragEnterEvent enter(at, Qt::CopyAction, payload, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&canvas(), &enter);
    if (enterAccepted) *enterAccepted = enter.isAccepted();
    QDragMoveEvent move(at, Qt::CopyAction, payload, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&canvas(), &move);
    if (moveAccepted) *moveAccepted = move.isAccepted();
    QDropEvent dropped(QPointF(at), Qt::CopyAction, payload, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&canvas(), &dropped);
    const bool accepted = dropped.isAccepted();
    delete payload;
    return accepted;
}

void CanvasTest::aDropDressesThePartUnderItOnly() {
    partition(11);  // Coupé
    Workspace& ws = h->ws();
    const PartRecord before1 = ws.CurrentBlazon.Parts[1];
    const PartRecord before2 = ws.CurrentBlazon.Parts[2];
    const QPoint at = pointOfPart(2);
    QVERIFY(at.x() >= 0);
    QVERIFY(drop(makeTinctureDrag(4), at));
    QCOMPARE(ws.CurrentBlazon.Parts[2].Tincture, 4);
    QCOMPARE(ws.CurrentBlazon.Parts[2].Kind, kClassColour);
    QCOMPARE(ws.CurrentBlazon.Parts[1], before1);
    QVERIFY(d->title().endsWith(u'*'));
    UndoLast(ws);
    QCOMPARE(ws.CurrentBlazon.Parts[2], before2);

    // The class table, a user fur, and inserted arms given up.
    const struct {
        QMimeData* payload;
        Long kind;
        Long tincture;
    } cases[] = {{makeTinctureDrag(2), kClassMetal, 2},
                 {makeTinctureDrag(10), kClassPourpre, 10},
                 {makeTinctureDrag(11), kClassColour, 11},
                 {makeFurDrag(115), 115, 115},
                 {makeFurDrag(110), 110, 110}};
    for (const auto& c : cases) {
        ws.CurrentBlazon.Parts[2].InsertedPath = "autre.bls";
        QVERIFY(drop(c.payload, at));
        QCOMPARE(ws.CurrentBlazon.Parts[2].Kind, c.kind);
        QCOMPARE(ws.CurrentBlazon.Parts[2].Tincture, c.tincture);
        QVERIFY(ws.CurrentBlazon.Parts[2].InsertedPath.empty());
    }
}

void CanvasTest::aDropOnALineWarnsAndTakesAStep() {
    partition(10);  // Parti
    Workspace& ws = h->ws();
    const Surface& map = r().partMap;
    QPoint line(-1, -1);
    for (int x = 100; x < 170 && line.x() < 0; ++x)
        if (map.pixel(x, 170) == kLineColour) line = {x, 170};
    QVERIFY(line.x() >= 0);
    const BlazonRecord before = ws.CurrentBlazon;
    drop(makeTinctureDrag(3), line);
    QCOMPARE(h->messages->boxes.size(), std::size_t(1));
    QCOMPARE(h->messages->boxes[0].text,
             QStringLiteral("Une division a été atteinte et touchée. Veuillez recommencer votre "
                            "tir s.v.p."));
    QCOMPARE(h->messages->boxes[0].title, QStringLiteral("Tessaline"));
    QCOMPARE(ws.CurrentBlazon, before);
    QCOMPARE(ws.Undos[1], before);
    QVERIFY(d->title().endsWith(u'*'));
}

void CanvasTest::aFurOverAChargeIsRefusedAndATinctureRecoloursIt() {
    Workspace& ws = h->ws();
    QVERIFY(
        AddCharge(ws, r().Charges, OverlayBox{100, 150, 40, 40, squarePicture().toStdString()}));
    w->session().redraw();
    d->unmark();
    const QPoint at = pointOnCharge();
    QVERIFY(at.x() >= 0);
    const BlazonRecord before = ws.CurrentBlazon;
    const auto undos = ws.Undos;

    bool moveAccepted = true;
    QVERIFY(!drop(makeFurDrag(111), at, nullptr, &moveAccepted));
    QVERIFY(!moveAccepted);
    QCOMPARE(ws.CurrentBlazon, before);
    QVERIFY(ws.Undos == undos);
    QVERIFY(!ws.Modified);

    // A stale hit: the map says charge, no charge is there any more.
    ws.CurrentBlazon.Charges[1].InUse = 0;
    QVERIFY(!drop(makeTinctureDrag(4), at));
    QVERIFY(ws.Undos == undos);
    ws.CurrentBlazon.Charges[1].InUse = kTrue;

    QVERIFY(drop(makeTinctureDrag(4), at));
    QCOMPARE(ws.CurrentBlazon.Charges[1].Tincture, 4);
    QCOMPARE(ws.CurrentBlazon.Charges[1].X, before.Charges[1].X);
    QCOMPARE(ws.CurrentBlazon.Parts[1], before.Parts[1]);
    QVERIFY(ws.Undos[1] == before);
}

void CanvasTest::foreignDragsAreRefusedAtTheDoor() {
    const QPoint at = pointOfPart(1);
    const BlazonRecord before = h->ws().CurrentBlazon;
    auto* text = new QMimeData;
    text->setText(QStringLiteral("4"));
    auto* files = new QMimeData;
    files->setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/x.bmp"))});
    auto* forged = new QMimeData;
    forged->setData(QString::fromLatin1(kTinctureMimeType), "12");
    for (QMimeData* payload : {text, files, forged}) {
        bool entered = true;
        QVERIFY(!drop(payload, at, &entered));
        QVERIFY(!entered);
    }
    QCOMPARE(h->ws().CurrentBlazon, before);
}

void CanvasTest::ctrlAndTheDigitRowChoosePartitions() {
    Workspace& ws = h->ws();
    canvas().setFocus();
    const auto undos = ws.Undos;
    QTest::keyClick(&canvas(), Qt::Key_6);
    QCOMPARE(ws.CurrentBlazon.Partition, 9);
    QTest::keyClick(&canvas(), Qt::Key_6, Qt::ControlModifier);
    QCOMPARE(ws.CurrentBlazon.Partition, 14);
    QVERIFY(ws.Undos == undos);
    QVERIFY(d->title().endsWith(u'*'));

    const struct {
        Qt::Key key;
        Long partition;
    } keys[] = {{Qt::Key_Eacute, 10}, {Qt::Key_Ampersand, 9},  {Qt::Key_0, 18},
                {Qt::Key_Agrave, 18}, {Qt::Key_Minus, 19},     {Qt::Key_ParenRight, 19},
                {Qt::Key_Equal, 21},  {Qt::Key_Backspace, 22}, {Qt::Key_Insert, 23},
                {Qt::Key_Home, 24},   {Qt::Key_PageUp, 25},    {Qt::Key_Ccedilla, 17}};
    for (const auto& k : keys) {
        QTest::keyClick(&canvas(), k.key, Qt::ControlModifier);
        QCOMPARE(ws.CurrentBlazon.Partition, k.partition);
    }
    // The keypad's digits choose nothing.
    QTest::keyClick(&canvas(), Qt::Key_3, Qt::ControlModifier | Qt::KeypadModifier);
    QCOMPARE(ws.CurrentBlazon.Partition, 17);

    // The grid shows and hides.
    QTest::keyClick(&canvas(), Qt::Key_G, Qt::ControlModifier);
    QVERIFY(ws.GridVisible);
    QTest::keyClick(&canvas(), Qt::Key_G, Qt::ControlModifier);
    QVERIFY(!ws.GridVisible);
}

void CanvasTest::theMenusFollowWhatIsUnderThePointer() {
    partition(14);  // Écartelé
    QTest::mouseClick(&canvas(), Qt::RightButton, Qt::NoModifier, pointOfPart(3));
    QCOMPARE(h->messages->popups.size(), std::size_t(1));
    QCOMPARE(h->messages->popups[0].menu, QStringLiteral("partMenu"));
    QVERIFY(h->messages->popups[0].defaultItem.isEmpty());
    QCOMPARE(menuItem(*w, "insertArmsOnPartAction")->text(),
             QStringLiteral("Insérer un blason pour la partie 3"));
    QVERIFY(menuItem(*w, "insertArmsOnPartAction")->isEnabled());
    QCOMPARE(w->panel<CanvasMenus>().PopupPart(), 3);

    partition(10);  // Parti: part 1 cannot hold arms
    QTest::mouseClick(&canvas(), Qt::RightButton, Qt::NoModifier, pointOfPart(1));
    QVERIFY(!menuItem(*w, "insertArmsOnPartAction")->isEnabled());
    QCOMPARE(w->panel<CanvasMenus>().PopupPart(), 1);

    // A line opens nothing.
    const std::size_t shown = h->messages->popups.size();
    for (int x = 100; x < 170; ++x)
        if (r().partMap.pixel(x, 170) == kLineColour) {
            QTest::mouseClick(&canvas(), Qt::RightButton, Qt::NoModifier, QPoint(x, 170));
            break;
        }
    QCOMPARE(h->messages->popups.size(), shown);

    // The first-order piece: its delete item by name and in bold; arms only on
    // a chief or an écusson.
    BlazonRecord& b = h->ws().CurrentBlazon;
    for (const Long type : {kPal, kChef, kEcusson}) {
        b.Ordinary1.Present = kTrue;
        b.Ordinary1.Type = type;
        b.Ordinary1.Name = type == kChef ? "Chef" : type == kPal ? "Pal" : "Écusson";
        w->session().redraw();
        const QPoint piece = pointOfPart(7);
        QVERIFY(piece.x() >= 0);
        QTest::mouseClick(&canvas(), Qt::RightButton, Qt::NoModifier, piece);
        QCOMPARE(h->messages->popups.back().menu, QStringLiteral("firstOrderPieceMenu"));
        QCOMPARE(h->messages->popups.back().defaultItem, QStringLiteral("deleteFirstOrderAction"));
        QVERIFY(menuItem(*w, "deleteFirstOrderAction")
                    ->text()
                    .startsWith(QStringLiteral("Supprimer (")));
        QCOMPARE(menuItem(*w, "insertArmsOnPieceAction")->isEnabled(), type != kPal);
    }
}

// Without a copy of ours nothing another program leaves on the clipboard
// offers a paste, a number no more than letters or a picture.
void CanvasTest::thePasteItemsWantOurOwnCopy() {
    const QPoint at = pointOfPart(1);
    for (const char* text : {"7", "3abc", " 12", "abc", "0", "-2", ""}) {
        QApplication::clipboard()->setText(QString::fromUtf8(text));
        QTest::mouseClick(&canvas(), Qt::RightButton, Qt::NoModifier, at);
        QVERIFY2(!menuItem(*w, "pasteOnPartAction")->isEnabled(), text);
        QVERIFY2(!menuItem(*w, "pasteOnFirstOrderAction")->isEnabled(), text);
        QVERIFY2(!menuItem(*w, "pasteOnSecondOrderAction")->isEnabled(), text);
    }
    QApplication::clipboard()->setImage(QImage(4, 4, QImage::Format_RGB32));
    QTest::mouseClick(&canvas(), Qt::RightButton, Qt::NoModifier, at);
    QVERIFY(!menuItem(*w, "pasteOnPartAction")->isEnabled());
}

void CanvasTest::theHoverNamesThePointAndThePart() {
    QLabel* coordinates = w->panel<CanvasPanel>().coordinateCaption();
    QLabel* part = w->panel<CanvasPanel>().partCaption();
    QTest::mouseMove(&canvas(), QPoint(120, 210));
    QCOMPARE(coordinates->text(), QStringLiteral("-12; 40"));
    QCOMPARE(part->text(), QStringLiteral("Partie 1"));
    QCOMPARE(canvas().toolTip(), QStringLiteral("Partie 1"));
    QTest::mouseMove(&canvas(), QPoint(132, 170));
    QCOMPARE(coordinates->text(), QStringLiteral("0; 0"));
    // Off the shield and at the maps' edges: nothing.
    QPoint outsideShield(-1, -1);
    for (int x = 0; x < 265 && outsideShield.x() < 0; ++x)
        if (r().shapeOutline().pixel(x, 335) != 0) outsideShield = {x, 335};
    QVERIFY(outsideShield.x() >= 0);
    for (const QPoint outside : {outsideShield, QPoint(264, 339)}) {
        QTest::mouseMove(&canvas(), outside);
        QVERIFY(coordinates->text().isEmpty());
        QVERIFY(part->text().isEmpty());
        QVERIFY(canvas().toolTip().isEmpty());
    }
    // Past the maps after rounding: no value, not a crash.
    const CanvasHit far = HitAt(r(), 264.5 + 0.6, 339.6);
    QVERIFY(!far.insideShield && !far.onChargeMap && far.part == 0);
    QCOMPARE(singleText(-12.5), std::string("-12.5"));

    // A charge: its number and its picture's phrase.
    QVERIFY(AddCharge(h->ws(), r().Charges,
                      OverlayBox{100, 150, 40, 40, squarePicture().toStdString()}));
    w->session().redraw();
    QTest::mouseMove(&canvas(), pointOnCharge());
    QCOMPARE(part->text(), QStringLiteral("[1] carre"));
}

void CanvasTest::thePaletteDragsItsCellsTinctureAndOpensTheColourMenu() {
    QCOMPARE(tinctureCellAt(19, 25), 1);
    QCOMPARE(tinctureCellAt(20, 25), 2);
    QCOMPARE(tinctureCellAt(20, 26), 4);
    QCOMPARE(tinctureCellAt(5, 110), 11);
    QCOMPARE(tinctureCellAt(25, 110), 0);

    PictureBox* palette = w->panel<TincturePalettePanel>().tincturePalette();
    std::vector<int> dragged;
    w->panel<TincturePaletteInput>().setDragStarter([&](QMimeData* payload) {
        dragged.push_back(draggedTincture(payload));
        delete payload;
    });
    QTest::mouseMove(palette, QPoint(30, 30));
    QCOMPARE(palette->toolTip(), QStringLiteral("Azur"));
    QTest::mousePress(palette, Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
    QTest::mouseMove(palette, QPoint(31, 30));
    QVERIFY(dragged.empty());  // not yet past the drag distance
    QTest::mouseMove(palette, QPoint(30, 30 + QApplication::startDragDistance() + 10));
    QTest::mouseRelease(palette, Qt::LeftButton, Qt::NoModifier, QPoint(30, 50));
    QCOMPARE(dragged, std::vector<int>{4});
    QTest::mouseMove(palette, QPoint(30, 115));
    QVERIFY(palette->toolTip().isEmpty());

    int adjusted = 0;
    connect(&w->panel<TincturePaletteInput>(), &TincturePaletteInput::adjustColourRequested, this,
            [&](int t) { adjusted = t; });
    h->messages->popupChoice = QStringLiteral("adjustColourAction");
    QTest::mouseClick(palette, Qt::RightButton, Qt::NoModifier, QPoint(5, 70));
    QCOMPARE(h->messages->popups.back().menu, QStringLiteral("tinctureColourMenu"));
    QCOMPARE(adjusted, 7);
    QCOMPARE(menuItem(*w, "adjustColourAction")->data().toInt(), 7);
    // The colour dialog it opened is not this test's business.
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top != w && top->isVisible() && top->inherits("QDialog")) top->close();
}

void CanvasTest::theAlignmentCellsPlaceTheBox() {
    const QRectF box(10, 20, 40, 50);
    const int cells[] = {1, 2, 3, 4, 5, 6, 7};
    const double lefts[] = {1, 46, 91, 112, 133, 178, 225};
    for (int i = 0; i < 7; ++i) QCOMPARE(alignedBox(box, cells[i]).left(), lefts[i]);
    const double tops[] = {1, 60, 119, 145, 171, 230};
    for (int c = 8; c <= 13; ++c) {
        QCOMPARE(alignedBox(box, c).top(), tops[c - 8]);
        QCOMPARE(alignedBox(box, c).left(), 10.0);
    }
    QCOMPARE(alignedBox(QRectF(0, 0, 41, 10), 4).left(), 112.0);
    QCOMPARE(alignedBox(QRectF(0, 0, 40.5, 10), 4).left(), 112.0);
    QCOMPARE(alignmentCellAt(150), 0);
    QCOMPARE(alignedBox(box, 0), box);
    QCOMPARE(alignmentTooltip(alignmentCellAt(80)), QStringLiteral("Centré"));
}

void CanvasTest::theShiftZonesTakeAStepEvenInTheirGaps() {
    Workspace& ws = h->ws();
    PictureBox* zones = w->panel<PieceOptions>().shiftZones();
    zones->show();
    ws.CurrentBlazon.Ordinary1.Shift = 0;
    QTest::mouseClick(zones, Qt::LeftButton, Qt::NoModifier, QPoint(10, 19));
    QCOMPARE(ws.CurrentBlazon.Ordinary1.Shift, 0);
    QVERIFY(ws.Modified);
    QCOMPARE(ws.Undos[1], ws.CurrentBlazon);
    QTest::mouseClick(zones, Qt::LeftButton, Qt::NoModifier, QPoint(10, 45));
    QCOMPARE(ws.CurrentBlazon.Ordinary1.Shift, 1);
    QCOMPARE(ws.Undos[1].Ordinary1.Shift, 0);
    zones->show();  // the redraw hides it while no piece is there
    QMouseEvent hover(QEvent::MouseMove, QPointF(10, 5), zones->mapToGlobal(QPointF(10, 5)),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(zones, &hover);
    QCOMPARE(zones->toolTip(), QStringLiteral("Pièce déportée En Dextre / En chef"));
}

// The whole cycle through the window: what was shown is what the saved
// document shows when it is opened again.
void CanvasTest::dropPickUpPutDownSaveAndReopen() {
    Workspace& ws = h->ws();
    canvas().setFocus();
    QTest::keyClick(&canvas(), Qt::Key_3, Qt::ControlModifier);  // Coupé
    QVERIFY(drop(makeTinctureDrag(4), pointOfPart(2)));
    QVERIFY(drop(makeFurDrag(111), pointOfPart(1)));
    QVERIFY(AddCharge(ws, r().Charges, OverlayBox{60, 60, 40, 40, squarePicture().toStdString()}));
    w->session().redraw();
    QVERIFY(drop(makeTinctureDrag(6), pointOnCharge()));

    // Picked up, centred by the strip, put down by a click on the shield.
    QTest::mouseClick(&canvas(), Qt::LeftButton, Qt::NoModifier, pointOnCharge());
    QVERIFY(w->panel<HeldChargeTool>().state().isHolding());
    QCOMPARE(w->panel<HeldChargeTool>().state().heldCharge(), 1);
    QCOMPARE(pointOnCharge(), QPoint(-1, -1));  // off the shield while held
    auto* strip = static_cast<PictureBox*>(w->panel<AlignmentStrip>().strip());
    QTest::mouseClick(strip, Qt::LeftButton, Qt::NoModifier, QPoint(10, 80));   // "Centré"
    QTest::mouseClick(strip, Qt::LeftButton, Qt::NoModifier, QPoint(10, 190));  // "Aligné en haut"
    QCOMPARE(w->panel<HeldChargeTool>().state().box().topLeft(), QPointF(112, 1));
    QTest::mouseClick(&canvas(), Qt::LeftButton, Qt::NoModifier, QPoint(132, 250));
    QVERIFY(!w->panel<HeldChargeTool>().state().isHolding());
    const ChargeRecord& c = ws.CurrentBlazon.Charges[1];
    QCOMPARE(c.InUse, kTrue);
    QCOMPARE(QPoint(c.X, c.Y), QPoint(112, 1));
    QCOMPARE(c.Tincture, 6);
    const QImage shown = w->panel<CanvasPanel>().canvas()->picture().copy();

    const std::string path = h->home.filePath(QStringLiteral("coupe.bls")).toStdString();
    QVERIFY(SaveDocument(ws, r(), path).saved);
    NewDocument(ws, r());
    w->session().redraw();
    QVERIFY(LoadDocument(ws, r(), path, w->session().fileDialogs()).loaded);
    w->session().redraw();
    QCOMPARE(ws.CurrentBlazon.Partition, 11);
    QCOMPARE(ws.CurrentBlazon.Parts[2].Tincture, 4);
    QCOMPARE(ws.CurrentBlazon.Parts[1].Kind, 111);
    QCOMPARE(QPoint(ws.CurrentBlazon.Charges[1].X, ws.CurrentBlazon.Charges[1].Y), QPoint(112, 1));
    QCOMPARE(w->panel<CanvasPanel>().canvas()->picture(), shown);
}

QTEST_MAIN(CanvasTest)
#include "canvas_test.moc"
