#pragma once

#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace tess::testing {

// Writes a picture as PNG into $TESSALINE_DUMP_PICTURES when that folder is
// set, so the drawn pictures can be looked at; does nothing otherwise.
inline void dumpPicture(const Surface& s, const std::string& name, int zoom = 1) {
    const char* folder = std::getenv("TESSALINE_DUMP_PICTURES");
    if (!folder || !*folder) return;
    QImage image(s.width() * zoom, s.height() * zoom, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const Colour c = s.pixel(x / zoom, y / zoom);
            image.setPixel(x, y, qRgb(redOf(c), greenOf(c), blueOf(c)));
        }
    image.save(QString::fromStdString(std::string(folder) + "/" + name + ".png"));
}

// Several pictures side by side on a light grey sheet, for one look at a family.
inline void dumpMontage(const std::vector<const Surface*>& pictures, const std::string& name,
                        int zoom = 1) {
    int width = 4, height = 0;
    for (const Surface* s : pictures) {
        width += s->width() + 4;
        height = std::max(height, s->height());
    }
    Surface sheet(width, height + 8, 0xA0A0A0u);
    int left = 4;
    for (const Surface* s : pictures) {
        for (int y = 0; y < s->height(); ++y)
            for (int x = 0; x < s->width(); ++x) sheet.row(y + 4)[left + x] = s->row(y)[x];
        left += s->width() + 4;
    }
    dumpPicture(sheet, name, zoom);
}

}  // namespace tess::testing
