#include "editor/toolbar_panel.h"

#include <QFrame>

#include "actions/redraw_result.h"
#include "editor/document_session.h"
#include "editor/window_layout.h"
#include "widgets/controls.h"
#include "widgets/picture_box.h"
#include "widgets/ui_pictures.h"

namespace tess {

ToolbarPanel::ToolbarPanel(QWidget& window, const DocumentSession& session) : QObject(&window) {
    toolbar_ = makePictureBox(&window, "toolbar", layout::kToolbar);
    toolbar_->setPicture(toolbarImage());
    partitionMarker_ = makeFrame(toolbar_, "partitionMarker", QColor(255, 0, 0), 1);
    partitionMarker_->setGeometry(0, 4, 23, 20);
    topFrameLine_ = makeLine(toolbar_, "topFrameLine", Qt::white);
    leftFrameLine_ = makeLine(toolbar_, "leftFrameLine", Qt::white);
    rightFrameLine_ = makeLine(toolbar_, "rightFrameLine", Qt::black);
    bottomFrameLine_ = makeLine(toolbar_, "bottomFrameLine", Qt::black);
    topFrameLine_->setGeometry(0, 3, 24, 1);
    leftFrameLine_->setGeometry(0, 4, 1, 21);
    rightFrameLine_->setGeometry(23, 3, 1, 22);
    bottomFrameLine_->setGeometry(0, 24, 25, 1);
    connect(&session, &DocumentSession::redrawn, this, &ToolbarPanel::applyRedraw);
}

void ToolbarPanel::applyRedraw(const RedrawResult& result) {
    partitionMarker_->move(result.partitionMarkerX, partitionMarker_->y());
    partitionMarker_->show();
}

void ToolbarPanel::hideButtonFrame() {
    for (QFrame* line : {topFrameLine_, leftFrameLine_, rightFrameLine_, bottomFrameLine_})
        line->hide();
}

}  // namespace tess
