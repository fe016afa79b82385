#pragma once

#include <QObject>

class QFrame;
class QWidget;

namespace tess {

class PictureBox;
class DocumentSession;
struct RedrawResult;

// The toolbar: its picture of buttons, the raised frame drawn round the
// button under the pointer, and the marker on the chosen partition.
class ToolbarPanel : public QObject {
    Q_OBJECT
  public:
    // The marker follows every redraw of `session`.
    ToolbarPanel(QWidget& window, const DocumentSession& session);

    // The marker's place from a redraw.
    void applyRedraw(const RedrawResult& result);
    // The pointer left the toolbar: no button looks raised.
    void hideButtonFrame();

    PictureBox* toolbar() const { return toolbar_; }
    QFrame* partitionMarker() const { return partitionMarker_; }
    QFrame* topFrameLine() const { return topFrameLine_; }
    QFrame* leftFrameLine() const { return leftFrameLine_; }
    QFrame* rightFrameLine() const { return rightFrameLine_; }
    QFrame* bottomFrameLine() const { return bottomFrameLine_; }

  private:
    PictureBox* toolbar_ = nullptr;
    QFrame* partitionMarker_ = nullptr;
    QFrame* topFrameLine_ = nullptr;
    QFrame* leftFrameLine_ = nullptr;
    QFrame* rightFrameLine_ = nullptr;
    QFrame* bottomFrameLine_ = nullptr;
};

}  // namespace tess
