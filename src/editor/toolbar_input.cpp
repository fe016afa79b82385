#include "editor/toolbar_input.h"

#include <QAction>
#include <QFrame>
#include <QHelpEvent>

#include "actions/apply_edit.h"
#include "actions/field_edits.h"
#include "actions/redraw_result.h"
#include "editor/document_session.h"
#include "editor/file_commands_panel.h"
#include "editor/held_charge_tool.h"
#include "editor/toolbar_panel.h"
#include "model/partitions.h"
#include "platform/colour.h"
#include "widgets/controls.h"
#include "widgets/help_opener.h"
#include "widgets/picture_box.h"

namespace tess {

namespace {

using C = ToolbarCommand;
// Searched top to bottom. The columns differ on purpose: "Nouveau" is named
// from 13 but runs only from 15, "Imprimer" runs up to 133, and "Tiercé en
// Pairle" is framed from 453 though it answers from 452.
constexpr ToolbarButton kButtons[] = {
    {"Nouveau", 13, 36, 15, 15, 36, C::New, 0},
    {"Ouvrir", 37, 60, 37, 37, 60, C::Open, 0},
    {"Sauvegarder", 61, 84, 61, 61, 84, C::Save, 0},
    {"Exporter en fichier graphique", 85, 108, 85, 85, 108, C::Export, 0},
    {"Imprimer", 109, 132, 109, 109, 133, C::Print, 0},
    {"Annuler", 143, 165, 143, 143, 165, C::Undo, 0},
    {"Plein", 181, 203, 181, 181, 203, C::Partition, kPlainField},
    {"Parti", 204, 227, 204, 204, 227, C::Partition, kParti},
    {"Coupé", 228, 251, 228, 228, 251, C::Partition, kCoupe},
    {"Tranché", 252, 275, 252, 252, 275, C::Partition, kTranche},
    {"Taillé", 276, 299, 276, 276, 299, C::Partition, kTaille},
    {"Écartelé", 300, 323, 300, 300, 323, C::Partition, kEcartele},
    {"Écartelé en Sautoir", 324, 347, 324, 324, 347, C::Partition, kEcarteleEnSautoir},
    {"Tiercé en Pal", 348, 371, 348, 348, 371, C::Partition, kTierceEnPal},
    {"Tiercé en Fasce", 372, 395, 372, 372, 395, C::Partition, kTierceEnFasce},
    {"Tiercé en Bande", 396, 419, 396, 396, 419, C::Partition, kTierceEnBande},
    {"Tiercé en Barre", 420, 443, 420, 420, 443, C::Partition, kTierceEnBarre},
    {"Tiercé en Pairle", 452, 475, 453, 452, 475, C::Partition, kTierceEnPairle},
    {"Parti mi-coupé en sénestre", 476, 499, 476, 476, 499, C::Partition, kPartiMiCoupeSenestre},
    {"Parti mi-coupé en dextre", 500, 523, 500, 500, 523, C::Partition, kPartiMiCoupeDextre},
    {"Coupé mi-parti en chef", 524, 547, 524, 524, 547, C::Partition, kCoupeMiPartiChef},
    {"Coupé mi-parti en pointe", 548, 571, 548, 548, 571, C::Partition, kCoupeMiPartiPointe},
    {"Aide", 582, 604, 582, 582, 604, C::Help, 0},
};

// Hover needs rows 3..23; a release acts on rows 2..24.
bool inHoverBand(double y) {
    return y > 2 && y < 24;
}
bool inReleaseBand(double y) {
    return y >= 2 && y <= 24;
}

QColor colourOf(Colour c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

// The pointer's pixel: the handlers compare whole pixels.
int pixel(double v) {
    return int(v);
}

// Names the button under the pointer when a tooltip is asked for, so the tip
// follows the pointer rather than the last move the toolbar saw.
class ToolbarTips : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ToolTip) return false;
        const QPoint at = static_cast<QHelpEvent*>(event)->pos();
        const ToolbarButton* b = inHoverBand(at.y()) ? toolbarButtonHovered(at.x()) : nullptr;
        static_cast<QWidget*>(watched)->setToolTip(b ? QString::fromUtf8(b->tooltip) : QString());
        return false;
    }
};

}  // namespace

const ToolbarButton* toolbarButtonHovered(int x) {
    for (const ToolbarButton& b : kButtons)
        if (x >= b.hoverFrom && x <= b.hoverTo) return &b;
    return nullptr;
}

const ToolbarButton* toolbarButtonClicked(int x) {
    for (const ToolbarButton& b : kButtons)
        if (x >= b.clickFrom && x <= b.clickTo) return &b;
    return nullptr;
}

ToolbarInput::ToolbarInput(ToolbarPanel& panel, HeldChargeTool& tool, FileCommands& files,
                           HelpOpener& help, DocumentSession& session, QWidget& canvas)
    : QObject(panel.toolbar()),
      panel_(panel),
      tool_(tool),
      files_(files),
      help_(help),
      session_(session),
      canvas_(canvas) {
    PictureBox& box = *panel_.toolbar();
    box.onMouseMove = [this](int, int, double x, double y) { moved(x, y); };
    box.onMouseDown = [this](int, int, double, double) { pressed(); };
    box.onMouseUp = [this](int, int, double x, double y) { released(x, y); };
    box.installEventFilter(new ToolbarTips(this));
    placeFrame();
    connect(&session_, &DocumentSession::redrawn, this, [this](const RedrawResult& result) {
        setFrameColours(colourOf(result.frameLight), colourOf(result.frameDark));
    });
}

void ToolbarInput::moved(double x, double y) {
    const ToolbarButton* b = inHoverBand(y) ? toolbarButtonHovered(pixel(x)) : nullptr;
    if (!b) {
        panel_.toolbar()->setToolTip(QString());
        panel_.hideButtonFrame();
        return;
    }
    frameX_ = b->frameX;
    panel_.toolbar()->setToolTip(QString::fromUtf8(b->tooltip));
    placeFrame();
    for (QFrame* line : {panel_.leftFrameLine(), panel_.rightFrameLine(), panel_.bottomFrameLine(),
                         panel_.topFrameLine()})
        line->show();
}

void ToolbarInput::pressed() {
    bottomRow_ = 23;
    rightBottom_ = 23;
    swapColours();
    placeFrame();
}

void ToolbarInput::released(double x, double y) {
    panel_.hideButtonFrame();
    panel_.toolbar()->setToolTip(QString());
    rightBottom_ = 25;
    bottomRow_ = 25;
    swapColours();
    placeFrame();
    if (!inReleaseBand(y)) return;
    if (const ToolbarButton* b = toolbarButtonClicked(pixel(x))) run(*b);
    canvas_.setFocus();
}

void ToolbarInput::run(const ToolbarButton& button) {
    switch (button.command) {
        // The file buttons run the file menu's own items.
        case C::New:
            files_.item(FileItem::New)->trigger();
            break;
        case C::Open:
            files_.item(FileItem::Open)->trigger();
            break;
        case C::Save:
            files_.item(FileItem::Save)->trigger();
            break;
        case C::Export:
            files_.item(FileItem::Export)->trigger();
            break;
        case C::Print:
            files_.item(FileItem::Print)->trigger();
            break;
        case C::Undo:
            undoLast();
            break;
        case C::Partition:
            // An undo step even when the partition is already this one.
            session_.show(
                ChoosePartition(session_.ws(), session_.r(), button.partition, UndoStep::Take));
            break;
        case C::Help:
            help_.open(HelpContext::Contents);
            break;
        case C::None:
            break;
    }
}

void ToolbarInput::undoLast() {
    tool_.end();
    session_.show(UndoLastEdit(session_.ws(), session_.r()));
}

void ToolbarInput::setFrameColours(QColor light, QColor dark) {
    top_ = left_ = light;
    right_ = down_ = dark;
    paintFrame();
}

void ToolbarInput::swapColours() {
    down_ = top_;
    top_ = right_;
    right_ = down_;
    left_ = top_;
    paintFrame();
}

void ToolbarInput::placeFrame() {
    // Top on row 3 from x to x + 23, left from row 4 to 24, right from row 3
    // to its lower end, bottom one pixel longer than the top.
    panel_.topFrameLine()->setGeometry(frameX_, 3, 24, 1);
    panel_.leftFrameLine()->setGeometry(frameX_, 4, 1, 21);
    panel_.rightFrameLine()->setGeometry(frameX_ + 23, 3, 1, rightBottom_ - 3 + 1);
    panel_.bottomFrameLine()->setGeometry(frameX_, bottomRow_, 25, 1);
}

void ToolbarInput::paintFrame() {
    setBackgroundColour(panel_.topFrameLine(), top_);
    setBackgroundColour(panel_.leftFrameLine(), left_);
    setBackgroundColour(panel_.rightFrameLine(), right_);
    setBackgroundColour(panel_.bottomFrameLine(), down_);
}

}  // namespace tess
