// Showing what a redraw returned. The window computes none of it.
#include <QAction>
#include <QFrame>
#include <QLabel>

#include "editor/form1.h"
#include "editor/picture_box.h"
#include "editor/ui_pictures.h"
#include "platform/qimage_bridge.h"
#include "render/renderer.h"

namespace tess {

namespace {

void applyItem(QAction* action, const MenuItemState& state) {
    action->setEnabled(state.Enabled);
    action->setChecked(state.Checked);
}

QColor colourOf(Colour c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

void paintLine(QFrame* line, Colour c) {
    QPalette p = line->palette();
    p.setColor(QPalette::Window, colourOf(c));
    line->setPalette(p);
}

}  // namespace

void Form1::applyRedraw(const RedrawResult& result) {
    Picture1->setPicture(toQImage(r_.canvas));

    const RedrawMenus& m = result.Menus;
    applyItem(menus.mnuGrid, m.grid);
    applyItem(menus.mnuFilet, m.firstOrderNarrow);
    applyItem(menus.mnuOrdre1Rab, m.firstOrderLines);
    applyItem(menus.mnuReduce, m.firstOrderDiminished);
    applyItem(menus.mnuNormal, m.firstOrderFull);
    applyItem(menus.mnuReduced2, m.secondOrderDiminished);
    applyItem(menus.mnuFilet2, m.secondOrderNarrow);
    applyItem(menus.mnuFull2, m.secondOrderFull);
    applyItem(menus.mnuRabPart, m.partitionLines);

    const OptionVisibility& o = result.Options;
    ReducedPic->setVisible(o.sizeChooser);
    ReducedPic2->setVisible(o.secondSizeChooser);
    DeportPic->setVisible(o.shiftChooser);
    Label5->setVisible(o.firstOrderLabel);
    LblOrdre2->setVisible(o.secondOrderLabel);

    SelShape->move(result.partitionMarkerX, SelShape->y());
    SelShape->show();
    Picture2->setPicture(shapeChooserImage(result.markedShape));
    ReducedPic->setPicture(sizeChooserImage(1, result.Marks.size));
    ReducedPic->resize(ReducedPic->width(), result.Marks.sizeChooserHeight);
    ReducedPic2->setPicture(sizeChooserImage(2, result.Marks.secondSize));
    DeportPic->setPicture(shiftChooserImage(result.Marks.shift));

    paintLine(TopLine, result.frameLight);
    paintLine(LeftLine, result.frameLight);
    paintLine(RightLine, result.frameDark);
    paintLine(DownLine, result.frameDark);

    WarnLabel->setText(
        QString::fromUtf8(result.blazonText.data(), qsizetype(result.blazonText.size())));
    WarnPic->setVisible(result.warningVisible);
    if (result.warningVisible)
        WarnPic->setToolTip(
            QString::fromUtf8(result.warningText.data(), qsizetype(result.warningText.size())));
}

}  // namespace tess
