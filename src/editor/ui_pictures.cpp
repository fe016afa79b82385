#include "editor/ui_pictures.h"

#include <array>

#include <QPainter>
#include <QPainterPath>

#include "dialogs/small_shield.h"
#include "platform/qimage_bridge.h"
#include "resources/pictures.h"

namespace tess {

namespace {

// Colours as the window design writes them (0x00BBGGRR).
QColor bgr(unsigned value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

QImage blankImage(QSize size, QColor fill) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

// ---- toolbar ----

struct Face {
    int first, last;
};
constexpr std::array<Face, 23> kFaces = {
    {{15, 36},   {38, 60},   {62, 84},   {86, 108},  {110, 132}, {143, 164}, {182, 203}, {205, 227},
     {229, 251}, {253, 275}, {277, 299}, {301, 323}, {325, 347}, {349, 371}, {373, 395}, {397, 419},
     {421, 443}, {454, 475}, {477, 499}, {501, 523}, {525, 547}, {549, 571}, {582, 603}}};
constexpr std::array<Face, 5> kGroupEdges = {
    {{14, 133}, {142, 165}, {181, 444}, {453, 572}, {581, 604}}};
constexpr std::array<int, 16> kPartitionOfFace = {9,  10, 11, 12, 13, 14, 15, 16,
                                                  17, 18, 19, 21, 22, 23, 24, 25};

// A partition drawn on a small field: the lines that divide it.
void drawPartitionIcon(QPainter& p, const QRect& f, int code) {
    p.fillRect(f, QColor(255, 255, 255));
    p.setPen(QPen(Qt::black, 1));
    const int l = f.left(), r = f.right(), t = f.top(), b = f.bottom();
    const int cx = (l + r) / 2, cy = (t + b) / 2;
    const int w = f.width(), h = f.height();
    auto line = [&](int x1, int y1, int x2, int y2) { p.drawLine(x1, y1, x2, y2); };
    // The first part of each partition in blue, to tell the figures apart.
    QColor blue(40, 60, 200);
    switch (code) {
        case 9:
            p.fillRect(f, blue);
            break;
        case 10:
            p.fillRect(QRect(l, t, w / 2, h), blue);
            line(cx, t, cx, b);
            break;
        case 11:
            p.fillRect(QRect(l, t, w, h / 2), blue);
            line(l, cy, r, cy);
            break;
        case 12: {
            QPolygon tri({QPoint(l, t), QPoint(r, t), QPoint(r, b)});
            p.setBrush(blue);
            p.drawPolygon(tri);
            p.setBrush(Qt::NoBrush);
            break;
        }
        case 13: {
            QPolygon tri({QPoint(l, t), QPoint(r, t), QPoint(l, b)});
            p.setBrush(blue);
            p.drawPolygon(tri);
            p.setBrush(Qt::NoBrush);
            break;
        }
        case 14:
            p.fillRect(QRect(l, t, w / 2, h / 2), blue);
            p.fillRect(QRect(cx + 1, cy + 1, r - cx, b - cy), blue);
            line(cx, t, cx, b);
            line(l, cy, r, cy);
            break;
        case 15: {
            p.setBrush(blue);
            p.drawPolygon(QPolygon({QPoint(l, t), QPoint(r, t), QPoint(cx, cy)}));
            p.drawPolygon(QPolygon({QPoint(l, b), QPoint(r, b), QPoint(cx, cy)}));
            p.setBrush(Qt::NoBrush);
            break;
        }
        case 16:
            p.fillRect(QRect(l, t, w / 3, h), blue);
            line(l + w / 3, t, l + w / 3, b);
            line(l + 2 * w / 3, t, l + 2 * w / 3, b);
            break;
        case 17:
            p.fillRect(QRect(l, t, w, h / 3), blue);
            line(l, t + h / 3, r, t + h / 3);
            line(l, t + 2 * h / 3, r, t + 2 * h / 3);
            break;
        case 18:
            line(l + w / 3, t, r, b - h / 3);
            line(l, t + h / 3, r - w / 3, b);
            break;
        case 19:
            line(r - w / 3, t, l, b - h / 3);
            line(r, t + h / 3, l + w / 3, b);
            break;
        case 21:
            line(l, t, cx, cy);
            line(r, t, cx, cy);
            line(cx, cy, cx, b);
            break;
        case 22:
            p.fillRect(QRect(l, t, w / 2, h), blue);
            line(cx, t, cx, b);
            line(cx, cy, r, cy);
            break;
        case 23:
            p.fillRect(QRect(cx + 1, t, r - cx, h), blue);
            line(cx, t, cx, b);
            line(l, cy, cx, cy);
            break;
        case 24:
            p.fillRect(QRect(l, cy + 1, w, b - cy), blue);
            line(l, cy, r, cy);
            line(cx, t, cx, cy);
            break;
        case 25:
            p.fillRect(QRect(l, t, w, h / 2), blue);
            line(l, cy, r, cy);
            line(cx, cy, cx, b);
            break;
        default:
            break;
    }
    p.setPen(QPen(QColor(64, 64, 64), 1));
    p.drawRect(f.adjusted(0, 0, -1, -1));
}

void drawFileIcon(QPainter& p, const QRect& f, int button) {
    p.setRenderHint(QPainter::Antialiasing, false);
    const int l = f.left(), t = f.top();
    switch (button) {
        case 0:  // Nouveau: a blank sheet with a folded corner
            p.setPen(Qt::black);
            p.setBrush(Qt::white);
            p.drawPolygon(
                QPolygon({QPoint(l + 4, t + 1), QPoint(l + 11, t + 1), QPoint(l + 14, t + 4),
                          QPoint(l + 14, t + 15), QPoint(l + 4, t + 15)}));
            p.drawLine(l + 11, t + 1, l + 11, t + 4);
            p.drawLine(l + 11, t + 4, l + 14, t + 4);
            break;
        case 1:  // Ouvrir: an open folder
            p.setPen(Qt::black);
            p.setBrush(QColor(230, 200, 90));
            p.drawRect(l + 2, t + 4, 13, 10);
            p.setBrush(QColor(250, 225, 120));
            p.drawPolygon(QPolygon({QPoint(l + 4, t + 8), QPoint(l + 17, t + 8),
                                    QPoint(l + 15, t + 14), QPoint(l + 2, t + 14)}));
            break;
        case 2:  // Sauvegarder: a floppy disk
            p.setPen(Qt::black);
            p.setBrush(QColor(40, 60, 140));
            p.drawRect(l + 2, t + 1, 14, 14);
            p.setBrush(Qt::white);
            p.drawRect(l + 5, t + 1, 8, 5);
            p.setBrush(QColor(200, 200, 200));
            p.drawRect(l + 4, t + 9, 10, 6);
            break;
        case 3:  // Exporter: a small picture
            p.setPen(Qt::black);
            p.setBrush(QColor(150, 200, 255));
            p.drawRect(l + 1, t + 2, 16, 12);
            p.setBrush(QColor(40, 140, 40));
            p.drawPolygon(
                QPolygon({QPoint(l + 2, t + 14), QPoint(l + 8, t + 7), QPoint(l + 12, t + 11),
                          QPoint(l + 14, t + 9), QPoint(l + 17, t + 14)}));
            break;
        case 4:  // Imprimer: a printer
            p.setPen(Qt::black);
            p.setBrush(Qt::white);
            p.drawRect(l + 5, t + 1, 8, 6);
            p.setBrush(QColor(170, 170, 170));
            p.drawRect(l + 1, t + 7, 16, 6);
            p.setBrush(Qt::white);
            p.drawRect(l + 5, t + 11, 8, 4);
            break;
        case 5: {  // Annuler: an arrow turning back
            p.setRenderHint(QPainter::Antialiasing, true);
            p.setPen(QPen(QColor(20, 20, 140), 2));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRect(l + 4, t + 3, 12, 11), 90 * 16, -200 * 16);
            p.setBrush(QColor(20, 20, 140));
            p.setPen(Qt::NoPen);
            p.drawPolygon(
                QPolygon({QPoint(l + 2, t + 3), QPoint(l + 9, t + 0), QPoint(l + 9, t + 7)}));
            break;
        }
        case 6: {  // Aide
            QFont font(QStringLiteral("Sans"), 11, QFont::Bold);
            p.setFont(font);
            p.setPen(QColor(20, 20, 140));
            p.drawText(f.adjusted(0, -2, 0, 0), Qt::AlignCenter, QStringLiteral("?"));
            break;
        }
        default:
            break;
    }
    p.setBrush(Qt::NoBrush);
}

QImage makeToolbar() {
    QImage image = blankImage(kToolbarSize, bgr(0xC0C0C0));
    QPainter p(&image);
    // The groups' edges on rows 3 and 24.
    p.setPen(bgr(0x808080));
    for (const Face& g : kGroupEdges) {
        p.drawLine(g.first, 3, g.last, 3);
        p.drawLine(g.first, 24, g.last, 24);
        p.drawLine(g.first, 3, g.first, 24);
        p.drawLine(g.last, 3, g.last, 24);
    }
    for (std::size_t i = 0; i < kFaces.size(); ++i) {
        const Face& f = kFaces[i];
        // The separator column between two faces of a group.
        if (i > 0 && kFaces[i - 1].last + 2 == f.first) {
            p.setPen(bgr(0x808080));
            p.drawLine(f.first - 1, 4, f.first - 1, 23);
        }
        const QRect cell(f.first, 4, f.last - f.first + 1, 20);
        if (i < 5) {
            drawFileIcon(p, QRect(cell.left() + 2, cell.top() + 2, 18, 16), int(i));
        } else if (i == 5) {
            drawFileIcon(p, QRect(cell.left() + 2, cell.top() + 2, 18, 16), 5);
        } else if (i < 22) {
            drawPartitionIcon(p, QRect(cell.left() + 4, cell.top() + 2, 15, 16),
                              kPartitionOfFace[i - 6]);
        } else {
            drawFileIcon(p, cell, 6);
        }
    }
    return image;
}

// ---- shape chooser ----

// The cells of the shape grid: left column x < 18, right x >= 18; rows end at
// y 20, 45, 72 and 97.
struct ShapeCell {
    int shape;
    QRect box;
};
constexpr std::array<ShapeCell, 7> kShapeCells = {{{1, {1, 1, 16, 19}},
                                                   {5, {19, 1, 16, 19}},
                                                   {2, {1, 22, 16, 23}},
                                                   {4, {19, 22, 16, 23}},
                                                   {7, {1, 47, 16, 25}},
                                                   {6, {19, 47, 16, 25}},
                                                   {3, {1, 74, 16, 23}}}};

}  // namespace

const QImage& toolbarPicture() {
    static const QImage picture = makeToolbar();
    return picture;
}

QImage shapeChooserPicture(int marked) {
    static const std::array<std::array<QImage, 8>, 2> figures = [] {
        std::array<std::array<QImage, 8>, 2> all;
        for (const ShapeCell& c : kShapeCells) {
            all[0][std::size_t(c.shape)] = shieldFigure(c.shape, c.box.size(), bgr(0x000080));
            all[1][std::size_t(c.shape)] = shieldFigure(c.shape, c.box.size(), bgr(0x00FFFF));
        }
        return all;
    }();
    QImage image = blankImage(kShapeChooserSize, QColor(0x40, 0x40, 0x40));
    QPainter p(&image);
    for (const ShapeCell& c : kShapeCells)
        p.drawImage(c.box.topLeft(), figures[c.shape == marked ? 1 : 0][std::size_t(c.shape)]);
    return image;
}

QImage sizeChooserPicture(QColor colour, QColor markColour, int marked) {
    QImage image = blankImage(kSizeChooserSize, QColor(0x40, 0x40, 0x40));
    QPainter p(&image);
    // Bands: y 0..18 entière, 19..38 diminuée, 39..62 en filet; each shows a
    // fess of its width.
    const std::array<QRect, 3> bars = {QRect(3, 3, 22, 13), QRect(3, 24, 22, 9),
                                       QRect(3, 49, 22, 3)};
    for (int band = 0; band < 3; ++band)
        p.fillRect(bars[std::size_t(band)], band == marked ? markColour : colour);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawLine(0, 19, 27, 19);
    p.drawLine(0, 39, 27, 39);
    return image;
}

const QImage& deportPicture() {
    static const QImage picture = [] {
        QImage image = blankImage(kDeportSize, QColor(0x40, 0x40, 0x40));
        QPainter p(&image);
        const QColor bar = bgr(0x0000FF);
        // Bands: y 0..18 dexter / chief, 20..38 normal, 39..57 sinister / base.
        p.fillRect(QRect(2, 6, 12, 7), bar);
        p.fillRect(QRect(8, 26, 12, 7), bar);
        p.fillRect(QRect(14, 45, 12, 7), bar);
        p.setPen(QColor(0x80, 0x80, 0x80));
        p.drawLine(0, 19, 27, 19);
        p.drawLine(0, 38, 27, 38);
        return image;
    }();
    return picture;
}

const QImage& centeringPicture() {
    static const QImage picture = [] {
        QImage image = blankImage(kCenteringSize, bgr(0xC0C0C0));
        QPainter p(&image);
        p.setPen(Qt::black);
        // Cells 1..7 (y 17..149): where the charge's box goes across the shield.
        const std::array<int, 8> across = {17, 36, 55, 75, 93, 113, 132, 150};
        const std::array<int, 7> markAt = {1, 4, 8, 9, 10, 14, 17};
        for (int c = 0; c < 7; ++c) {
            const int top = across[std::size_t(c)], bottom = across[std::size_t(c) + 1] - 1;
            p.setPen(QColor(0x80, 0x80, 0x80));
            p.drawRect(1, top, 17, bottom - top);
            p.fillRect(QRect(markAt[std::size_t(c)], top + 4, 2, bottom - top - 7), Qt::black);
            p.setPen(QColor(0x80, 0x80, 0x80));
            p.drawLine(9, top + 1, 9, bottom - 1);
        }
        // Cells 8..13 (y 186..300): where it goes down the shield.
        const std::array<int, 7> down = {186, 206, 224, 243, 262, 281, 301};
        for (int c = 0; c < 6; ++c) {
            const int top = down[std::size_t(c)], bottom = down[std::size_t(c) + 1] - 1;
            p.setPen(QColor(0x80, 0x80, 0x80));
            p.drawRect(1, top, 17, bottom - top);
            const int y = top + 2 + (bottom - top - 5) * c / 5;
            p.fillRect(QRect(4, y, 12, 2), Qt::black);
        }
        return image;
    }();
    return picture;
}

QImage tincturePalettePicture(const TinctureTable& tinctures) {
    QImage image = blankImage(kTincturePaletteSize, QColor(0x40, 0x40, 0x40));
    QPainter p(&image);
    // Rows end at y 25, 47, 66, 85, 105 and 126; the left column is x 0..19.
    const std::array<int, 7> rows = {0, 26, 48, 67, 86, 106, 127};
    for (int t = 1; t <= kTinctureCount; ++t) {
        const int row = (t - 1) / 2, column = (t - 1) % 2;
        const QRect cell(column * 20 + 2, rows[std::size_t(row)] + 2, 16,
                         rows[std::size_t(row) + 1] - rows[std::size_t(row)] - 4);
        p.fillRect(cell, bgr(unsigned(tinctures[std::size_t(t)].Colour)));
        p.setPen(Qt::black);
        p.drawRect(cell.adjusted(0, 0, -1, -1));
    }
    return image;
}

const QImage& furPalettePicture() {
    static const QImage picture = [] {
        QImage image = blankImage(kFurPaletteSize, QColor(0x40, 0x40, 0x40));
        QPainter p(&image);
        struct Cell {
            int fur;
            QRect box;
        };
        // Left column x 0..18, right 19..49; rows end at y 20, 35, 60 and 84.
        const std::array<Cell, 8> cells = {{{110, {1, 1, 17, 19}},
                                            {113, {20, 1, 29, 19}},
                                            {115, {1, 22, 17, 13}},
                                            {111, {20, 22, 29, 13}},
                                            {114, {1, 37, 17, 23}},
                                            {112, {20, 37, 29, 23}},
                                            {108, {1, 62, 17, 22}},
                                            {109, {20, 62, 29, 22}}}};
        for (const Cell& c : cells) {
            // A quarter-size sample of the fur's middle.
            const QImage fur = toQImage(furPicture(c.fur));
            const QImage sample =
                fur.copy(QRect(fur.width() / 2 - c.box.width() * 2,
                               fur.height() / 2 - c.box.height() * 2, c.box.width() * 4,
                               c.box.height() * 4))
                    .scaled(c.box.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            p.drawImage(c.box.topLeft(), sample);
        }
        return image;
    }();
    return picture;
}

const QImage& warningIconPicture() {
    static const QImage picture = [] {
        QImage image(kWarningIconSize, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(QColor(255, 215, 0));
        p.drawPolygon(QPolygonF({QPointF(12, 1.5), QPointF(22.5, 21.5), QPointF(1.5, 21.5)}));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawRect(QRectF(11, 7.5, 2.2, 8));
        p.drawEllipse(QRectF(10.9, 17, 2.4, 2.4));
        return image;
    }();
    return picture;
}

QImage pieceIcon(int icon) {
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    const QRect field(1, 0, 14, 16);
    p.fillRect(field, QColor(40, 60, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 204, 0));
    switch (icon) {
        case 1:
            p.drawPolygon(QPolygon({QPoint(1, 0), QPoint(5, 0), QPoint(15, 12), QPoint(15, 16),
                                    QPoint(11, 16), QPoint(1, 4)}));
            break;  // bande
        case 2:
            p.drawPolygon(QPolygon({QPoint(15, 0), QPoint(11, 0), QPoint(1, 12), QPoint(1, 16),
                                    QPoint(5, 16), QPoint(15, 4)}));
            break;  // barre
        case 3:
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(255, 204, 0), 2));
            p.drawRect(4, 3, 8, 10);
            break;  // orle
        case 4:
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(255, 204, 0), 3));
            p.drawRect(2, 1, 12, 14);
            break;  // bordure
        case 5:
            p.drawRect(1, 0, 5, 5);
            break;  // canton
        case 6:
            p.drawRect(1, 12, 14, 4);
            break;  // champagne
        case 7:
            p.drawRect(1, 0, 14, 5);
            break;  // chef
        case 8:
            p.drawRect(5, 5, 6, 7);
            break;  // écusson
        case 9:
            p.drawRect(1, 6, 14, 4);
            break;  // fasce
        case 10:
            p.drawRect(1, 0, 7, 7);
            break;  // franc-quartier
        case 11:
            p.drawPolygon(QPolygon({QPoint(1, 0), QPoint(8, 8), QPoint(1, 8)}));
            break;  // giron
        case 12:
            p.drawRect(6, 0, 4, 16);
            break;  // pal
        case 13:
            p.drawPolygon(QPolygon({QPoint(3, 0), QPoint(13, 0), QPoint(8, 15)}));
            break;  // pile
        case 14:
            p.drawPolygon(QPolygon({QPoint(1, 16), QPoint(8, 6), QPoint(15, 16)}));
            break;  // pointe
        case 15:
            p.setPen(QPen(QColor(255, 204, 0), 3));
            p.drawLine(1, 0, 15, 16);
            p.drawLine(15, 0, 1, 16);
            break;  // sautoir
        case 16:
            p.drawRect(6, 0, 4, 16);
            p.drawRect(1, 6, 14, 4);
            break;  // croix
        case 17:
            p.drawRect(1, 0, 4, 16);
            break;  // adextre
        case 18:
            p.drawRect(1, 12, 14, 3);
            p.drawRect(1, 0, 3, 15);
            break;  // cornière
        case 19:
            p.drawRect(1, 0, 3, 16);
            p.drawRect(1, 13, 8, 3);
            break;  // esquarre
        case 20:
            p.drawRect(11, 0, 4, 16);
            break;  // sénestre
        case 21:
            p.setPen(QPen(QColor(255, 204, 0), 3));
            p.drawLine(1, 0, 8, 7);
            p.drawLine(15, 0, 8, 7);
            p.drawLine(8, 7, 8, 16);
            break;  // pairle
        case 22:
            p.setPen(QPen(QColor(255, 204, 0), 3));
            p.drawLine(1, 14, 8, 4);
            p.drawLine(8, 4, 15, 14);
            break;  // chevron
        default:
            break;
    }
    return image;
}

}  // namespace tess
