#pragma once

#include <QObject>
#include <QRectF>
#include <QString>

class QLabel;
class QWidget;

namespace tess {

class DocumentSession;
class HeldChargeTool;
class PictureBox;

// One cell of the alignment strip beside the canvas: the rows it covers, its
// tooltip, and where it puts the held charge's box.
struct AlignmentCell {
    int top;
    int bottom;
    const char* tooltip;
};

// The cell under strip row y: 1..13, 0 between and outside the cells.
int alignmentCellAt(double y);
QString alignmentTooltip(int cell);
// The box moved as cell 1..13 puts it (cells 1..7 its left, 8..13 its top);
// any other cell leaves it. The halves of the width and height drop their
// remainder after rounding to whole pixels.
QRectF alignedBox(const QRectF& box, int cell);

// The alignment strip beside the canvas, shown while something is held: a
// hover names the cell, a press moves the held charge (and with a modifier
// key its group), re-places the frames and gives the keyboard back to the
// held charge.
class AlignmentStrip : public QObject {
    Q_OBJECT
  public:
    AlignmentStrip(QWidget& window, HeldChargeTool& tool, DocumentSession& session);

    PictureBox* strip() const { return strip_; }

  private:
    void pressed(int shift, double y);

    PictureBox* strip_ = nullptr;
    HeldChargeTool& tool_;
    DocumentSession& session_;
};

// The shift zones of the first-order piece: a hover writes the pointer's
// position into the caption above them ("12; 30") and names the band, a press
// takes an undo step (even between the bands) and shifts the piece.
class ShiftZones : public QObject {
    Q_OBJECT
  public:
    ShiftZones(PictureBox& zones, QLabel& caption, DocumentSession& session);

  private:
    PictureBox& zones_;
    QLabel& caption_;
    DocumentSession& session_;
};

}  // namespace tess
