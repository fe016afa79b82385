#include "editor/alignment_strip.h"

#include <array>

#include <QLabel>

#include "actions/canvas_hits.h"
#include "actions/charge_group_moves.h"
#include "actions/field_edits.h"
#include "editor/document_session.h"
#include "editor/held_charge_state.h"
#include "editor/held_charge_tool.h"
#include "editor/window_layout.h"
#include "platform/rounding.h"
#include "widgets/controls.h"
#include "widgets/picture_box.h"
#include "widgets/ui_pictures.h"

namespace tess {

namespace {

constexpr std::array<AlignmentCell, 14> kCells = {{
    {-1, -1, ""},
    {17, 35, "Aligné à gauche"},
    {36, 54, "Centré dans la partie de gauche"},
    {55, 74, "Aligné sur la gauche du centre"},
    {75, 92, "Centré"},
    {93, 112, "Aligné sur la droite du centre"},
    {113, 131, "Centré dans la partie de droite"},
    {132, 149, "Aligné à droite"},
    {186, 205, "Aligné en haut"},
    {206, 223, "Centré dans la partie du haut"},
    {224, 242, "Aligné sur le centre"},
    {243, 261, "Centré"},
    {262, 280, "Aligné sous le centre"},
    {281, 300, "Centré dans la partie du bas"},
}};
constexpr int kLastHorizontalCell = 7;

// The shift zones' bands: the rows below 19, 20..38 and 39..57; the gaps
// between them and the rows past 57 name no band.
struct ShiftBand {
    int shift;
    const char* tooltip;
};
constexpr int kNoBand = 2;

ShiftBand shiftBandAt(double y) {
    if (y < 19) return {-1, "Pièce déportée En Dextre / En chef"};
    if (y >= 20 && y <= 38) return {0, "Pièce normale"};
    if (y >= 39 && y <= 57) return {1, "Pièce déportée En Sénestre / En pointe"};
    return {kNoBand, nullptr};
}

}  // namespace

int alignmentCellAt(double y) {
    for (int c = 1; c < int(kCells.size()); ++c)
        if (y >= kCells[std::size_t(c)].top && y <= kCells[std::size_t(c)].bottom) return c;
    return 0;
}

QString alignmentTooltip(int cell) {
    if (cell < 1 || cell >= int(kCells.size())) return QString();
    return QString::fromUtf8(kCells[std::size_t(cell)].tooltip);
}

QRectF alignedBox(const QRectF& box, int cell) {
    const int w = CInt(box.width());
    const int h = CInt(box.height());
    const double lefts[] = {box.left(),    1,   66.0 - w / 2,  132.0 - w - 1,
                            132.0 - w / 2, 133, 198.0 - w / 2, 265.0 - w};
    const double tops[] = {1, 85.0 - h / 2, 170.0 - h - 1, 170.0 - h / 2, 171, 255.0 - h / 2};
    QRectF moved = box;
    if (cell >= 1 && cell <= kLastHorizontalCell)
        moved.moveLeft(lefts[cell]);
    else if (cell > kLastHorizontalCell && cell < int(kCells.size()))
        moved.moveTop(tops[cell - kLastHorizontalCell - 1]);
    return moved;
}

AlignmentStrip::AlignmentStrip(QWidget& window, HeldChargeTool& tool, DocumentSession& session)
    : QObject(&window), tool_(tool), session_(session) {
    strip_ = makePictureBox(&window, "alignmentStrip", layout::kAlignmentStrip);
    strip_->setPicture(alignmentStripImage());
    strip_->hide();
    strip_->onMouseMove = [this](int, int, double, double y) {
        strip_->setToolTip(alignmentTooltip(alignmentCellAt(y)));
    };
    strip_->onMouseDown = [this](int, int shift, double, double y) { pressed(shift, y); };
    connect(&tool_.state(), &HeldChargeState::heldUp, strip_, &QWidget::show);
    connect(&tool_.state(), &HeldChargeState::ended, strip_, &QWidget::hide);
}

void AlignmentStrip::pressed(int shift, double y) {
    const QRectF box = alignedBox(tool_.state().box(), alignmentCellAt(y));
    tool_.setBox(box);
    // The group follows only with a modifier key, by the held charge's own
    // displacement from its record. Nothing is redrawn, but the title shows
    // at once that the document changed, whichever key was held.
    if (tool_.state().heldCharge() != 0 && shift != 0) {
        AlignHeldChargeGroup(session_.ws(), box.left(), box.top(), box.width(), box.height());
        session_.showTitle();
    }
    tool_.giveFocusBack();
}

ShiftZones::ShiftZones(PictureBox& zones, QLabel& caption, DocumentSession& session)
    : QObject(&zones), zones_(zones), caption_(caption), session_(session) {
    zones_.onMouseMove = [this](int, int, double x, double y) {
        caption_.setText(QString::fromStdString(singleText(x) + "; " + singleText(y)));
        const ShiftBand band = shiftBandAt(y);
        if (band.tooltip) zones_.setToolTip(QString::fromUtf8(band.tooltip));
    };
    zones_.onMouseDown = [this](int, int, double, double y) {
        session_.show(ShiftFirstOrder(session_.ws(), session_.r(), shiftBandAt(y).shift));
    };
}

}  // namespace tess
