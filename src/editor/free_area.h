#pragma once

#include <QObject>
#include <QPointF>

class QWidget;

namespace tess {

class CanvasPanel;
class FileCommands;
class HeldChargeTool;
class ToolbarPanel;

// The window's free area, where no control lies under the pointer: a right
// press opens the file menu, a left one puts the held charge back (a new
// picture not yet placed is let go); the pointer over it clears the hover
// marks and throws away a held charge carried off the canvas.
class FreeArea : public QObject {
    Q_OBJECT
  public:
    FreeArea(QWidget& window, FileCommands& files, HeldChargeTool& tool, CanvasPanel& canvas,
             ToolbarPanel& toolbar);

    void pressed(Qt::MouseButton button, QPointF at);
    void moved();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& window_;
    FileCommands& files_;
    HeldChargeTool& tool_;
    CanvasPanel& canvas_;
    ToolbarPanel& toolbar_;
};

}  // namespace tess
