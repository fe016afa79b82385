#pragma once

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QImage>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "actions/charge_placing.h"
#include "editor/held_charge_view.h"
#include "editor/title_bar.h"
#include "model/part_zones.h"
#include "model/piece_types.h"
#include "model/tincture_table.h"
#include "model/workspace.h"
#include "program_harness.h"
#include "render/key_colours.h"
#include "render/renderer.h"
#include "support/widget_events.h"
#include "widgets/drag_payloads.h"
#include "widgets/help_opener.h"

// Drives the running program's main window as a person would: presses,
// moves, keys and drops sent to the real widgets, menus chosen through the
// scripted popups. Only what the test is not about is set up by hand.
class WindowDriver {
  public:
    explicit WindowDriver(ProgramHarness& harness) : h(harness) {}

    tess::MainWindow& w() { return h.window(); }
    tess::Workspace& ws() { return h.ws(); }
    tess::Renderer& r() { return h.program->r(); }
    QWidget& canvas() { return *w().panel<tess::CanvasPanel>().canvas(); }
    tess::HeldChargeView& held() { return w().panel<tess::HeldChargeView>(); }
    tess::ChargeRecord& charge(int n) { return ws().CurrentBlazon.Charges[std::size_t(n)]; }

    // A canvas point well inside zone k of the part map (the first found
    // scanning from the middle down, then from the top), or (-1, -1).
    QPoint pointOfPart(int k) {
        const tess::Surface& map = r().partMap;
        const auto inside = [&](int x, int y) {
            const tess::Colour key = tess::kPartKeyColours[std::size_t(k)];
            return map.pixel(x, y) == key && map.pixel(x + 3, y) == key &&
                   map.pixel(x, y + 3) == key && map.pixel(x - 3, y) == key &&
                   map.pixel(x, y - 3) == key;
        };
        for (int y = 170; y < map.height() - 3; ++y)
            for (int x = 20; x < map.width() - 20; ++x)
                if (inside(x, y)) return {x, y};
        for (int y = 10; y < 170; ++y)
            for (int x = 20; x < map.width() - 20; ++x)
                if (inside(x, y)) return {x, y};
        return {-1, -1};
    }

    // The middle of charge n's box, which the hit map must show as a charge.
    QPoint pointOnCharge(int n) {
        const tess::ChargeRecord& c = charge(n);
        const QPoint at(c.X + c.Width / 2, c.Y + c.Height / 2);
        return r().chargeHitMap.pixel(at.x(), at.y()) == 0x0000FFu ? at : QPoint(-1, -1);
    }

    // A rectangle of `colour` (red by default) with a white border, saved as
    // a bitmap in the run's folder.
    QString writePicture(const QString& name, int width, int height,
                         QRgb colour = qRgb(255, 0, 0)) {
        const QString path = h.home.filePath(name);
        if (!writeFigure(path, width, height, colour, "BMP"))
            QTest::qFail(qPrintable(QStringLiteral("cannot write ") + path), __FILE__, __LINE__);
        return path;
    }

    // Charge n set by hand at `at` in the picture's own size and drawn, for
    // the tests not about placing.
    void setCharge(const QString& path, int n, QPoint at) {
        const QImage image(path);
        QVERIFY(
            tess::AddCharge(ws(), r().Charges,
                            tess::OverlayBox{double(at.x()), double(at.y()), double(image.width()),
                                             double(image.height()), path.toStdString()},
                            n));
        w().session().redraw();
    }

    // The picture list's row of `text`, adding the picture through the
    // list's menu and a scripted file dialog when it is not listed yet.
    int listRow(const QString& path) {
        QListWidget* list = w().panel<tess::PictureListPanel>().pictureList();
        const QString text = QFileInfo(path).completeBaseName();
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->text() == text) return i;
        h.messages->files.push_back(path);
        menuItem(w(), "addPictureAction")->trigger();
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->text() == text) return i;
        return -1;
    }

    // Brings a picture up from the list with a click and a double click on
    // its item: it shows held at (2, 2).
    void bringUp(const QString& path) {
        w().panel<tess::ListTabs>().showPicturesTab();
        QListWidget* list = w().panel<tess::PictureListPanel>().pictureList();
        const int row = listRow(path);
        if (row < 0) return;
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    // Drags the overlay with the left button from its point `from` by
    // (dx, dy), modifiers held during the move.
    void dragHeld(QPoint from, int dx, int dy, Qt::KeyboardModifiers modifiers = {}) {
        heldMouse(QEvent::MouseMove, from, Qt::NoButton);  // the pointer's shape first
        heldMouse(QEvent::MouseButtonPress, from, Qt::LeftButton, modifiers);
        heldMouse(QEvent::MouseMove, from + QPoint(dx, dy), Qt::LeftButton, modifiers);
        heldMouse(QEvent::MouseButtonRelease, from + QPoint(dx, dy), Qt::NoButton, modifiers);
    }

    // A picture from the list placed with its top-left corner at `at`: brought
    // up, dragged there and put down with Enter. Returns the charge's number.
    int place(const QString& path, QPoint at) {
        int n = 0;
        for (int i = 1; i <= tess::kChargeCount && n == 0; ++i)
            if (charge(i).InUse == 0) n = i;
        bringUp(path);
        dragHeld(QPoint(3, 3), at.x() - 2, at.y() - 2);
        QTest::keyClick(&held(), Qt::Key_Return);
        return n;
    }

    // A left click on charge n of the shield: it comes up held.
    bool pickUp(int n) {
        const QPoint at = pointOnCharge(n);
        if (at.x() < 0) return false;
        QTest::mouseClick(&canvas(), Qt::LeftButton, {}, at);
        return w().panel<tess::HeldChargeTool>().state().heldCharge() == n;
    }

    // One mouse event on the held charge's overlay at `at`, `buttons` held.
    void heldMouse(QEvent::Type type, QPoint at, Qt::MouseButtons buttons = Qt::LeftButton,
                   Qt::KeyboardModifiers modifiers = {}) {
        const Qt::MouseButton button = type == QEvent::MouseMove            ? Qt::NoButton
                                       : type == QEvent::MouseButtonRelease ? Qt::LeftButton
                                       : buttons & Qt::RightButton          ? Qt::RightButton
                                                                            : Qt::LeftButton;
        QMouseEvent e(type, QPointF(at), QPointF(held().mapToGlobal(at)), button, buttons,
                      modifiers);
        QCoreApplication::sendEvent(&held(), &e);
    }

    // A right press on `target` at `at` whose popup chooses the item named
    // `choice` (nothing when empty).
    void rightClick(QWidget* target, QPoint at, const QString& choice = {}) {
        h.messages->popupChoice = choice;
        QTest::mousePress(target, Qt::RightButton, {}, at);
        QTest::mouseRelease(target, Qt::RightButton, {}, at);
        h.messages->popupChoice.clear();
    }
    // The same on part k of the shield, and on the held charge.
    void rightClickPart(int k, const QString& choice = {}) {
        rightClick(&canvas(), pointOfPart(k), choice);
    }
    void rightClickHeld(const QString& choice = {}) { rightClick(&held(), QPoint(3, 3), choice); }

    // The button named `name` of `dialog` clicked.
    static void pressButton(QWidget* dialog, const char* name,
                            const std::source_location& at = std::source_location::current()) {
        QTest::mouseClick(child<QPushButton>(*dialog, name, at), Qt::LeftButton);
    }

    // A Ctrl letter or digit pressed on the canvas, as its shortcuts take them.
    void ctrl(Qt::Key key) {
        canvas().setFocus();
        QTest::keyClick(&canvas(), key, Qt::ControlModifier);
    }

    // The toolbar's "Annuler".
    void annuler() {
        QTest::mouseClick(w().panel<tess::ToolbarPanel>().toolbar(), Qt::LeftButton, {},
                          QPoint(150, 10));
    }

    // The title as the title bar shows it, and the document taken as saved
    // there (the tests' starting point for the unsaved mark).
    QString title() { return w().panel<tess::TitleBar>().title(); }
    void unmark() {
        ws().Modified = false;
        w().panel<tess::TitleBar>().refreshTitle();
    }

    // The canvas's pixel at (x, y), without its alpha.
    QRgb shown(QPoint at) { return shown(at.x(), at.y()); }
    QRgb shown(int x, int y) {
        return w().panel<tess::CanvasPanel>().canvas()->picture().pixel(x, y) & 0xFFFFFF;
    }

    // The piece named `name` double-clicked in the pieces list; the test fails
    // when the list has none.
    void choosePiece(const QString& name,
                     const std::source_location& asked = std::source_location::current()) {
        w().panel<tess::ListTabs>().showPiecesTab();
        QListWidget* list = w().panel<tess::PiecesListPanel>().piecesList();
        const auto found = list->findItems(name, Qt::MatchExactly);
        if (found.isEmpty()) {
            QTest::qFail(qPrintable(QStringLiteral("no piece ") + name), asked.file_name(),
                         int(asked.line()));
            return;
        }
        list->scrollToItem(found[0]);
        const QPoint at = list->visualItemRect(found[0]).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        w().panel<tess::ListTabs>().showPicturesTab();
    }

    // Enter, one move and the drop on `target`, as the platform sends them.
    // The payload is deleted; true when the drop was taken.
    static bool drop(QWidget* target, QMimeData* payload, QPoint at, bool* moveAccepted = nullptr) {
        QDragEnterEvent enter(at, Qt::CopyAction, payload, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QDragMoveEvent move(at, Qt::CopyAction, payload, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &move);
        if (moveAccepted) *moveAccepted = move.isAccepted();
        QDropEvent dropped(QPointF(at), Qt::CopyAction, payload, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &dropped);
        const bool accepted = dropped.isAccepted();
        delete payload;
        return accepted;
    }

    // The help's pages are kept in `helpOpened` instead of reaching a browser;
    // the opening succeeds as `helpOpens` says.
    void recordHelp() {
        w().help().openUrl = [this](const QUrl& url) {
            helpOpened << url;
            return helpOpens;
        };
    }
    QList<QUrl> helpOpened;
    bool helpOpens = true;

    // The program folder is named by the environment: another run started in
    // the same test took it over, this one takes it back.
    void takeHomeBack() { setProgramFolders(h.home.path()); }

    // Back to a blank, unmarked document with nothing held, nothing asked and
    // no dialog open (one a failed test left open goes with that test).
    void reset() {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible() && top->inherits("QDialog")) top->close();
        w().panel<tess::HeldChargeTool>().end();
        ws().SelectedCharge = 0;
        ws().Modified = false;
        menuItem(w(), "newAction")->trigger();
        w().panel<tess::TitleBar>().refreshTitle();
        *h.messages = ScriptedMessages{};
        QApplication::clipboard()->clear();
        helpOpened.clear();
        helpOpens = true;
    }

    ProgramHarness& h;
};
