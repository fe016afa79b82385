#include "dialogs/fur_editor_widgets.h"

#include <QMouseEvent>
#include <QPainter>

namespace tess {

namespace {

constexpr int kPaletteRightColumn = 20;

QColor screenColour(Colour c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

// The toolbar's buttons: the x band (both ends included) and the tooltip.
struct ToolbarBand {
    int left;
    int right;
    FurToolbarButton button;
    const char* tip;
};
constexpr ToolbarBand kToolbarBands[] = {
    {14, 36, FurToolbarButton::New, "Nouvelle fourrure"},
    {37, 60, FurToolbarButton::Open, "Ouvrir une fourrure"},
    {61, 84, FurToolbarButton::Save, "Sauvegarder la fourrure"},
    {106, 129, FurToolbarButton::Draw, "Dessiner"},
    {130, 153, FurToolbarButton::Fill, "Remplir"},
};
constexpr int kStripTop = 3;
constexpr int kStripBottom = 22;
constexpr int kFrameSide = 24;
constexpr int kDrawMarkerX = 107;
constexpr int kFillMarkerX = 131;

const ToolbarBand* toolbarBand(FurToolbarButton button) {
    for (const auto& band : kToolbarBands)
        if (band.button == button) return &band;
    return nullptr;
}

// Small drawings of the five buttons, in a 20 x 18 box at `x`.
void drawButtonFace(QPainter& p, FurToolbarButton button, int x) {
    const int y = 4;
    p.setPen(Qt::black);
    switch (button) {
        case FurToolbarButton::New:
            p.fillRect(x + 5, y + 1, 11, 15, Qt::white);
            p.drawRect(x + 5, y + 1, 11, 15);
            break;
        case FurToolbarButton::Open:
            p.fillRect(x + 2, y + 5, 17, 11, QColor(230, 200, 90));
            p.drawRect(x + 2, y + 5, 17, 11);
            p.drawLine(x + 2, y + 5, x + 6, y + 2);
            p.drawLine(x + 6, y + 2, x + 10, y + 5);
            break;
        case FurToolbarButton::Save:
            p.fillRect(x + 3, y + 1, 15, 15, QColor(40, 40, 140));
            p.fillRect(x + 6, y + 2, 9, 6, Qt::white);
            break;
        case FurToolbarButton::Draw:
            p.setPen(QPen(QColor(150, 90, 20), 3));
            p.drawLine(x + 4, y + 15, x + 16, y + 3);
            break;
        case FurToolbarButton::Fill:
            p.fillRect(x + 4, y + 6, 11, 10, QColor(90, 90, 90));
            p.fillRect(x + 15, y + 9, 3, 6, QColor(0, 0, 255));
            break;
    }
}

}  // namespace

const FurPaletteBand* furPaletteBandAt(int x, int y) {
    const int column = x < kPaletteRightColumn ? 0 : 1;
    for (const auto& band : kFurPaletteBands)
        if (band.column == column && y >= band.top && y <= band.bottom) return &band;
    return nullptr;
}

FurPalette::FurPalette(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("palette"));
    setFixedSize(51, 129);
    setMouseTracking(true);
}

void FurPalette::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0xC0, 0xC0, 0xC0));
    for (const auto& band : kFurPaletteBands) {
        const int left = band.column == 0 ? 0 : kPaletteRightColumn;
        const int right = band.column == 0 ? kPaletteRightColumn - 1 : width() - 1;
        const QRect box(QPoint(left + 1, band.top + 1), QPoint(right - 1, band.bottom - 1));
        p.fillRect(box, screenColour(band.colour));
        p.setPen(Qt::black);
        p.drawRect(box);
    }
}

void FurPalette::hover(QPointF at) {
    const int x = int(at.x());
    const int y = int(at.y());
    if (const FurPaletteBand* band = furPaletteBandAt(x, y)) {
        setToolTip(QString::fromUtf8(band->name));
        tag_ = band->colour;
    } else if (x >= kPaletteRightColumn) {
        setToolTip(QString());
        tag_ = -1;
    }
}

void FurPalette::mouseMoveEvent(QMouseEvent* e) {
    hover(e->position());
}

void FurPalette::mousePressEvent(QMouseEvent* e) {
    // A press without a move before it still takes the swatch under it.
    hover(e->position());
    if (tag_ >= 0 && picked) picked(Colour(tag_), e->button());
}

FurPictureView::FurPictureView(QWidget* parent, QSize size) : QWidget(parent) {
    setFixedSize(size + QSize(2 * kFrame, 2 * kFrame));
}

void FurPictureView::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void FurPictureView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0xE0, 0xE0, 0xE0));
    const QRect inside = rect().adjusted(kFrame, kFrame, -kFrame, -kFrame);
    p.setClipRect(inside);
    p.drawImage(inside.topLeft(), picture_);
    // The picture's right and bottom edges, just outside it, so a white tile
    // still shows where it ends without a cell being covered.
    p.setPen(QColor(0x80, 0x80, 0x80));
    const QPoint end = inside.topLeft() + QPoint(picture_.width(), picture_.height());
    p.drawLine(end.x(), inside.top(), end.x(), end.y());
    p.drawLine(inside.left(), end.y(), end.x(), end.y());
    p.setClipping(false);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

// The frame is no part of the picture: the pointer over it reaches no one.
std::optional<QPointF> FurPictureView::inside(QPointF at) const {
    const QPointF p = at - QPointF(kFrame, kFrame);
    const QSizeF inner = QSizeF(size()) - QSizeF(2 * kFrame, 2 * kFrame);
    if (p.x() < 0 || p.y() < 0 || p.x() >= inner.width() || p.y() >= inner.height())
        return std::nullopt;
    return p;
}

void FurPictureView::mousePressEvent(QMouseEvent* e) {
    if (const auto p = inside(e->position()); p && pressed) pressed(*p, e->button());
}

void FurPictureView::mouseMoveEvent(QMouseEvent* e) {
    if (const auto p = inside(e->position()); p && dragged) dragged(*p, e->buttons());
}

FurToolbar::FurToolbar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("toolbar"));
    setFixedSize(160, 26);
    setMouseTracking(true);
}

std::optional<FurToolbarButton> FurToolbar::buttonAt(QPoint at) {
    if (at.y() < kStripTop || at.y() > kStripBottom) return std::nullopt;
    for (const auto& band : kToolbarBands)
        if (at.x() >= band.left && at.x() <= band.right) return band.button;
    return std::nullopt;
}

void FurToolbar::setTool(FurTool tool) {
    tool_ = tool;
    update();
}

void FurToolbar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    for (const auto& band : kToolbarBands) drawButtonFace(p, band.button, band.left + 2);
    // The marker of the current tool.
    const int marker = tool_ == FurTool::Draw ? kDrawMarkerX : kFillMarkerX;
    p.setPen(QPen(QColor(0, 0, 0x80), 1, Qt::DotLine));
    p.drawRect(marker, kStripTop, kFrameSide - 2, kStripBottom - kStripTop - 1);
    if (!hovered_) return;
    // The frame round the hovered button: raised at rest, sunken while pressed.
    const int x0 = toolbarBand(*hovered_)->left;
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::WindowText);
    const QColor topLeft = pressed_ ? dark : light;
    const QColor bottomRight = pressed_ ? light : dark;
    p.setPen(topLeft);
    p.drawLine(x0, 2, x0 + kFrameSide, 2);
    p.drawLine(x0, 2, x0, 22);
    p.setPen(bottomRight);
    p.drawLine(x0, 22, x0 + kFrameSide, 22);
    p.drawLine(x0 + kFrameSide, 2, x0 + kFrameSide, 22);
}

void FurToolbar::mouseMoveEvent(QMouseEvent* e) {
    hovered_ = buttonAt(e->position().toPoint());
    setToolTip(hovered_ ? QString::fromUtf8(toolbarBand(*hovered_)->tip) : QString());
    update();
}

void FurToolbar::mousePressEvent(QMouseEvent* e) {
    hovered_ = buttonAt(e->position().toPoint());
    pressed_ = true;
    update();
}

void FurToolbar::mouseReleaseEvent(QMouseEvent* e) {
    const auto button = buttonAt(e->position().toPoint());
    pressed_ = false;
    if (button && released) released(*button);
    // Whatever the command did, the frame goes back to rest and out of sight.
    hovered_.reset();
    update();
}

void FurToolbar::leaveEvent(QEvent*) {
    hovered_.reset();
    update();
}

}  // namespace tess
