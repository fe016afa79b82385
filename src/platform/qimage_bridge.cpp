#include "platform/qimage_bridge.h"

#include <cstring>

#include "platform/pixels4.h"

namespace tess {

QImage toQImage(const Surface& surface) {
    const int w = surface.width(), h = surface.height();
    QImage image(w, h, QImage::Format_RGB32);
    // qRgb(red, green, blue) with the bits alone: red and blue change places,
    // four pixels a step (the shield's image is converted at every redraw the
    // window shows).
    auto convert = [](auto c) {
        return 0xFF000000u | (c & 0xFFu) << 16 | (c & 0xFF00u) | (c >> 16 & 0xFFu);
    };
    for (int y = 0; y < h; ++y) {
        const Colour* in = surface.row(y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        int x = 0;
        for (; x + 4 <= w; x += 4) {
            const Pixels4 v = convert(load4(in + x));
            std::memcpy(out + x, &v, sizeof v);
        }
        for (; x < w; ++x) out[x] = convert(in[x]);
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
