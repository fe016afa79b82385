#include "editor/piece_options.h"

#include <QLabel>

#include "actions/redraw_result.h"
#include "editor/document_session.h"
#include "editor/window_layout.h"
#include "widgets/controls.h"
#include "widgets/picture_box.h"
#include "widgets/ui_pictures.h"

namespace tess {

PieceOptions::PieceOptions(QWidget& window, const DocumentSession& session) : QObject(&window) {
    shapeChooser_ = makePictureBox(&window, "shapeChooser", layout::kShapeChooser);
    shapeChooser_->setPicture(shapeChooserImage(1));
    shapeChooser_->setToolTip(QStringLiteral("Classique"));
    insetCaption_ = makeCaption(&window, "insetCaption", QStringLiteral("Écusson"),
                                layout::kInsetCaption, Qt::AlignCenter);
    // The escutcheon's chooser keeps its stored picture: the first cell marked.
    insetShapeChooser_ = makePictureBox(&window, "insetShapeChooser", layout::kInsetShapeChooser);
    insetShapeChooser_->setPicture(shapeChooserImage(1));

    firstOrderCaption_ = makeCaption(&window, "firstOrderCaption", QStringLiteral("1er Ordre"),
                                     layout::kFirstOrderCaption);
    sizeChooser_ = makePictureBox(&window, "sizeChooser", layout::kSizeChooser);
    sizeChooser_->setPicture(sizeChooserImage(1, 0));
    shiftZones_ = makePictureBox(&window, "shiftZones", layout::kShiftZones);
    shiftZones_->setPicture(shiftChooserImage(1));
    secondOrderCaption_ = makeCaption(&window, "secondOrderCaption", QStringLiteral("2nd Ordre"),
                                      layout::kSecondOrderCaption);
    secondOrderSizeChooser_ =
        makePictureBox(&window, "secondOrderSizeChooser", layout::kSecondOrderSizeChooser);
    secondOrderSizeChooser_->setPicture(sizeChooserImage(2, 0));
    for (QWidget* w :
         {static_cast<QWidget*>(firstOrderCaption_), static_cast<QWidget*>(sizeChooser_),
          static_cast<QWidget*>(shiftZones_), static_cast<QWidget*>(secondOrderCaption_),
          static_cast<QWidget*>(secondOrderSizeChooser_)})
        w->hide();
    connect(&session, &DocumentSession::redrawn, this, &PieceOptions::applyRedraw);
}

void PieceOptions::applyRedraw(const RedrawResult& result) {
    const OptionVisibility& o = result.Options;
    sizeChooser_->setVisible(o.sizeChooser);
    secondOrderSizeChooser_->setVisible(o.secondSizeChooser);
    shiftZones_->setVisible(o.shiftChooser);
    firstOrderCaption_->setVisible(o.firstOrderLabel);
    secondOrderCaption_->setVisible(o.secondOrderLabel);

    shapeChooser_->setPicture(shapeChooserImage(result.markedShape));
    sizeChooser_->setPicture(sizeChooserImage(1, result.Marks.size));
    // A piece that cannot be en filet shows two sizes: the chooser is cut short.
    sizeChooser_->resize(sizeChooser_->width(), result.Marks.sizeChooserHeight);
    secondOrderSizeChooser_->setPicture(sizeChooserImage(2, result.Marks.secondSize));
    shiftZones_->setPicture(shiftChooserImage(result.Marks.shift));
}

}  // namespace tess
