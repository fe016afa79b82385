#pragma once

#include <QObject>
#include <QString>

#include "model/records.h"
#include "model/shield_shapes.h"

namespace tess {

class DocumentSession;
class PieceOptions;

// The empty cell at the lower right of the shape choosers.
inline constexpr Long kShapeNone = 0;

// The shape under chooser point (x, y), kShapeNone on the empty cell.
Long shapeCellAt(double x, double y);
QString shapeName(Long shape);
// The size band under chooser row y: 0 entière, 1 diminuée, 2 en filet.
int sizeBandAt(double y);
QString sizeBandName(int band);

// The four choosers beside the canvas: the shield's shape, the escutcheon's
// shape, each piece's size. A press chooses the cell under it (the one the
// tooltip names), takes one undo step even when nothing changes, and redraws.
class ChooserInput : public QObject {
    Q_OBJECT
  public:
    ChooserInput(PieceOptions& options, DocumentSession& session);

    void chooseShape(bool inset, double x, double y);
    void chooseSize(int order, double y);

  private:
    DocumentSession& session_;
};

}  // namespace tess
