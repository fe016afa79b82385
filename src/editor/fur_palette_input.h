#pragma once

#include <functional>

#include <QObject>
#include <QPointF>
#include <QString>

#include "model/tinctures.h"

class QMimeData;

namespace tess {

class DocumentSession;
class FurMenu;
class FurPalettePanel;
class PictureBox;

// The fur under palette point (x, y); every point lies in a cell.
Long furCellAt(double x, double y);
QString furName(Long code);
// A user fur's name in its swatch's tooltip: the file name without ".fmp" when
// it ends so, else the whole file name.
QString userFurTooltip(const std::string& path);

// The fur palette and the four user-fur swatches as drag sources: a hover
// names the fur, a left press and a move past the drag distance carry its code,
// a right press opens the fur menu (on a swatch, for its slot), a double click
// on a swatch edits its fur.
class FurPaletteInput : public QObject {
    Q_OBJECT
  public:
    FurPaletteInput(FurPalettePanel& panel, FurMenu& menu, DocumentSession& session);

    // What runs the drag of a payload: the platform's drag and drop; tests
    // put a recorder in its place.
    void setDragStarter(std::function<void(QMimeData*)> startDrag);

    void paletteMoved(int buttons, double x, double y);
    void palettePressed(int button, double x, double y);
    void swatchMoved(int slot, int buttons, double x, double y);
    void swatchPressed(int slot, int button, double x, double y);
    void swatchDoubleClicked(int slot);

  private:
    void armDrag(int button, double x, double y, int code);
    void dragIfFar(int buttons, double x, double y);

    FurPalettePanel& panel_;
    FurMenu& menu_;
    DocumentSession& session_;
    std::function<void(QMimeData*)> startDrag_;
    QPointF pressAt_;
    int pressedCode_ = 0;
};

}  // namespace tess
