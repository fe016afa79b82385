#pragma once

#include <QColor>
#include <QObject>
#include <QString>

#include "model/records.h"

namespace tess {

class DocumentSession;
class FileCommands;
class HeldChargeTool;
class HelpOpener;
class ToolbarPanel;

// What a toolbar button does on release.
enum class ToolbarCommand { None, New, Open, Save, Export, Print, Undo, Partition, Help };

// One painted button: where the hover names it, where its frame starts, where
// a release runs it. Every range includes both ends.
struct ToolbarButton {
    const char* tooltip;
    int hoverFrom, hoverTo;
    int frameX;
    int clickFrom, clickTo;
    ToolbarCommand command;
    Long partition;  // for ToolbarCommand::Partition
};

// The button whose hover range holds x (the band is not checked), or none.
const ToolbarButton* toolbarButtonHovered(int x);
// The button whose click range holds x, or none.
const ToolbarButton* toolbarButtonClicked(int x);

// The toolbar's mouse: the hover names the button and frames it raised, a
// press sinks the frame, a release hides it and runs the button's command,
// then hands the keyboard to the canvas. The frame's colours swap at every
// press and every release; only a redraw sets them back to light over dark.
class ToolbarInput : public QObject {
    Q_OBJECT
  public:
    ToolbarInput(ToolbarPanel& panel, HeldChargeTool& tool, FileCommands& files, HelpOpener& help,
                 DocumentSession& session, QWidget& canvas);

    void moved(double x, double y);
    void pressed();
    void released(double x, double y);
    // A redraw sets the frame's colours: light on top and left.
    void setFrameColours(QColor light, QColor dark);
    // "Annuler": the newest undo copy comes back and is redrawn, a held charge
    // first let go as it was picked up, so the overlay never holds a record
    // the undo copy has put back on the shield. The document keeps its file
    // (an older copy may predate its first save) and the unsaved mark stays.
    void undoLast();

  private:
    void placeFrame();
    void paintFrame();
    void swapColours();
    void run(const ToolbarButton& button);

    ToolbarPanel& panel_;
    HeldChargeTool& tool_;
    FileCommands& files_;
    HelpOpener& help_;
    DocumentSession& session_;
    QWidget& canvas_;
    int frameX_ = 0;
    // The bottom line's row and the right line's lower end: 24 at start, 23
    // while pressed, 25 after any release.
    int bottomRow_ = 24;
    int rightBottom_ = 24;
    QColor top_ = Qt::white, left_ = Qt::white, right_ = Qt::black, down_ = Qt::black;
};

}  // namespace tess
