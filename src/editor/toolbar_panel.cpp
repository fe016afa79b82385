#include "editor/toolbar_panel.h"

#include <QFrame>

#include "actions/redraw_result.h"
#include "editor/toolbar_input.h"
#include "editor/window_layout.h"
#include "platform/colour.h"
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
    partitionMarker->move(result.partitionMarkerX, partitionMarker->y());
    partitionMarker->show();
    if (input) {
        input->setFrameColours(colourOf(result.frameLight), colourOf(result.frameDark));
        return;
    }
    setBackgroundColour(topFrameLine, colourOf(result.frameLight));
    setBackgroundColour(leftFrameLine, colourOf(result.frameLight));
    setBackgroundColour(rightFrameLine, colourOf(result.frameDark));
    setBackgroundColour(bottomFrameLine, colourOf(result.frameDark));
}

void ToolbarPanel::hideButtonFrame() {
    for (QFrame* line : {topFrameLine, leftFrameLine, rightFrameLine, bottomFrameLine})
        line->hide();
}

}  // namespace tess
