#include "editor/piece_options.h"

#include <QLabel>

#include "actions/redraw_result.h"
#include "editor/window_layout.h"
#include "widgets/controls.h"
#include "widgets/picture_box.h"
#include "widgets/ui_pictures.h"

namespace tess {

PieceOptions::PieceOptions(QWidget& window) : QObject(&window) {
    shapeChooser = makePictureBox(&window, "shapeChooser", layout::kShapeChooser);
    shapeChooser->setPicture(shapeChooserImage(1));
    shapeChooser->setToolTip(QStringLiteral("Classique"));
    insetCaption = makeCaption(&window, "insetCaption", QStringLiteral("Écusson"),
                               layout::kInsetCaption, Qt::AlignCenter);
    // The escutcheon's chooser keeps its stored picture: the first cell marked.
    insetShapeChooser = makePictureBox(&window, "insetShapeChooser", layout::kInsetShapeChooser);
    insetShapeChooser->setPicture(shapeChooserImage(1));

    firstOrderCaption = makeCaption(&window, "firstOrderCaption", QStringLiteral("1er Ordre"),
                                    layout::kFirstOrderCaption);
    sizeChooser = makePictureBox(&window, "sizeChooser", layout::kSizeChooser);
    sizeChooser->setPicture(sizeChooserImage(1, 0));
    shiftZones = makePictureBox(&window, "shiftZones", layout::kShiftZones);
    shiftZones->setPicture(shiftChooserImage(1));
    secondOrderCaption = makeCaption(&window, "secondOrderCaption", QStringLiteral("2nd Ordre"),
                                     layout::kSecondOrderCaption);
    secondOrderSizeChooser =
        makePictureBox(&window, "secondOrderSizeChooser", layout::kSecondOrderSizeChooser);
    secondOrderSizeChooser->setPicture(sizeChooserImage(2, 0));
    for (QWidget* w : {static_cast<QWidget*>(firstOrderCaption), static_cast<QWidget*>(sizeChooser),
                       static_cast<QWidget*>(shiftZones), static_cast<QWidget*>(secondOrderCaption),
                       static_cast<QWidget*>(secondOrderSizeChooser)})
        w->hide();
}

void PieceOptions::applyRedraw(const RedrawResult& result) {
    const OptionVisibility& o = result.Options;
    sizeChooser->setVisible(o.sizeChooser);
    secondOrderSizeChooser->setVisible(o.secondSizeChooser);
    shiftZones->setVisible(o.shiftChooser);
    firstOrderCaption->setVisible(o.firstOrderLabel);
    secondOrderCaption->setVisible(o.secondOrderLabel);

    shapeChooser->setPicture(shapeChooserImage(result.markedShape));
    sizeChooser->setPicture(sizeChooserImage(1, result.Marks.size));
    // A piece that cannot be en filet shows two sizes: the chooser is cut short.
    sizeChooser->resize(sizeChooser->width(), result.Marks.sizeChooserHeight);
    secondOrderSizeChooser->setPicture(sizeChooserImage(2, result.Marks.secondSize));
    shiftZones->setPicture(shiftChooserImage(result.Marks.shift));
}

}  // namespace tess
