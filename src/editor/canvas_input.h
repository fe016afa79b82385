#pragma once

#include <QObject>
#include <QPointF>

class QDragMoveEvent;
class QDropEvent;
class QKeyEvent;
class QMimeData;
class QMouseEvent;
class QWidget;

namespace tess {

class DocumentSession;
class CanvasMenus;
class CanvasPanel;
class ClipboardCommands;
class FileCommands;
class HelpOpener;
class HeldChargeTool;

// What the shield canvas does with the pointer, drags and keys: drops of
// tinctures and furs, the pick-up and put-down of charges, the context menus
// of the pieces and parts, the hover captions and the Ctrl shortcuts. Every
// test of what lies under the pointer reads the hidden maps of the last
// redraw; every change goes through the actions layer.
class CanvasInput : public QObject {
    Q_OBJECT
  public:
    CanvasInput(CanvasPanel& panel, HeldChargeTool& tool, CanvasMenus& menus,
                ClipboardCommands& clipboard, FileCommands& files, HelpOpener& help,
                DocumentSession& session);

    // The hover at canvas point (x, y): the position from the shield's centre
    // and what lies there, in the captions under the shield.
    void hover(double x, double y);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void dragMoved(QDragMoveEvent& event);
    void dropped(QDropEvent& event);
    void pressed(QMouseEvent& event);
    void openContextMenu(double x, double y, QPoint globalAt);
    bool keyPressed(QKeyEvent& event);
    bool onOverlay(QPointF at) const;

    CanvasPanel& panel_;
    HeldChargeTool& tool_;
    CanvasMenus& menus_;
    ClipboardCommands& clipboard_;
    FileCommands& files_;
    HelpOpener& help_;
    DocumentSession& session_;
};

}  // namespace tess
