#include "platform/qimage_bridge.h"

namespace tess {

QImage toQImage(const Surface& surface) {
    QImage image(surface.width(), surface.height(), QImage::Format_RGB32);
    for (int y = 0; y < surface.height(); ++y) {
        const Colour* in = surface.row(y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < surface.width(); ++x)
            out[x] = qRgb(redOf(in[x]), greenOf(in[x]), blueOf(in[x]));
    }
    return image;
}

Surface fromQImage(const QImage& image, Colour background) {
    if (image.isNull()) return Surface();
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    Surface surface(argb.width(), argb.height(), background);
    const int br = redOf(background), bg = greenOf(background), bb = blueOf(background);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        Colour* out = surface.row(y);
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb p = in[x];
            const int a = qAlpha(p);
            if (a == 255) {
                out[x] = rgb(qRed(p), qGreen(p), qBlue(p));
            } else {  // see-through pixels show the background
                auto mix = [a](int c, int under) {
                    return (c * a + under * (255 - a) + 127) / 255;
                };
                out[x] = rgb(mix(qRed(p), br), mix(qGreen(p), bg), mix(qBlue(p), bb));
            }
        }
    }
    return surface;
}

}  // namespace tess
