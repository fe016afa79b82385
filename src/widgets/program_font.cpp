#include "widgets/program_font.h"

namespace tess {

QFont programFont() {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

QFont smallProgramFont() {
    QFont font = programFont();
    font.setPixelSize(10);
    return font;
}

QFont oneSizeLarger(QFont font) {
    // A point is 4/3 of a pixel on the usual screen: one pixel more is the
    // nearest step for a pixel-sized font.
    if (font.pixelSize() > 0)
        font.setPixelSize(font.pixelSize() + 1);
    else
        font.setPointSizeF(font.pointSizeF() + 1);
    return font;
}

}  // namespace tess
