#pragma once

#include <QObject>

class QLabel;
class QWidget;

namespace tess {

class DocumentSession;
class PictureBox;
struct RedrawResult;

// The choosers beside the canvas: the shield's shape, the inset escutcheon's
// shape, the first-order piece's size and shift zones, the second-order
// piece's size. A redraw says which show and which cell each marks.
class PieceOptions : public QObject {
    Q_OBJECT
  public:
    PieceOptions(QWidget& window, const DocumentSession& session);

    void applyRedraw(const RedrawResult& result);

    PictureBox* shapeChooser() const { return shapeChooser_; }
    QLabel* insetCaption() const { return insetCaption_; }
    PictureBox* insetShapeChooser() const { return insetShapeChooser_; }
    QLabel* firstOrderCaption() const { return firstOrderCaption_; }
    PictureBox* sizeChooser() const { return sizeChooser_; }
    PictureBox* shiftZones() const { return shiftZones_; }
    QLabel* secondOrderCaption() const { return secondOrderCaption_; }
    PictureBox* secondOrderSizeChooser() const { return secondOrderSizeChooser_; }

  private:
    PictureBox* shapeChooser_ = nullptr;
    QLabel* insetCaption_ = nullptr;
    PictureBox* insetShapeChooser_ = nullptr;
    QLabel* firstOrderCaption_ = nullptr;
    PictureBox* sizeChooser_ = nullptr;
    PictureBox* shiftZones_ = nullptr;
    QLabel* secondOrderCaption_ = nullptr;
    PictureBox* secondOrderSizeChooser_ = nullptr;
};

}  // namespace tess
