#include "dialogs/intro_frames.h"

#include <array>

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include "dialogs/small_shield.h"

namespace tess {

namespace {

// The start-up window shows the frames' left 302 columns: the picture is
// centred on that width.
constexpr int kShownWidth = 302;

// The shield rises out of the dark from its chief down, the bend follows, and
// the name comes up on the last frames.
struct FrameFigures {
    QImage edge, field, mask;
};

QImage drawFrame(int n, const FrameFigures& fig) {
    QImage image(kIntroFrameWidth, kIntroFrameHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QSize box(96, 124);
    const int left = (kShownWidth - box.width()) / 2;
    const int top = 12;
    const double shown = std::min(1.0, n / 6.0);
    p.save();
    p.setClipRect(0, top, kIntroFrameWidth, int(box.height() * shown) + 1);
    p.drawImage(left - 3, top - 3, fig.edge);
    p.drawImage(left, top, fig.field);
    if (n >= 4) {
        // A bend Or, growing from dexter chief.
        QImage bend(box, QImage::Format_ARGB32_Premultiplied);
        bend.fill(Qt::transparent);
        {
            QPainter b(&bend);
            b.setRenderHint(QPainter::Antialiasing);
            const double reach = std::min(1.0, (n - 3) / 4.0);
            QPen pen(QColor(255, 204, 0), 22, Qt::SolidLine, Qt::FlatCap);
            b.setPen(pen);
            b.drawLine(QPointF(0, 0),
                       QPointF(box.width() * 1.2 * reach, box.height() * 1.2 * reach));
            b.setCompositionMode(QPainter::CompositionMode_DestinationIn);
            b.drawImage(0, 0, fig.mask);
        }
        p.drawImage(left, top, bend);
    }
    p.restore();

    if (n >= 7) {
        const int level = std::min(255, 90 + (n - 7) * 55);
        QFont font(QStringLiteral("Serif"), 20, QFont::Bold);
        font.setLetterSpacing(QFont::AbsoluteSpacing, 3);
        p.setFont(font);
        p.setPen(QColor(level, level * 4 / 5, level / 4));
        p.drawText(QRect(0, 146, kShownWidth, 40), Qt::AlignCenter, QStringLiteral("Tessaline"));
    }
    p.end();
    return image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
}

}  // namespace

const QImage& introFrame(int n) {
    static const std::array<QImage, kIntroFrameCount> frames = [] {
        const QSize box(96, 124);
        const FrameFigures fig{shieldFigure(1, box + QSize(6, 6), QColor(200, 160, 40)),
                               shieldFigure(1, box, QColor(0, 0, 170)),
                               shieldFigure(1, box, Qt::white)};
        std::array<QImage, kIntroFrameCount> all;
        for (int i = 0; i < kIntroFrameCount; ++i) all[std::size_t(i)] = drawFrame(i + 1, fig);
        return all;
    }();
    if (n < 1 || n > kIntroFrameCount) n = 1;
    return frames[std::size_t(n - 1)];
}

}  // namespace tess
