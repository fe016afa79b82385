#pragma once

#include <QColor>
#include <QRect>

namespace tess::layout {

// Where the main window's controls sit, in window pixels. The canvas and the
// painted controls keep the sizes their handlers' pixel ranges were made for.
inline constexpr QSize kWindow(720, 488);
// The panel colour the painted controls are drawn on.
inline constexpr QColor kWindowColour(0xD4, 0xD0, 0xC8);
inline constexpr QColor kTitleColour(0x0A, 0x24, 0x6A);
inline constexpr QColor kTabColour(0x80, 0x80, 0x80);

// Title bar.
inline constexpr QRect kTitleLabel(0, 0, 666, 24);
inline constexpr QRect kMinimiseButton(670, 3, 22, 18);
inline constexpr QRect kCloseButton(695, 3, 22, 18);

// Toolbar, centred under the title.
inline constexpr QRect kToolbar(40, 28, 640, 28);

// Left column: tinctures, furs, user furs, warning sign.
inline constexpr QRect kTincturePalette(12, 82, 41, 127);
inline constexpr QRect kFurPalette(7, 220, 50, 85);
inline constexpr int kUserFurLeft = 8;
inline constexpr int kUserFurTop = 314;
inline constexpr int kUserFurStep = 25;
inline constexpr QSize kUserFurSwatch(22, 22);
inline constexpr QRect kWarningSign(36, 428, 24, 24);

// The canvas and what lies under it.
inline constexpr QRect kCanvas(66, 64, 265, 340);
inline constexpr QRect kAlignmentStrip(335, 82, 20, 302);
inline constexpr QRect kCoordinateCaption(66, 406, 130, 16);
inline constexpr QRect kPartCaption(198, 406, 133, 16);
inline constexpr QRect kBlazonLabel(66, 424, 265, 58);

// Choosers beside the canvas.
inline constexpr QRect kShapeChooser(362, 82, 45, 98);
inline constexpr QRect kInsetCaption(356, 190, 60, 16);
inline constexpr QRect kInsetShapeChooser(362, 208, 45, 98);
inline constexpr QRect kFirstOrderCaption(412, 64, 70, 16);
inline constexpr QRect kSizeChooser(414, 82, 28, 63);
inline constexpr QRect kShiftZones(448, 82, 25, 64);
inline constexpr QRect kSecondOrderCaption(412, 160, 70, 16);
inline constexpr QRect kSecondOrderSizeChooser(414, 178, 28, 63);

// The two tabs over the two lists, which share one place.
inline constexpr QRect kPicturesTab(488, 64, 108, 20);
inline constexpr QRect kPiecesTab(600, 64, 108, 20);
inline constexpr QRect kLists(488, 86, 220, 394);

}  // namespace tess::layout
