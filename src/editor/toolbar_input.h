#pragma once

#include <QColor>
#include <QObject>
#include <QString>

#include "model/records.h"

namespace tess {

struct EditorContext;
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
    ToolbarInput(ToolbarPanel& panel, const EditorContext& context, QWidget& canvas);

    void moved(double x, double y);
    void pressed();
    void released(double x, double y);
    // A redraw sets the frame's colours: light on top and left.
    void setFrameColours(QColor light, QColor dark);

  signals:
    void newRequested();
    void openRequested();
    void saveRequested();
    void exportRequested();
    void printRequested();
    void undoRequested();
    void helpRequested();

  private:
    void placeFrame();
    void paintFrame();
    void swapColours();
    void run(const ToolbarButton& button);

    ToolbarPanel& panel_;
    const EditorContext& ctx_;
    QWidget& canvas_;
    int frameX_ = 0;
    // The bottom line's row and the right line's lower end: 24 at start, 23
    // while pressed, 25 after any release.
    int bottomRow_ = 24;
    int rightBottom_ = 24;
    QColor top_ = Qt::white, left_ = Qt::white, right_ = Qt::black, down_ = Qt::black;
};

}  // namespace tess
