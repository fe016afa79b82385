#include "editor/blazon_panel.h"
#include "widgets/utf8_text.h"

#include <QLabel>
#include <QToolTip>

#include "actions/redraw_result.h"
#include "blazon/tincture_warnings.h"
#include "editor/document_session.h"
#include "editor/window_layout.h"
#include "widgets/controls.h"
#include "widgets/picture_box.h"
#include "widgets/program_font.h"
#include "widgets/ui_pictures.h"

namespace tess {

BlazonPanel::BlazonPanel(QWidget& window, const DocumentSession& session) : QObject(&window) {
    blazonLabel_ = makeCaption(&window, "blazonLabel", QStringLiteral("Blasonnement"),
                               layout::kBlazonLabel, Qt::AlignHCenter | Qt::AlignTop);
    blazonLabel_->setWordWrap(true);
    QFont italic = blazonLabel_->font();
    italic.setItalic(true);
    blazonLabel_->setFont(oneSizeLarger(italic));
    setTextColour(blazonLabel_, Qt::black);

    warningSign_ = makePictureBox(&window, "warningSign", layout::kWarningSign);
    warningSign_->setPicture(warningImage());
    warningSign_->setToolTip(QStringLiteral("Cliquez pour voir l'erreur ou l'avertissement"));
    warningSign_->hide();
    warningSign_->onClick = [this, &session] { showWarnings(TinctureWarningsText(session.ws())); };
    connect(&session, &DocumentSession::redrawn, this, &BlazonPanel::applyRedraw);
}

void BlazonPanel::applyRedraw(const RedrawResult& result) {
    blazonLabel_->setText(fromUtf8(result.blazonText));
    warningSign_->setVisible(result.warningVisible);
    if (result.warningVisible) warningSign_->setToolTip(fromUtf8(result.warningText));
}

void BlazonPanel::showWarnings(const std::string& text) {
    warningSign_->setToolTip(fromUtf8(text));
    QToolTip::showText(warningSign_->mapToGlobal(warningSign_->rect().center()),
                       warningSign_->toolTip(), warningSign_);
}

}  // namespace tess
