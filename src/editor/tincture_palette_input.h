#pragma once

#include <functional>

#include <QObject>
#include <QPointF>

class QAction;
class QMenu;
class QMimeData;

namespace tess {

class PictureBox;
class DocumentSession;
class DialogHost;
class TincturePalettePanel;

// The tincture under palette point (x, y): 1..11, 0 for none (the empty cell
// at the lower right, and outside the rows).
int tinctureCellAt(double x, double y);

// The tincture palette as a drag source: a hover names the cell in the
// tooltip; a left press and a move past the platform's drag distance start a
// drag carrying that cell's tincture; a right press on a cell opens the colour
// menu for its tincture, whose "Ajuster cette couleur" opens the colour
// dialog.
class TincturePaletteInput : public QObject {
    Q_OBJECT
  public:
    TincturePaletteInput(TincturePalettePanel& panel, DialogHost& dialogs,
                         DocumentSession& session);

    // What runs the drag of a payload: the platform's drag and drop; tests
    // put a recorder in its place.
    void setDragStarter(std::function<void(QMimeData*)> startDrag);

  signals:
    // "Ajuster cette couleur" was chosen for this tincture.
    void adjustColourRequested(int tincture);

  private:
    void moved(int buttons, double x, double y);
    void pressed(int button, double x, double y);

    PictureBox& palette_;
    DocumentSession& session_;
    std::function<void(QMimeData*)> startDrag_;
    // The press that may become a drag: its point and its cell (0 none).
    QPointF pressAt_;
    int pressedTincture_ = 0;
    QMenu* colourMenu_ = nullptr;
    // Carries the tincture the menu was opened on.
    QAction* adjustColourAction_ = nullptr;
};

}  // namespace tess
