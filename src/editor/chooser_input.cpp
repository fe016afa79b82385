#include "editor/chooser_input.h"

#include <QHelpEvent>

#include "actions/field_edits.h"
#include "actions/piece_commands.h"
#include "editor/document_session.h"
#include "editor/piece_options.h"
#include "widgets/picture_box.h"

namespace tess {

namespace {

// Rows: Y < 21, 21..45, 45 < Y <= 72, Y > 72; the right column from X 18.
constexpr Long kShapeGrid[4][2] = {
    {kShapeClassique, kShapeFrancais},
    {kShapeAnglais, kShapeEspagnol},
    {kShapeSuisse, kShapeDemoiselle},
    {kShapeEnBanniere, kShapeNone},
};

enum SizeBand { kBandFull = 0, kBandDiminished = 1, kBandFillet = 2 };

// Sets the tooltip from the cell under the pointer whenever one is asked for.
class ChooserTips : public QObject {
  public:
    ChooserTips(QObject* parent, bool shapes) : QObject(parent), shapes_(shapes) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ToolTip) return false;
        const QPoint at = static_cast<QHelpEvent*>(event)->pos();
        static_cast<QWidget*>(watched)->setToolTip(shapes_ ? shapeName(shapeCellAt(at.x(), at.y()))
                                                           : sizeBandName(sizeBandAt(at.y())));
        return false;
    }

  private:
    bool shapes_;
};

}  // namespace

Long shapeCellAt(double x, double y) {
    const int row = y < 21 ? 0 : y <= 45 ? 1 : y <= 72 ? 2 : 3;
    return kShapeGrid[row][x < 18 ? 0 : 1];
}

QString shapeName(Long shape) {
    switch (shape) {
        case kShapeClassique:
            return QStringLiteral("Classique");
        case kShapeAnglais:
            return QStringLiteral("Anglais");
        case kShapeEnBanniere:
            return QStringLiteral("En bannière");
        case kShapeEspagnol:
            return QStringLiteral("Espagnol");
        case kShapeFrancais:
            return QStringLiteral("Français");
        case kShapeDemoiselle:
            return QStringLiteral("Demoiselle");
        case kShapeSuisse:
            return QStringLiteral("Suisse");
        default:
            return QString();
    }
}

int sizeBandAt(double y) {
    return y < 19 ? kBandFull : y <= 38 ? kBandDiminished : kBandFillet;
}

QString sizeBandName(int band) {
    switch (band) {
        case kBandFull:
            return QStringLiteral("Pièce Entière");
        case kBandDiminished:
            return QStringLiteral("Pièce Diminuée");
        default:
            return QStringLiteral("Pièce En filet");
    }
}

ChooserInput::ChooserInput(PieceOptions& options, DocumentSession& session)
    : QObject(&options), session_(session) {
    auto shapes = [this](PictureBox* box, bool inset) {
        box->onMouseMove = [box](int, int, double x, double y) {
            box->setToolTip(shapeName(shapeCellAt(x, y)));
        };
        box->onMouseDown = [this, inset](int, int, double x, double y) {
            chooseShape(inset, x, y);
        };
        box->installEventFilter(new ChooserTips(this, true));
    };
    shapes(options.shapeChooser(), false);
    shapes(options.insetShapeChooser(), true);
    auto sizes = [this](PictureBox* box, int order) {
        box->onMouseMove = [box](int, int, double, double y) {
            box->setToolTip(sizeBandName(sizeBandAt(y)));
        };
        box->onMouseDown = [this, order](int, int, double, double y) { chooseSize(order, y); };
        box->installEventFilter(new ChooserTips(this, false));
    };
    sizes(options.sizeChooser(), 1);
    sizes(options.secondOrderSizeChooser(), 2);
}

void ChooserInput::chooseShape(bool inset, double x, double y) {
    // The empty cell chooses nothing.
    session_.show(ChooseShape(session_.ws(), session_.r(),
                              inset ? ShapeOf::Escutcheon : ShapeOf::Shield, shapeCellAt(x, y)));
}

void ChooserInput::chooseSize(int order, double y) {
    const int band = sizeBandAt(y);
    const PieceSize size = band == kBandFull         ? PieceSize::Entire
                           : band == kBandDiminished ? PieceSize::Diminished
                                                     : PieceSize::Filet;
    session_.show(SetPieceSize(session_.ws(), session_.r(),
                               order == 1 ? PieceOrder::First : PieceOrder::Second, size));
}

}  // namespace tess
