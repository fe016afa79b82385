#include "editor/blazon_panel.h"
#include "widgets/utf8_text.h"

#include <QLabel>
#include <QToolTip>

#include "actions/redraw_result.h"
#include "editor/window_layout.h"
#include "widgets/controls.h"
#include "widgets/picture_box.h"
#include "widgets/program_font.h"
#include "widgets/ui_pictures.h"

namespace tess {

BlazonPanel::BlazonPanel(QWidget& window) : QObject(&window) {
    blazonLabel = makeCaption(&window, "blazonLabel", QStringLiteral("Blasonnement"),
                              layout::kBlazonLabel, Qt::AlignHCenter | Qt::AlignTop);
    blazonLabel->setWordWrap(true);
    QFont italic = blazonLabel->font();
    italic.setItalic(true);
    blazonLabel->setFont(oneSizeLarger(italic));
    setTextColour(blazonLabel, Qt::black);

    warningSign = makePictureBox(&window, "warningSign", layout::kWarningSign);
    warningSign->setPicture(warningImage());
    warningSign->setToolTip(QStringLiteral("Cliquez pour voir l'erreur ou l'avertissement"));
    warningSign->hide();
}

void BlazonPanel::applyRedraw(const RedrawResult& result) {
    blazonLabel->setText(fromUtf8(result.blazonText));
    warningSign->setVisible(result.warningVisible);
    if (result.warningVisible) warningSign->setToolTip(fromUtf8(result.warningText));
}

void BlazonPanel::showWarnings(const std::string& text) {
    warningSign->setToolTip(fromUtf8(text));
    QToolTip::showText(warningSign->mapToGlobal(warningSign->rect().center()),
                       warningSign->toolTip(), warningSign);
}

}  // namespace tess
