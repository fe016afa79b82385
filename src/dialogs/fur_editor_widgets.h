#pragma once

#include <functional>
#include <optional>

#include <QImage>
#include <QString>
#include <QWidget>

#include "platform/colour.h"

namespace tess {

// The painted controls of the fur editor. Each tells the editor what the user
// did through a callback; the editor keeps the state.

// One swatch of the editor's palette: its column (0 left, 1 right), its rows
// (both ends included), name and colour, the tinctures' factory colours.
struct FurPaletteBand {
    int column;
    int top;
    int bottom;
    const char* name;
    Colour colour;
};
inline constexpr FurPaletteBand kFurPaletteBands[] = {
    {0, 0, 25, "Or", 0x00FFFF},        {0, 26, 47, "Gueules", 0x0000FF},
    {0, 48, 66, "Sinople", 0x008000},  {0, 67, 85, "Orangé", 0x0080FF},
    {0, 86, 105, "Brun", 0x004080},    {0, 106, 126, "Bis", 0x80FFFF},
    {1, 0, 25, "Argent", 0xFFFFFF},    {1, 26, 47, "Azur", 0xFF0000},
    {1, 48, 66, "Sable", 0x000000},    {1, 67, 85, "Sanguine", 0x000080},
    {1, 86, 105, "Pourpre", 0x800080},
};
// The band under palette pixel (x, y), if any.
const FurPaletteBand* furPaletteBandAt(int x, int y);

// The palette, 51 x 129: hovering names the swatch under the pointer and keeps
// its colour; a press hands that colour over with the button pressed. Off the
// right column's swatches nothing is kept; off the left column's, the last
// colour stays.
class FurPalette : public QWidget {
  public:
    explicit FurPalette(QWidget* parent);
    std::function<void(Colour, Qt::MouseButton)> picked;
    // The colour kept from the last hover (none: -1).
    long long tag() const { return tag_; }

  protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

  private:
    void hover(QPointF at);
    long long tag_ = -1;
};

// A picture shown as it is inside a one-pixel frame, with the mouse handed to
// callbacks in the picture's own pixels (the frame's inner top-left corner is
// (0, 0)): the enlarged tile and the preview. `size` is the inside.
class FurPictureView : public QWidget {
  public:
    static constexpr int kFrame = 1;
    FurPictureView(QWidget* parent, QSize size);
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }
    std::function<void(QPointF, Qt::MouseButton)> pressed;
    std::function<void(QPointF, Qt::MouseButtons)> dragged;

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

  private:
    std::optional<QPointF> inside(QPointF at) const;
    QImage picture_;
};

// The editor's own toolbar: new, open, save, then draw and fill, in a strip
// of rows 3..22. Hovering frames the button under the pointer and names it; a
// release runs the button under the release point.
enum class FurToolbarButton { New, Open, Save, Draw, Fill };
enum class FurTool { Draw, Fill };
class FurToolbar : public QWidget {
  public:
    explicit FurToolbar(QWidget* parent);
    std::function<void(FurToolbarButton)> released;
    void setTool(FurTool tool);
    static std::optional<FurToolbarButton> buttonAt(QPoint at);

  protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent*) override;

  private:
    std::optional<FurToolbarButton> hovered_;
    bool pressed_ = false;
    FurTool tool_ = FurTool::Draw;
};

}  // namespace tess
