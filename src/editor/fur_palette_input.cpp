#include "editor/fur_palette_input.h"
#include "widgets/utf8_text.h"

#include <QApplication>
#include <QDrag>
#include <QHelpEvent>

#include "editor/document_session.h"
#include "editor/fur_menu.h"
#include "editor/palettes.h"
#include "model/workspace.h"
#include "platform/paths.h"
#include "widgets/drag_payloads.h"
#include "widgets/picture_box.h"

namespace tess {

namespace {

// Rows Y < 21, 21..35, 35 < Y <= 60, Y > 60; the left column ends at X 18
// inclusive.
constexpr Long kFurGrid[4][2] = {
    {kVair, kContreVair},
    {kVairEnPal, kHermine},
    {kContreHermine, kContreHermineOrSable},
    {kContreHermineArgentAzur, kContreHermineOrSinople},
};

const std::string& slotPath(const DocumentSession& session, int slot) {
    return session.ws().CurrentBlazon.UserFurs[std::size_t(slot)].Path;
}

// Names the fur under the pointer whenever a tooltip is asked for.
class FurTips : public QObject {
  public:
    FurTips(QObject* parent, std::function<QString(QPoint)> name)
        : QObject(parent), name_(std::move(name)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ToolTip)
            static_cast<QWidget*>(watched)->setToolTip(
                name_(static_cast<QHelpEvent*>(event)->pos()));
        return false;
    }

  private:
    std::function<QString(QPoint)> name_;
};

}  // namespace

Long furCellAt(double x, double y) {
    const int row = y < 21 ? 0 : y <= 35 ? 1 : y <= 60 ? 2 : 3;
    return kFurGrid[row][x <= 18 ? 0 : 1];
}

QString furName(Long code) {
    switch (code) {
        case kVair:
            return QStringLiteral("Vair");
        case kContreVair:
            return QStringLiteral("Contre-Vair");
        case kVairEnPal:
            return QStringLiteral("Vair en Pal");
        case kHermine:
            return QStringLiteral("Hermine");
        case kContreHermine:
            return QStringLiteral("Contre-Hermine");
        case kContreHermineOrSable:
            return QStringLiteral("Contre-Herminé d'Or et de Sable");
        case kContreHermineArgentAzur:
            return QStringLiteral("Contre-Herminé d'Argent et d'Azur");
        case kContreHermineOrSinople:
            return QStringLiteral("Contre-Herminé d'Or et de Sinople");
        default:
            return QString();
    }
}

QString userFurTooltip(const std::string& path) {
    const QString name = fromUtf8(FileNameOfPath(path));
    if (name.endsWith(QStringLiteral(".fmp"), Qt::CaseInsensitive)) return name.chopped(4);
    return name;
}

FurPaletteInput::FurPaletteInput(FurPalettePanel& panel, FurMenu& menu, DocumentSession& session)
    : QObject(panel.furPalette()), panel_(panel), menu_(menu), session_(session) {
    startDrag_ = [this](QMimeData* payload) {
        auto* drag = new QDrag(panel_.furPalette());
        drag->setMimeData(payload);
        drag->exec(Qt::CopyAction);
    };
    PictureBox& palette = *panel_.furPalette();
    palette.onMouseMove = [this](int b, int, double x, double y) { paletteMoved(b, x, y); };
    palette.onMouseDown = [this](int b, int, double x, double y) { palettePressed(b, x, y); };
    palette.onMouseUp = [this](int, int, double, double) { pressedCode_ = 0; };
    palette.installEventFilter(
        new FurTips(this, [](QPoint at) { return furName(furCellAt(at.x(), at.y())); }));
    for (int s = 0; s < FurPalettePanel::kUserFurSlots; ++s) {
        PictureBox& swatch = *panel_.userFurSwatches()[std::size_t(s)];
        swatch.onMouseMove = [this, s](int b, int, double x, double y) { swatchMoved(s, b, x, y); };
        swatch.onMouseDown = [this, s](int b, int, double x, double y) {
            swatchPressed(s, b, x, y);
        };
        swatch.onMouseUp = [this](int, int, double, double) { pressedCode_ = 0; };
        swatch.onDoubleClick = [this, s] { swatchDoubleClicked(s); };
        swatch.installEventFilter(
            new FurTips(this, [this, s](QPoint) { return userFurTooltip(slotPath(session_, s)); }));
    }
}

void FurPaletteInput::setDragStarter(std::function<void(QMimeData*)> startDrag) {
    startDrag_ = std::move(startDrag);
}

void FurPaletteInput::paletteMoved(int buttons, double x, double y) {
    const int code = furCellAt(x, y);
    panel_.furPalette()->setToolTip(furName(code));
    panel_.furPalette()->Tag = QString::number(code);
    dragIfFar(buttons, x, y);
}

void FurPaletteInput::palettePressed(int button, double x, double y) {
    menu_.paletteTouched();
    if (button == 2) {
        menu_.popupForPalette(panel_.furPalette()->mapToGlobal(QPointF(x, y).toPoint()));
        return;
    }
    armDrag(button, x, y, int(furCellAt(x, y)));
}

void FurPaletteInput::swatchMoved(int slot, int buttons, double x, double y) {
    PictureBox& swatch = *panel_.userFurSwatches()[std::size_t(slot)];
    swatch.setToolTip(userFurTooltip(slotPath(session_, slot)));
    swatch.Tag = QString::number(int(kFirstUserFur) + slot);
    dragIfFar(buttons, x, y);
}

void FurPaletteInput::swatchPressed(int slot, int button, double x, double y) {
    if (button != 2) {
        armDrag(button, x, y, int(kFirstUserFur) + slot);
        return;
    }
    PictureBox& swatch = *panel_.userFurSwatches()[std::size_t(slot)];
    menu_.popupForSlot(slot, swatch.mapToGlobal(QPointF(x, y).toPoint()));
}

void FurPaletteInput::swatchDoubleClicked(int slot) {
    menu_.editFromSwatch(slot);
}

void FurPaletteInput::armDrag(int button, double x, double y, int code) {
    if (button != 1) return;
    pressAt_ = QPointF(x, y);
    pressedCode_ = code;
}

void FurPaletteInput::dragIfFar(int buttons, double x, double y) {
    // The drag carries the fur the press was on, once the pointer has moved
    // far enough for the platform to call it a drag.
    if (!(buttons & 1) || pressedCode_ == 0) return;
    if ((QPointF(x, y) - pressAt_).manhattanLength() < QApplication::startDragDistance()) return;
    const int dragged = pressedCode_;
    pressedCode_ = 0;
    startDrag_(makeFurDrag(dragged));
}

}  // namespace tess
