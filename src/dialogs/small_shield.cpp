#include "dialogs/small_shield.h"

#include <QPainter>

#include "platform/qimage_bridge.h"
#include "resources/pictures.h"

namespace tess {

QImage shieldFigure(int shape, QSize box, QColor fill) {
    // The mask is white inside the shield: it becomes the figure's alpha.
    const QImage mask = toQImage(shieldMaskPicture(shape)).convertToFormat(QImage::Format_RGB32);
    QImage figure(mask.size(), QImage::Format_ARGB32);
    for (int y = 0; y < mask.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        QRgb* out = reinterpret_cast<QRgb*>(figure.scanLine(y));
        for (int x = 0; x < mask.width(); ++x)
            out[x] = qGray(in[x]) > 127 ? fill.rgba() : qRgba(0, 0, 0, 0);
    }
    const QImage scaled = figure.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage result(box, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.drawImage((box.width() - scaled.width()) / 2, (box.height() - scaled.height()) / 2,
                      scaled);
    return result;
}

const QImage& smallShieldPicture() {
    static const QImage picture = [] {
        QImage image(75, 64, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        // Or, a chief azure: the two tinctures of the program's emblem.
        const QSize box(46, 56);
        const QImage gold = shieldFigure(1, box, QColor(255, 204, 0));
        const QImage blue = shieldFigure(1, box, QColor(0, 0, 255));
        const QImage edge = shieldFigure(1, box + QSize(4, 4), QColor(64, 64, 64));
        painter.drawImage(12, 3, edge);
        painter.drawImage(14, 5, gold);
        painter.setClipRect(14, 5, box.width(), box.height() / 3);
        painter.drawImage(14, 5, blue);
        return image;
    }();
    return picture;
}

}  // namespace tess
