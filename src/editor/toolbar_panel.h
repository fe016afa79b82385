#pragma once

#include <QObject>

class QFrame;
class QWidget;

namespace tess {

class PictureBox;
class ToolbarInput;
struct RedrawResult;

// The toolbar: its picture of buttons, the raised frame drawn round the
// button under the pointer, and the marker on the chosen partition.
class ToolbarPanel : public QObject {
    Q_OBJECT
  public:
    explicit ToolbarPanel(QWidget& window);

    // The marker's place and the frame's colours from a redraw.
    void applyRedraw(const RedrawResult& result);
    // The pointer left the toolbar: no button looks raised.
    void hideButtonFrame();

    PictureBox* toolbar = nullptr;
    QFrame* partitionMarker = nullptr;
    QFrame* topFrameLine = nullptr;
    QFrame* leftFrameLine = nullptr;
    QFrame* rightFrameLine = nullptr;
    QFrame* bottomFrameLine = nullptr;
    // The mouse handling, made by the window once the canvas exists.
    ToolbarInput* input = nullptr;
};

}  // namespace tess
