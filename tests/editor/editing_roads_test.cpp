// Every editing command of the editor, driven through its own widget, against
// the undo stack and the unsaved mark: one table of what each leaves. A
// command takes an undo step exactly where its Part takes one; the title
// carries "*" whenever the document changed, and also where the Part's step
// marks it though nothing changed. Undo takes a step back and leaves the mark.
#include <functional>
#include <string>
#include <vector>

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "actions/canvas_hits.h"
#include "actions/document_file.h"
#include "editor/clipboard_commands.h"
#include "editor/held_charge_tool.h"
#include "editor/title_bar.h"
#include "model/placements.h"
#include "model/tinctures.h"
#include "support/widget_events.h"
#include "window_test.h"

using namespace tess;

namespace {

// What a command did to the undo stack.
enum class Undo { Step, None, Back };

// One row of the table: the command, what its Part says of its undo step,
// whether it leaves the mark, what it needs beforehand (made through the
// window too, unless the row is not about it), and the command itself.
struct Road {
    const char* command;
    Undo undo;
    bool marked;
    std::function<void(WindowDriver&)> prepare;
    std::function<void(WindowDriver&)> run;
};

QWidget* named(WindowDriver& d, const char* name) {
    return child<QWidget>(d.w(), name);
}

// A release on the toolbar's button at x runs it.
void toolbarButton(WindowDriver& d, int x) {
    click(named(d, "toolbar"), QPointF(x, 10));
}
constexpr int kCoupeButton = 240;
constexpr int kPleinButton = 190;
constexpr int kEcarteleButton = 310;
constexpr int kAnnulerButton = 150;

QString lion(WindowDriver& d) {
    return d.writePicture(QStringLiteral("lion.bmp"), 30, 24);
}

// Charge 1 on the blank shield, then held in the overlay.
void holdACharge(WindowDriver& d) {
    QCOMPARE(d.place(lion(d), QPoint(100, 60)), 1);
    QVERIFY(d.pickUp(1));
}

// A canvas point on a line of the partition: no part's key colour there.
QPoint pointOnALine(WindowDriver& d) {
    for (int y = 100; y < 240; ++y)
        for (int x = 40; x < 225; ++x) {
            const CanvasHit hit = HitAt(d.r(), x, y);
            if (hit.insideShield && !hit.onChargeMap && hit.part == 0) return {x, y};
        }
    return {-1, -1};
}

// The dialog named `name`, open; the test fails when it is not.
QWidget* openDialog(WindowDriver& d, const char* name) {
    QWidget* dialog = named(d, name);
    if (!dialog->isVisible())
        QTest::qFail(qPrintable(QString::fromLatin1(name) + QStringLiteral(" is not open")),
                     __FILE__, __LINE__);
    return dialog;
}

// The line-style window on the partition of a "Coupé" field.
void openPartitionLines(WindowDriver& d) {
    d.rightClickPart(1, "partLinesAction");
}

// The list's row of the lion, chosen with a click.
QListWidget* chooseListedLion(WindowDriver& d) {
    const int row = d.listRow(lion(d));
    auto* list = child<QListWidget>(d.w(), "pictureList");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
    return list;
}

// A new user fur, defined from the fur palette's menu and stored with "Ok".
void defineFur(WindowDriver& d) {
    d.h.messages->saveFiles = {d.h.home.filePath(QStringLiteral("semis.fmp"))};
    d.rightClick(named(d, "furPalette"), QPoint(5, 5), QStringLiteral("defineUserFurAction"));
    WindowDriver::pressButton(openDialog(d, "furEditorDialog"), "okButton");
}

const std::vector<Road>& roads() {
    static const std::vector<Road> table = {
        // The toolbar and the keys of the canvas.
        {"toolbar partition",
         Undo::Step,
         true,
         {},
         [](auto& d) { toolbarButton(d, kCoupeButton); }},
        {"toolbar partition already chosen",
         Undo::Step,
         true,
         {},
         [](auto& d) { toolbarButton(d, kPleinButton); }},
        {"toolbar undo", Undo::Back, false, [](auto& d) { toolbarButton(d, kCoupeButton); },
         [](auto& d) { toolbarButton(d, kAnnulerButton); }},
        {"Ctrl and a digit",
         Undo::None,
         true,
         {},
         [](auto& d) { QTest::keyClick(&d.canvas(), Qt::Key_3, Qt::ControlModifier); }},
        {"Ctrl+G grid",
         Undo::None,
         false,
         {},
         [](auto& d) { QTest::keyClick(&d.canvas(), Qt::Key_G, Qt::ControlModifier); }},
        {"Ctrl+R redraw",
         Undo::None,
         false,
         {},
         [](auto& d) { QTest::keyClick(&d.canvas(), Qt::Key_R, Qt::ControlModifier); }},

        // The choosers and the shift zones.
        {"shield shape",
         Undo::Step,
         true,
         {},
         [](auto& d) { click(named(d, "shapeChooser"), QPointF(30, 5)); }},
        {"shield shape already chosen",
         Undo::Step,
         true,
         {},
         [](auto& d) { click(named(d, "shapeChooser"), QPointF(5, 5)); }},
        {"shape chooser's empty cell",
         Undo::None,
         false,
         {},
         [](auto& d) { click(named(d, "shapeChooser"), QPointF(30, 80)); }},
        {"escutcheon shape",
         Undo::Step,
         true,
         {},
         [](auto& d) { click(named(d, "insetShapeChooser"), QPointF(30, 5)); }},
        {"first-order size chooser", Undo::Step, true,
         [](auto& d) { d.choosePiece(QStringLiteral("Pal")); },
         [](auto& d) { click(named(d, "sizeChooser"), QPointF(5, 25)); }},
        {"second-order size chooser", Undo::Step, true,
         [](auto& d) { d.choosePiece(QStringLiteral("Croix")); },
         [](auto& d) { click(named(d, "secondOrderSizeChooser"), QPointF(5, 45)); }},
        {"shift zones", Undo::Step, true, [](auto& d) { d.choosePiece(QStringLiteral("Pal")); },
         [](auto& d) { click(named(d, "shiftZones"), QPointF(5, 10)); }},

        // Drops on the canvas.
        {"tincture on a part",
         Undo::Step,
         true,
         {},
         [](auto& d) {
             QVERIFY(WindowDriver::drop(&d.canvas(), makeTinctureDrag(kAzur), d.pointOfPart(1)));
         }},
        {"fur on a part",
         Undo::Step,
         true,
         {},
         [](auto& d) {
             QVERIFY(WindowDriver::drop(&d.canvas(), makeFurDrag(110), d.pointOfPart(1)));
         }},
        {"tincture on a charge", Undo::Step, true,
         [](auto& d) { QCOMPARE(d.place(lion(d), QPoint(100, 60)), 1); },
         [](auto& d) {
             QVERIFY(WindowDriver::drop(&d.canvas(), makeTinctureDrag(kAzur), d.pointOnCharge(1)));
         }},
        {"fur over a charge", Undo::None, false,
         [](auto& d) { QCOMPARE(d.place(lion(d), QPoint(100, 60)), 1); },
         [](auto& d) {
             QVERIFY(!WindowDriver::drop(&d.canvas(), makeFurDrag(110), d.pointOnCharge(1)));
         }},
        {"tincture on a line", Undo::Step, true, [](auto& d) { toolbarButton(d, kCoupeButton); },
         [](auto& d) {
             const QPoint at = pointOnALine(d);
             QVERIFY(at.x() >= 0);
             QVERIFY(WindowDriver::drop(&d.canvas(), makeTinctureDrag(kAzur), at));
         }},

        // The held charge.
        {"pick-up", Undo::None, false,
         [](auto& d) { QCOMPARE(d.place(lion(d), QPoint(100, 60)), 1); },
         [](auto& d) { QVERIFY(d.pickUp(1)); }},
        {"overlay moved", Undo::None, false, holdACharge,
         [](auto& d) { d.dragHeld(QPoint(3, 3), 12, 5); }},
        {"overlay nudged", Undo::None, false, holdACharge,
         [](auto& d) { QTest::keyClick(&d.held(), Qt::Key_Right); }},
        {"alignment strip", Undo::None, false, holdACharge,
         [](auto& d) { click(named(d, "alignmentStrip"), QPointF(5, 80)); }},
        {"tincture on the held charge", Undo::None, true, holdACharge,
         [](auto& d) {
             QVERIFY(WindowDriver::drop(&d.held(), makeTinctureDrag(kAzur), QPoint(5, 5)));
         }},
        {"put down with Enter", Undo::Step, true, holdACharge,
         [](auto& d) { QTest::keyClick(&d.held(), Qt::Key_Return); }},
        {"put down by a canvas click", Undo::Step, true, holdACharge,
         [](auto& d) { click(&d.canvas(), QPointF(200, 300)); }},
        {"put down by a free-area click", Undo::Step, true, holdACharge,
         [](auto& d) { click(&d.w(), QPointF(470, 400)); }},
        {"held charge deleted", Undo::Step, true, holdACharge,
         [](auto& d) { QTest::keyClick(&d.held(), Qt::Key_Delete); }},
        {"held charge thrown off the shield", Undo::Step, true,
         [](auto& d) {
             holdACharge(d);
             d.w().template panel<HeldChargeTool>().setBox(QRectF(300, 10, 30, 24));
         },
         [](auto& d) {
             sendMouse(&d.w(), QEvent::MouseMove, QPointF(470, 400), Qt::NoButton, Qt::NoButton);
         }},
        {"new picture let go", Undo::None, false, [](auto& d) { d.bringUp(lion(d)); },
         [](auto& d) { QTest::keyClick(&d.held(), Qt::Key_Delete); }},
        {"mirror", Undo::Step, true, holdACharge,
         [](auto& d) { d.rightClickHeld("mirrorChargeAction"); }},
        {"set over everything", Undo::None, true, holdACharge,
         [](auto& d) { d.rightClickHeld("chargeOverAllAction"); }},
        {"copy", Undo::None, false, holdACharge,
         [](auto& d) { d.rightClickHeld("copyChargeAction"); }},
        {"paste", Undo::None, false,
         [](auto& d) {
             holdACharge(d);
             d.rightClickHeld("copyChargeAction");
             QTest::keyClick(&d.held(), Qt::Key_Return);
         },
         [](auto& d) {
             QTest::keyClick(&d.canvas(), Qt::Key_V, Qt::ControlModifier);
             QVERIFY(d.w().template panel<HeldChargeTool>().state().heldCharge() != 0);
         }},
        {"arrangement", Undo::Step, true, holdACharge,
         [](auto& d) {
             d.rightClickHeld("makeGroupAction");
             QWidget* dialog = openDialog(d, "chargeDistributionDialog");
             QWidget* grid = child<QWidget>(*dialog, "patternGrid");
             sendMouse(grid, QEvent::MouseMove, QPointF(10, 130), Qt::NoButton, Qt::NoButton);
             sendMouse(grid, QEvent::MouseButtonRelease, QPointF(10, 130), Qt::LeftButton,
                       Qt::NoButton);
             WindowDriver::pressButton(dialog, "okButton");
             QVERIFY(d.ws().CurrentBlazon.Charges[2].InUse != 0);
         }},

        // The pieces.
        {"piece from the list",
         Undo::Step,
         true,
         {},
         [](auto& d) { d.choosePiece(QStringLiteral("Pal")); }},
        {"first-order size from its menu", Undo::Step, true,
         [](auto& d) { d.choosePiece(QStringLiteral("Pal")); },
         [](auto& d) { d.rightClickPart(kFirstOrderZone, "firstOrderFilletAction"); }},
        {"second-order size from its menu", Undo::Step, true,
         [](auto& d) { d.choosePiece(QStringLiteral("Croix")); },
         [](auto& d) { d.rightClickPart(kSecondOrderZone, "secondOrderDiminishedAction"); }},
        {"second-order piece removed", Undo::Step, true,
         [](auto& d) { d.choosePiece(QStringLiteral("Croix")); },
         [](auto& d) { d.rightClickPart(kSecondOrderZone, "deleteSecondOrderAction"); }},
        {"first-order piece removed", Undo::Step, true,
         [](auto& d) { d.choosePiece(QStringLiteral("Pal")); },
         [](auto& d) { d.rightClickPart(kFirstOrderZone, "deleteFirstOrderAction"); }},
        {"first-order piece kept by \"Non\"", Undo::None, false,
         [](auto& d) {
             d.choosePiece(QStringLiteral("Pal"));
             const int n =
                 d.place(d.writePicture(QStringLiteral("tour.bmp"), 10, 10), QPoint(127, 150));
             QCOMPARE(int(d.charge(n).Placement), int(kPlacedOnFirstOrder));
             d.h.messages->boxAnswers = {MessageAnswer::No};
         },
         [](auto& d) { d.rightClickPart(kFirstOrderZone, "deleteFirstOrderAction"); }},
        {"line style \"Ok\"", Undo::Step, true, [](auto& d) { toolbarButton(d, kCoupeButton); },
         [](auto& d) {
             openPartitionLines(d);
             WindowDriver::pressButton(openDialog(d, "lineStyleDialog"), "okButton");
         }},
        {"line style \"Appliquer\" then \"Annuler\"", Undo::None, true,
         [](auto& d) { toolbarButton(d, kCoupeButton); },
         [](auto& d) {
             openPartitionLines(d);
             QWidget* dialog = openDialog(d, "lineStyleDialog");
             WindowDriver::pressButton(dialog, "applyButton");
             WindowDriver::pressButton(dialog, "cancelButton");
         }},
        {"line style \"Annuler\"", Undo::None, false,
         [](auto& d) { toolbarButton(d, kCoupeButton); },
         [](auto& d) {
             openPartitionLines(d);
             WindowDriver::pressButton(openDialog(d, "lineStyleDialog"), "cancelButton");
         }},

        // The picture list and the pictures' properties.
        {"picture added to the list",
         Undo::None,
         false,
         {},
         [](auto& d) {
             d.h.messages->files = {lion(d)};
             d.rightClick(child<QListWidget>(d.w(), "pictureList")->viewport(), QPoint(5, 5),
                          QStringLiteral("addPictureAction"));
             QCOMPARE(child<QListWidget>(d.w(), "pictureList")->count(), 1);
         }},
        {"picture never placed removed", Undo::None, false, [](auto& d) { d.listRow(lion(d)); },
         [](auto& d) { QTest::keyClick(chooseListedLion(d), Qt::Key_Delete); }},
        {"picture that left the shield removed", Undo::None, true,
         [](auto& d) {
             holdACharge(d);
             QTest::keyClick(&d.held(), Qt::Key_Delete);
         },
         [](auto& d) { QTest::keyClick(chooseListedLion(d), Qt::Key_Delete); }},
        {"picture's phrase", Undo::None, true,
         [](auto& d) { QCOMPARE(d.place(lion(d), QPoint(100, 60)), 1); },
         [](auto& d) {
             QListWidget* list = chooseListedLion(d);
             d.rightClick(list->viewport(), list->visualItemRect(list->item(0)).center(),
                          QStringLiteral("picturePropertiesAction"));
             QWidget* dialog = openDialog(d, "picturePropertiesDialog");
             QTest::keyClicks(child<QLineEdit>(*dialog, "phraseBox"), QStringLiteral(" rampant"));
             WindowDriver::pressButton(dialog, "okButton");
         }},

        // Furs, colours and inserted coats of arms.
        {"user fur stored", Undo::None, true, {}, defineFur},
        {"user fur deleted", Undo::None, true, defineFur,
         [](auto& d) {
             for (int s = 0; s < kUserFurCount; ++s) {
                 QWidget* swatch = named(d, qPrintable(QStringLiteral("userFurSwatch%1").arg(s)));
                 if (swatch->isVisible())
                     d.rightClick(swatch, QPoint(5, 5), QStringLiteral("deleteUserFurAction"));
             }
         }},
        {"tincture colour adjusted",
         Undo::None,
         false,
         {},
         [](auto& d) {
             d.rightClick(named(d, "tincturePalette"), QPoint(5, 5),
                          QStringLiteral("adjustColourAction"));
             WindowDriver::pressButton(openDialog(d, "colourAdjustmentDialog"), "okButton");
         }},
        {"coat of arms insertion cancelled", Undo::Step, true,
         [](auto& d) { toolbarButton(d, kEcarteleButton); },
         [](auto& d) { d.rightClickPart(1, "insertArmsOnPartAction"); }},
        {"coat of arms inserted", Undo::Step, true,
         [](auto& d) {
             toolbarButton(d, kEcarteleButton);
             const QString path = d.h.home.filePath(QStringLiteral("inséré.bls"));
             QVERIFY(SaveDocument(d.ws(), d.r(), path.toStdString()).saved);
             d.h.messages->files = {path};
         },
         [](auto& d) {
             d.rightClickPart(1, "insertArmsOnPartAction");
             QVERIFY(!d.ws().CurrentBlazon.Parts[1].InsertedPath.empty());
         }},
    };
    return table;
}

// Each undo copy named after its slot, so that where the names went after a
// command tells what it did to the stack.
std::string slotName(int k) {
    return "copy " + std::to_string(k);
}

void nameTheCopies(Workspace& ws) {
    for (int k = 1; k <= kUndoDepth; ++k) ws.Undos[std::size_t(k)].FilePath = slotName(k);
}

QString whatTheStackShows(const Workspace& ws) {
    const auto name = [&](int k) { return ws.Undos[std::size_t(k)].FilePath; };
    bool none = true, step = true, back = true;
    for (int k = 1; k <= kUndoDepth; ++k) none = none && name(k) == slotName(k);
    for (int k = 2; k <= kUndoDepth; ++k) step = step && name(k) == slotName(k - 1);
    for (int k = 1; k < kUndoDepth; ++k) back = back && name(k) == slotName(k + 1);
    if (none) return QStringLiteral("no step");
    if (step) return QStringLiteral("a step");
    if (back) return QStringLiteral("a step back");
    return QStringLiteral("something else");
}

QString expected(Undo undo) {
    switch (undo) {
        case Undo::Step:
            return QStringLiteral("a step");
        case Undo::Back:
            return QStringLiteral("a step back");
        case Undo::None:
            break;
    }
    return QStringLiteral("no step");
}

}  // namespace

class EditingRoadsTest : public WindowTest {
    Q_OBJECT
  private slots:
    void eachCommandTakesItsStepAndItsMark_data();
    void eachCommandTakesItsStepAndItsMark();
    void aNewDocumentLetsGoOfWhatTheWindowsHeld();

  private:
};

void EditingRoadsTest::eachCommandTakesItsStepAndItsMark_data() {
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < roads().size(); ++i) QTest::newRow(roads()[i].command) << int(i);
}

void EditingRoadsTest::eachCommandTakesItsStepAndItsMark() {
    QFETCH(int, row);
    const Road& road = roads()[std::size_t(row)];
    d->reset();
    if (road.prepare) road.prepare(*d);
    if (QTest::currentTestFailed()) return;
    // What the preparation did is not the row's: the command starts unmarked.
    d->unmark();
    nameTheCopies(d->ws());

    road.run(*d);
    if (QTest::currentTestFailed()) return;
    QCOMPARE(whatTheStackShows(d->ws()), expected(road.undo));
    QCOMPARE(d->title().endsWith(QLatin1Char('*')), road.marked);
    QCOMPARE(d->ws().Modified, road.marked);
}

// What the windows held of the old document goes with it: the held charge,
// our copy of one of its charges on the clipboard, the picture list.
void EditingRoadsTest::aNewDocumentLetsGoOfWhatTheWindowsHeld() {
    holdACharge(*d);
    d->rightClickHeld("copyChargeAction");
    QVERIFY(d->w().panel<ClipboardCommands>().canPaste());
    const QString ours = QApplication::clipboard()->text();
    QVERIFY(!ours.isEmpty());
    h->messages->questionAnswers = {true};  // the charge held counts as unsaved work
    d->ws().Modified = true;
    d->w().panel<TitleBar>().refreshTitle();

    menuItem(d->w(), "newAction")->trigger();
    QCOMPARE(int(h->messages->questions.size()), 1);
    QVERIFY(!d->w().panel<HeldChargeTool>().state().isHolding());
    QVERIFY(!d->held().isVisible());
    QCOMPARE(d->ws().SelectedCharge, 0);
    QVERIFY(!d->w().panel<ClipboardCommands>().canPaste());
    QVERIFY(QApplication::clipboard()->text() != ours);
    QCOMPARE(child<QListWidget>(d->w(), "pictureList")->count(), 0);
    QVERIFY(!d->title().endsWith(QLatin1Char('*')));
}

QTEST_MAIN(EditingRoadsTest)
#include "editing_roads_test.moc"
