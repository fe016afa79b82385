#include "editor/toolbar_panel.h"

#include <QFrame>

#include "editor/window_layout.h"
#include "platform/colour.h"
#include "render/redraw_result.h"
#include "widgets/controls.h"
#include "widgets/picture_box.h"
#include "widgets/ui_pictures.h"

namespace tess {

namespace {

QColor colourOf(Colour c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

}  // namespace

ToolbarPanel::ToolbarPanel(QWidget& window) : QObject(&window) {
    toolbar = makePictureBox(&window, "toolbar", layout::kToolbar);
    toolbar->setPicture(toolbarImage());
    partitionMarker = makeFrame(toolbar, "partitionMarker", QColor(255, 0, 0), 1);
    partitionMarker->setGeometry(0, 4, 23, 20);
    topFrameLine = makeLine(toolbar, "topFrameLine", Qt::white);
    leftFrameLine = makeLine(toolbar, "leftFrameLine", Qt::white);
    rightFrameLine = makeLine(toolbar, "rightFrameLine", Qt::black);
    bottomFrameLine = makeLine(toolbar, "bottomFrameLine", Qt::black);
    topFrameLine->setGeometry(0, 3, 24, 1);
    leftFrameLine->setGeometry(0, 4, 1, 21);
    rightFrameLine->setGeometry(23, 3, 1, 22);
    bottomFrameLine->setGeometry(0, 24, 25, 1);
}

void ToolbarPanel::applyRedraw(const RedrawResult& result) {
    partitionMarker->move(result.SelShapeLeft, partitionMarker->y());
    partitionMarker->show();
    setBackgroundColour(topFrameLine, colourOf(result.FrameLight));
    setBackgroundColour(leftFrameLine, colourOf(result.FrameLight));
    setBackgroundColour(rightFrameLine, colourOf(result.FrameDark));
    setBackgroundColour(bottomFrameLine, colourOf(result.FrameDark));
}

void ToolbarPanel::hideButtonFrame() {
    for (QFrame* line : {topFrameLine, leftFrameLine, rightFrameLine, bottomFrameLine})
        line->hide();
}

}  // namespace tess
