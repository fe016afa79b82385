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
    Picture1->setPicture(toQImage(r_.Picture1));

    const RedrawMenus& m = result.Menus;
    applyItem(menus.mnuGrid, m.mnuGrid);
    applyItem(menus.mnuFilet, m.mnuFilet);
    applyItem(menus.mnuOrdre1Rab, m.mnuOrdre1Rab);
    applyItem(menus.mnuReduce, m.mnuReduce);
    applyItem(menus.mnuNormal, m.mnuNormal);
    applyItem(menus.mnuReduced2, m.mnuReduced2);
    applyItem(menus.mnuFilet2, m.mnuFilet2);
    applyItem(menus.mnuFull2, m.mnuFull2);
    applyItem(menus.mnuRabPart, m.mnuRabPart);

    const OptionVisibility& o = result.Options;
    ReducedPic->setVisible(o.ReducedPic);
    ReducedPic2->setVisible(o.ReducedPic2);
    DeportPic->setVisible(o.DeportPic);
    Label5->setVisible(o.Label5);
    LblOrdre2->setVisible(o.LblOrdre2);

    SelShape->move(result.SelShapeLeft, SelShape->y());
    SelShape->show();
    Picture2->setPicture(shapeChooserImage(result.MarkedShape));
    ReducedPic->setPicture(sizeChooserImage(1, result.Marks.ReducedPic));
    ReducedPic->resize(ReducedPic->width(), result.Marks.ReducedPicHeight);
    ReducedPic2->setPicture(sizeChooserImage(2, result.Marks.ReducedPic2));
    DeportPic->setPicture(shiftChooserImage(result.Marks.DeportPic));

    paintLine(TopLine, result.FrameLight);
    paintLine(LeftLine, result.FrameLight);
    paintLine(RightLine, result.FrameDark);
    paintLine(DownLine, result.FrameDark);

    WarnLabel->setText(
        QString::fromUtf8(result.BlazonText.data(), qsizetype(result.BlazonText.size())));
    WarnPic->setVisible(result.WarnPicVisible);
    if (result.WarnPicVisible)
        WarnPic->setToolTip(
            QString::fromUtf8(result.WarningText.data(), qsizetype(result.WarningText.size())));
}

}  // namespace tess
