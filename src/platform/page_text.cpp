#include "platform/page_text.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>

namespace tess {

namespace {

QFont pageFont() {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

class QtPageText final : public PageText {
  public:
    QtPageText() : font_(pageFont()), metrics_(font_) {}

    int width(const std::string& text) const override {
        return metrics_.horizontalAdvance(QString::fromStdString(text));
    }
    int lineHeight() const override { return metrics_.height(); }

    void draw(Surface& surface, int x, int y, const std::string& line,
              Colour colour) const override {
        if (surface.empty() || line.empty()) return;
        // 0x00BBGGRR words are R, G, B, X bytes in memory: the surface is
        // painted in place, no copy. Painting sets the unused high byte, which
        // the surface keeps at 0, so the rows written are masked afterwards.
        QImage image(reinterpret_cast<uchar*>(surface.data()), surface.width(), surface.height(),
                     qsizetype(surface.width()) * 4, QImage::Format_RGBX8888);
        {
            QPainter painter(&image);
            painter.setFont(font_);
            painter.setPen(QColor(redOf(colour), greenOf(colour), blueOf(colour)));
            painter.drawText(QPoint(x, y + metrics_.ascent()), QString::fromStdString(line));
        }
        const int top = std::max(0, y);
        const int bottom = std::min(surface.height(), y + lineHeight() + 1);
        for (int row = top; row < bottom; ++row) {
            Colour* p = surface.row(row);
            for (int i = 0; i < surface.width(); ++i) p[i] &= 0x00FFFFFFu;
        }
    }

  private:
    QFont font_;
    QFontMetrics metrics_;
};

}  // namespace

std::unique_ptr<PageText> makePageText() {
    return std::make_unique<QtPageText>();
}

}  // namespace tess
