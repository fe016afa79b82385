#include "editor/tincture_palette_input.h"

#include <QAction>
#include <QApplication>
#include <QDrag>
#include <QMenu>

#include "dialogs/message_layer.h"
#include "editor/colour_adjustment_command.h"
#include "editor/document_session.h"
#include "editor/menu_items.h"
#include "editor/palettes.h"
#include "model/workspace.h"
#include "widgets/drag_payloads.h"
#include "widgets/picture_box.h"

namespace tess {

namespace {

// The palette's rows, top to bottom, with the tinctures of its two columns
// (0 none). The right column's second row starts just past 25, so 25 is still
// the first row there while the left column's second row starts at 26.
struct PaletteRow {
    double top;
    double rightTop;
    double bottom;
    int left;
    int right;
};
constexpr PaletteRow kRows[] = {
    {0, 0, 25, 1, 2},   {26, 25, 47, 3, 4},   {48, 48, 66, 5, 6},
    {67, 67, 85, 7, 8}, {86, 86, 105, 9, 10}, {106, 106, 126, 11, 0},
};
constexpr double kRightColumn = 20;

}  // namespace

int tinctureCellAt(double x, double y) {
    const bool right = x >= kRightColumn;
    for (const PaletteRow& row : kRows) {
        const bool in =
            right ? (row.rightTop == row.top ? y >= row.top : y > row.rightTop) && y <= row.bottom
                  : y >= row.top && y <= row.bottom;
        if (in) return right ? row.right : row.left;
    }
    return 0;
}

TincturePaletteInput::TincturePaletteInput(TincturePalettePanel& panel, DialogHost& dialogs,
                                           DocumentSession& session)
    : QObject(panel.tincturePalette()), palette_(*panel.tincturePalette()), session_(session) {
    startDrag_ = [this](QMimeData* payload) {
        auto* drag = new QDrag(&palette_);
        drag->setMimeData(payload);
        drag->exec(Qt::CopyAction);
    };
    palette_.onMouseMove = [this](int buttons, int, double x, double y) { moved(buttons, x, y); };
    palette_.onMouseDown = [this](int button, int, double x, double y) { pressed(button, x, y); };
    palette_.onMouseUp = [this](int, int, double, double) { pressedTincture_ = 0; };
    colourMenu_ = makeMenu(*palette_.window(), "tinctureColourMenu");
    adjustColourAction_ = addItem(*colourMenu_, "adjustColourAction", "Ajuster cette couleur");
    connect(adjustColourAction_, &QAction::triggered, this, [this] {
        if (const int t = adjustColourAction_->data().toInt(); t != 0)
            emit adjustColourRequested(t);
    });
    connect(this, &TincturePaletteInput::adjustColourRequested, this,
            [this, &panel, &dialogs](int t) { adjustTinctureColour(session_, dialogs, panel, t); });
}

void TincturePaletteInput::setDragStarter(std::function<void(QMimeData*)> startDrag) {
    startDrag_ = std::move(startDrag);
}

void TincturePaletteInput::moved(int buttons, double x, double y) {
    const int t = tinctureCellAt(x, y);
    palette_.setToolTip(
        t != 0 ? QString::fromUtf8(session_.ws().Tinctures[std::size_t(t)].Name.c_str())
               : QString());
    if (t != 0) palette_.Tag = QString::number(t);
    // The drag carries the cell the press was on, once the pointer has moved
    // far enough for the platform to call it a drag.
    if (!(buttons & 1) || pressedTincture_ == 0) return;
    if ((QPointF(x, y) - pressAt_).manhattanLength() < QApplication::startDragDistance()) return;
    const int dragged = pressedTincture_;
    pressedTincture_ = 0;
    startDrag_(makeTinctureDrag(dragged));
}

void TincturePaletteInput::pressed(int button, double x, double y) {
    const int t = tinctureCellAt(x, y);
    if (button == 2) {
        if (t == 0) return;
        adjustColourAction_->setData(t);
        session_.messages().popup(*colourMenu_, palette_.mapToGlobal(QPointF(x, y).toPoint()),
                                  nullptr);
        return;
    }
    if (button != 1) return;
    pressAt_ = QPointF(x, y);
    pressedTincture_ = t;
}

}  // namespace tess
