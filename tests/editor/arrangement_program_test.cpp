// The whole program: a held charge arranged en croix, one of its charges
// carried with its group and put down, new pictures placed, each undone,
// then saved and opened again.
#include <QAction>
#include <QImage>
#include <QMenu>
#include <QPainter>

#include "actions/charge_placing.h"
#include "actions/document_file.h"
#include "actions/opening.h"
#include "dialogs/dialog_host.h"
#include "dialogs/distribution_dialog.h"
#include "model/workspace.h"
#include "render/document_surfaces.h"
#include "render/renderer.h"
#include "window_driver.h"

using namespace tess;

namespace {

// A red disc on white (the white is the picture's transparent colour).
QString writeDisc(const QString& folder) {
    QImage disc(20, 20, QImage::Format_RGB32);
    disc.fill(Qt::white);
    QPainter p(&disc);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::red);
    p.drawEllipse(2, 2, 16, 16);
    p.end();
    const QString path = folder + QStringLiteral("/Besant.bmp");
    disc.save(path, "BMP");
    return path;
}

void mouse(QWidget* w, QEvent::Type type, QPoint at) {
    QMouseEvent e(type, at, w->mapToGlobal(at),
                  type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

std::vector<int> chargesInUse(const Workspace& ws) {
    std::vector<int> n;
    for (int c = 1; c <= kChargeCount; ++c)
        if (ws.CurrentBlazon.Charges[c].InUse != 0) n.push_back(c);
    return n;
}

}  // namespace

class ArrangementProgramTest : public QObject {
    Q_OBJECT
  private slots:
    void arrangedChargesSurviveSavingAndOpening();
};

void ArrangementProgramTest::arrangedChargesSurviveSavingAndOpening() {
    ProgramHarness h;
    QVERIFY(h.start());
    MainWindow& window = h.window();
    Workspace& ws = h.ws();
    Renderer& r = h.program->r();

    // A charge on the shield, then held in the overlay as the canvas holds it.
    const std::string picture = writeDisc(h.home.path()).toStdString();
    QVERIFY(AddCharge(ws, r.Charges, OverlayBox{122, 160, 20, 20, picture}));
    window.session().redraw();
    QVERIFY(window.panel<HeldChargeTool>().pickUp(1));
    window.panel<HeldChargeTool>().setBox(QRectF(122, 160, 24, 24));

    // "Créer un motif", "En Croix", "Ok".
    emit menuNamed(window, "heldChargeMenu")->aboutToShow();
    QVERIFY(menuItem(window, "makeGroupAction")->isEnabled());
    menuItem(window, "makeGroupAction")->trigger();
    auto& dialog = window.dialogs().get<ChargeDistributionDialog>();
    QVERIFY(dialog.isVisible());
    QWidget* grid = dialog.findChild<QWidget*>(QStringLiteral("patternGrid"));
    mouse(grid, QEvent::MouseMove, {10, 130});
    mouse(grid, QEvent::MouseButtonRelease, {10, 130});
    dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    QVERIFY(!dialog.isVisible());

    QCOMPARE(chargesInUse(ws), (std::vector<int>{1, 2, 3, 4, 5}));
    QCOMPARE(ws.SelectedCharge, 0);
    QVERIFY(!window.panel<HeldChargeTool>().state().isHolding());
    const Byte group = ws.CurrentBlazon.Charges[1].Motif;
    QVERIFY(group != 0);
    QCOMPARE(ws.Groups.Motifs[group].Phrase, std::string("d'une croix"));
    QCOMPARE(ws.CurrentBlazon.Charges[2].Width, Integer(24));
    QVERIFY(window.panel<TitleBar>().title().endsWith(QLatin1Char('*')));
    const QString blazon = window.panel<BlazonPanel>().blazonLabel()->text();
    QVERIFY2(blazon.contains(QStringLiteral("cinq Besant de gueules en forme d'une croix")),
             qPrintable(blazon));

    // A member carried with Shift takes the group along; carried on alone and
    // put down, then undone: every member, the held one included, stays where
    // the group move put them, and the blazon still names the arrangement.
    WindowDriver d(h);
    std::vector<QPoint> moved;
    QVERIFY(d.pickUp(3));
    d.dragHeld(QPoint(3, 3), 10, 20, Qt::ShiftModifier);
    for (int c = 1; c <= 5; ++c) moved.emplace_back(d.charge(c).X, d.charge(c).Y);
    d.dragHeld(QPoint(3, 3), 30, 0);
    QTest::mouseClick(&d.canvas(), Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(d.charge(3).X, Integer(moved[2].x() + 30));
    d.annuler();
    for (int c = 1; c <= 5; ++c) {
        QCOMPARE(d.charge(c).InUse, kTrue);
        QCOMPARE(QPoint(d.charge(c).X, d.charge(c).Y), moved[std::size_t(c - 1)]);
    }
    QCOMPARE(window.panel<BlazonPanel>().blazonLabel()->text(), blazon);

    // A new picture placed and undone, sixty times: each undo frees its
    // record, and the next placing still finds one.
    const QString tower = d.writePicture("Tour.bmp", 16, 16, qRgb(0, 0, 255));
    for (int round = 0; round < 60; ++round) {
        QCOMPARE(d.place(tower, QPoint(40, 200)), 6);
        QCOMPARE(chargesInUse(ws).size(), std::size_t(6));
        d.annuler();
        QCOMPARE(chargesInUse(ws), (std::vector<int>{1, 2, 3, 4, 5}));
    }
    QCOMPARE(d.place(tower, QPoint(40, 200)), 6);
    QVERIFY(h.messages->boxes.empty());
    const BlazonRecord placed = ws.CurrentBlazon;
    const QString described = window.panel<BlazonPanel>().blazonLabel()->text();
    QVERIFY2(described.contains(QStringLiteral("en forme d'une croix")), qPrintable(described));

    // Saved, then opened again after a new document.
    const std::string path = (h.home.path() + QStringLiteral("/Croix.bls")).toStdString();
    QVERIFY(SaveDocument(ws, r, path).message.empty());
    NewDocument(ws, r);
    window.session().redraw();
    QVERIFY(chargesInUse(ws).empty());
    QVERIFY(OpenDocument(ws, r, path, window.session().fileDialogs()).message.empty());
    window.session().redraw();

    QCOMPARE(chargesInUse(ws), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    for (int c = 1; c <= 6; ++c) {
        const ChargeRecord& was = placed.Charges[std::size_t(c)];
        const ChargeRecord& now = ws.CurrentBlazon.Charges[std::size_t(c)];
        QCOMPARE(QRect(now.X, now.Y, now.Width, now.Height),
                 QRect(was.X, was.Y, was.Width, was.Height));
    }
    const Byte reopened = ws.CurrentBlazon.Charges[1].Motif;
    QVERIFY(reopened != 0);
    QCOMPARE(ws.Groups.Motifs[reopened].Count, Byte(5));
    QCOMPARE(ws.Groups.Motifs[reopened].Phrase, std::string("d'une croix"));
    for (int c = 2; c <= 5; ++c) QCOMPARE(ws.CurrentBlazon.Charges[c].Motif, reopened);
    QCOMPARE(window.panel<BlazonPanel>().blazonLabel()->text(), described);
}

QTEST_MAIN(ArrangementProgramTest)
#include "arrangement_program_test.moc"
