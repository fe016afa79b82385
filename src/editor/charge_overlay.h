#pragma once

#include <functional>
#include <string>

#include <QImage>
#include <QObject>
#include <QRectF>
#include <QString>

#include "actions/charge_edits.h"
#include "editor/held_charge_view.h"

class QFrame;
class QKeyEvent;
class QMimeData;
class QMouseEvent;
class QWidget;

namespace tess {

struct EditorContext;
struct EditorMenus;
class CanvasPanel;
class HeldChargeView;

// The overlay that carries a charge while it is held: the charge's picture
// over the canvas, its frame, the resize handle at its corner, the two guide
// lines through it and the alignment strip beside the canvas. Its positions
// are canvas pixels (the overlay's widgets are children of the canvas). While
// the overlay moves, is resized or nudged the shield is not redrawn: only the
// canvas repaints its stored picture under the moved widgets. The document
// changes once, at the commit (or through a command of its menu).
class ChargeOverlay : public QObject {
    Q_OBJECT
  public:
    ChargeOverlay(QWidget& window, CanvasPanel& canvasPanel, const EditorContext& context);

    // Wires the held-charge menu and the paste items.
    void connectMenus(EditorMenus& menus);

    // Picks charge n off the shield into the overlay (mirrored when the charge
    // is). False, changing nothing, when something is held already or n is not
    // a charge on the shield.
    bool pickUp(int chargeNumber);
    // A picture of the bank list brought up at (2, 2), not yet a charge. A
    // charge already held is committed first; false when that commit is
    // refused or the picture cannot be read (the user is told).
    bool holdNewPicture(const QString& path);
    // The one commit path (canvas click, Enter, the list's double click, the
    // paste, a click on the free area). An overlay wholly off the canvas is
    // thrown away instead, with the next joke. True when the overlay has
    // ended; false when placing refused (the overlay stays, nothing is lost).
    bool commitHeld();
    // Deletes the held charge (asking about its group) or drops a new picture.
    void deleteHeld();
    // The throw-away test of the pointer over the free area: true when the
    // overlay was off the canvas and has been thrown away.
    bool throwAwayIfOffCanvas();

    void copyHeld();
    // Our copy is pasteable: it is still ours on the system clipboard and its
    // picture is still in the bank.
    bool canPaste() const;
    void paste();
    // The text of our own copy when the system clipboard still holds it
    // (empty when another program has put anything there since).
    static std::string ownClipboardText();
    // A reset or a picture deletion: our text leaves the system clipboard
    // (another program's text stays) and the copy is forgotten.
    void forgetCopy();
    // Forgets the copy only when it was taken from that bank picture.
    void forgetCopyOf(int bankSlot);

    // An overlay is up (a charge or a new picture).
    bool isHolding() const;
    // The held charge's number, 0 for a new picture or nothing.
    int heldCharge() const;
    bool isShown() const { return isHolding(); }
    // The overlay's place and size on the canvas.
    QRectF box() const { return box_; }
    void setBox(const QRectF& box);
    // Wholly outside the canvas: the charge has been thrown off the shield.
    bool isOffCanvas() const;
    // Everything hidden and the picture dropped.
    void end();

    HeldChargeView* chargeOverlay = nullptr;
    QFrame* overlayFrame = nullptr;
    QFrame* resizeHandle = nullptr;
    QFrame* horizontalGuide = nullptr;
    QFrame* verticalGuide = nullptr;
    QWidget* alignmentStrip = nullptr;
    // The overlay's picture: its path or its file name.
    QString picture;
    // Run when a button is let go over the overlay, with the release point in
    // canvas pixels, so the canvas's hover captions can be brought up to date.
    std::function<void(QPoint canvasPoint)> hoverAfterRelease;
    // What a press on the overlay started.
    bool moving = false;
    bool resizing = false;

  private:
    void pressed(QMouseEvent& event);
    void moved(QMouseEvent& event);
    void released(QMouseEvent& event);
    void keyPressed(QKeyEvent& event);
    void keyReleased(QKeyEvent& event);
    bool acceptsDrop(const QMimeData* data) const;
    void dropped(const QMimeData* data);
    void showMenu(QPoint globalAt);
    void mirrorHeld();
    void toggleOverAll();

    // The picture at the overlay's size, then the widgets in line with it.
    void render();
    void placeCompanions();
    void showMoveCaptions();
    void showGuides(bool shown);
    void showOverlay(bool withHandle);
    bool askAboutGroup(const QString& question);

    QWidget& canvas_;
    CanvasPanel& canvasPanel_;
    const EditorContext& ctx_;
    EditorMenus* menus_ = nullptr;
    QRectF box_;
    QImage newPicture_;
    double grabX_ = 0;
    double grabY_ = 0;
    bool sizing_ = false;
    ChargeClipboard copy_;
    int jokeIndex_ = 0;
};

}  // namespace tess
