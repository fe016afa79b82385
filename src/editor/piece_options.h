#pragma once

#include <QObject>

class QLabel;
class QWidget;

namespace tess {

class PictureBox;
struct RedrawResult;

// The choosers beside the canvas: the shield's shape, the inset escutcheon's
// shape, the first-order piece's size and shift zones, the second-order
// piece's size. A redraw says which show and which cell each marks.
class PieceOptions : public QObject {
    Q_OBJECT
  public:
    explicit PieceOptions(QWidget& window);

    void applyRedraw(const RedrawResult& result);

    PictureBox* shapeChooser = nullptr;
    QLabel* insetCaption = nullptr;
    PictureBox* insetShapeChooser = nullptr;
    QLabel* firstOrderCaption = nullptr;
    PictureBox* sizeChooser = nullptr;
    PictureBox* shiftZones = nullptr;
    QLabel* secondOrderCaption = nullptr;
    PictureBox* secondOrderSizeChooser = nullptr;
};

}  // namespace tess
