#pragma once

#include <functional>

#include <QObject>
#include <QPointF>

class QMimeData;

namespace tess {

struct EditorContext;
struct EditorMenus;
class PictureBox;

// The tincture under palette point (x, y): 1..11, 0 for none (the empty cell
// at the lower right, and outside the rows).
int tinctureCellAt(double x, double y);

// The tincture palette as a drag source: a hover names the cell in the
// tooltip; a left press and a move past the platform's drag distance start a
// drag carrying that cell's tincture; a right press on a cell opens the colour
// menu for its tincture.
class TincturePaletteInput : public QObject {
    Q_OBJECT
  public:
    TincturePaletteInput(PictureBox& palette, EditorMenus& menus, const EditorContext& context);

    // Runs the drag of a payload. The program's own runs it on the platform's
    // drag and drop; tests put a recorder in its place.
    std::function<void(QMimeData*)> startDrag;

  signals:
    // "Ajuster cette couleur" was chosen for this tincture.
    void adjustColourRequested(int tincture);

  private:
    void moved(int buttons, double x, double y);
    void pressed(int button, double x, double y);

    PictureBox& palette_;
    EditorMenus& menus_;
    const EditorContext& ctx_;
    // The press that may become a drag: its point and its cell (0 none).
    QPointF pressAt_;
    int pressedTincture_ = 0;
    // The cell the colour menu was opened on.
    int menuTincture_ = 0;
};

}  // namespace tess
