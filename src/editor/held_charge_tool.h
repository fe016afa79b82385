#pragma once

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRectF>
#include <QString>

#include "editor/held_charge_view.h"

namespace tess {

class DocumentSession;
class HeldChargeState;

// Whether a command on the held charge takes its whole group: asks the
// question (its "%1" the group's count) when the charge has a group; false
// at once when it has none.
bool askAboutHeldGroup(const DocumentSession& session, const char* question);

// What the person does to the held charge, and the one writer of the
// held-charge state: picking a charge up, bringing a picture up, the presses,
// moves and releases on it (move, resize, group moves with a modifier key),
// its keys (arrows, Enter, Delete), a tincture dropped on it, and its three
// ends: the commit, the deletion and the throw off the shield. The document
// changes through src/actions/, once, at the commit or a command.
class HeldChargeTool : public QObject, private HeldChargeInput {
    Q_OBJECT
  public:
    HeldChargeTool(HeldChargeView& view, DocumentSession& session);

    const HeldChargeState& state() const { return state_; }
    const HeldChargeView* view() const { return &view_; }

    // Picks charge n off the shield into the overlay (mirrored when the charge
    // is). False, changing nothing, when something is held already or n is not
    // a charge on the shield.
    bool pickUp(int chargeNumber);
    // Shows charge n, which the actions have just taken off the shield (picked
    // up or pasted), held at `box`; `picture` is its bank picture's name.
    void holdTakenCharge(int chargeNumber, const QRectF& box, const QString& picture);
    // A picture of the bank list brought up at (2, 2), not yet a charge. A
    // charge already held is committed first; false when that commit is
    // refused or the picture cannot be read (the user is told).
    bool holdNewPicture(const QString& path);
    // Holds `picture`, read from `path`, at `box` as a picture not yet placed.
    void holdPicture(const QImage& picture, const QString& path, const QRectF& box);
    // The one commit path (canvas click, Enter, the list's double click, the
    // paste, a click on the free area). An overlay wholly off the canvas is
    // thrown away instead, with the next joke. True when the overlay has
    // ended in place; false when placing refused: a held charge stays held,
    // nothing lost, a new picture is not placed and its overlay is hidden.
    bool commitHeld();
    // Deletes the held charge (asking about its group) or drops a new picture.
    void deleteHeld();
    // The throw-away test of the pointer over the free area: true when the
    // overlay was off the canvas and has been thrown away.
    bool throwAwayIfOffCanvas();
    // The held picture drawn again after a command changed the charge.
    void refreshPicture() { view_.render(); }
    // The keyboard back to the held charge, after a press beside it.
    void giveFocusBack() { view_.setFocus(Qt::OtherFocusReason); }
    // The overlay's place and size, as the alignment strip sets it.
    void setBox(const QRectF& box);
    // A button let go over the canvas: no press carries the charge any more.
    void stopDragging();
    // Everything hidden and the picture dropped; the document is left alone.
    void end();

  signals:
    // A right press on the held charge asks for its menu here.
    void menuRequested(QPoint globalAt);
    // A button let go over the overlay, at this canvas point: the hover
    // captions can be brought up to date.
    void releasedAt(QPoint canvasPoint);

  private:
    // HeldChargeInput: the view's events.
    void pressed(QMouseEvent& event) override;
    void moved(QMouseEvent& event) override;
    void released(QMouseEvent& event) override;
    void keyPressed(QKeyEvent& event) override;
    void keyReleased(QKeyEvent& event) override;
    bool acceptsDrop(const QMimeData* data) const override;
    void dropped(const QMimeData* data) override;

    void resize(const QMouseEvent& event, int held);
    void moveGroup(int dx, int dy, const QRectF& box);

    HeldChargeState& state_;
    HeldChargeView& view_;
    DocumentSession& session_;
    double grabX_ = 0;
    double grabY_ = 0;
    // The pointer is over the resize corner: a press resizes.
    bool sizing_ = false;
    int jokeIndex_ = 0;
};

}  // namespace tess
