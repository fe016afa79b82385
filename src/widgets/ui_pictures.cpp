#include "widgets/ui_pictures.h"

#include <array>

#include <QFile>
#include <QPixmap>

#include "platform/brush.h"
#include "platform/picture_file.h"
#include "platform/qimage_bridge.h"
#include "resources/window_pictures.h"

namespace tess {

namespace {

// Floods the closed cell round (x, y) with `colour`; a point on a black
// border paints nothing.
void paintCell(Surface& s, int x, int y, Colour colour) {
    if (s.pixel(x, y) == kBlack || s.pixel(x, y) == kNoColour) return;
    s.floodBorder(x, y, kBlack, Brush::solid(colour));
}

}  // namespace

QImage toolbarImage() {
    return toQImage(toolbarPicture());
}
QImage furPaletteImage() {
    return toQImage(furPalettePicture());
}
QImage alignmentStripImage() {
    return toQImage(alignmentStripPicture());
}
QImage warningImage() {
    return toQImage(warningPicture());
}
QImage pieceIconImage(int type) {
    return toQImage(honourablePieceIcon(type));
}
std::vector<QImage> introFrameImages() {
    std::vector<QImage> images;
    for (const Surface& frame : introFrames()) images.push_back(toQImage(frame));
    return images;
}

QIcon programIconImage() {
    // The panel colour round the shield is the icon's transparent ground.
    QImage image = toQImage(programIcon()).convertToFormat(QImage::Format_ARGB32);
    const QRgb panel = qRgb(redOf(kPanelColour), greenOf(kPanelColour), blueOf(kPanelColour));
    for (int y = 0; y < image.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((row[x] & 0xFFFFFF) == (panel & 0xFFFFFF)) row[x] = 0;
    }
    return QIcon(QPixmap::fromImage(image));
}

QImage tincturePaletteImage(const TinctureTable& tinctures) {
    // The swatch points: odd tinctures in the left column, even ones in the
    // right, two to a row, the eleventh alone on the last row.
    constexpr std::array<int, 6> kRowY = {12, 36, 55, 73, 92, 110};
    Surface s = tincturePalettePicture();
    for (int k = 1; k <= kTinctureCount; ++k) {
        const int x = k % 2 == 1 ? 10 : 32;
        const int y = kRowY[std::size_t((k - 1) / 2)];
        // A black tincture fills its swatch black; the copy is fresh each time.
        s.floodBorder(x, y, kBlack, Brush::solid(Colour(tinctures[std::size_t(k)].Colour)));
    }
    return toQImage(s);
}

QImage shapeChooserImage(int marked) {
    // The cells' middles: left column 1, 2, 7, 3 from the top; right 5, 4, 6.
    struct Cell {
        int shape, x, y;
    };
    constexpr std::array<Cell, 7> kCells = {
        {{1, 9, 11}, {2, 9, 33}, {7, 9, 59}, {3, 9, 86}, {5, 28, 11}, {4, 28, 33}, {6, 28, 59}}};
    Surface s = shapeChooserPicture();
    for (const Cell& c : kCells) paintCell(s, c.x, c.y, c.shape == marked ? 0x00FFFFu : 0x000080u);
    return toQImage(s);
}

QImage sizeChooserImage(int order, int marked) {
    // Each shield's pale runs down column 10, from its top + 3.
    constexpr std::array<int, 3> kPaleY = {9, 28, 48};
    const Colour plain = order == 2 ? kOptionMark2Plain : kOptionMarkPlain;
    const Colour chosen = order == 2 ? kOptionMark2Chosen : kOptionMarkChosen;
    Surface s = sizeChooserPicture(order);
    for (int i = 0; i < 3; ++i)
        paintCell(s, 10, kPaleY[std::size_t(i)], i == marked ? chosen : plain);
    return toQImage(s);
}

QImage shiftChooserImage(int marked) {
    // The crosses' centres: up and to the dexter, the middle, down and to the sinister.
    constexpr std::array<std::array<int, 2>, 3> kCross = {{{6, 5}, {9, 27}, {12, 50}}};
    Surface s = shiftChooserPicture();
    for (int i = 0; i < 3; ++i)
        paintCell(s, kCross[std::size_t(i)][0], kCross[std::size_t(i)][1],
                  i == marked ? kOptionMarkChosen : kOptionMarkPlain);
    return toQImage(s);
}

QImage pictureFileImage(const QString& path) {
    const auto picture = loadPicture(QFile::encodeName(path).toStdString());
    return picture ? toQImage(*picture) : QImage();
}

}  // namespace tess
