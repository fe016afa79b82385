#include "widgets/title_drag.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>

namespace tess {

namespace {

// Lives as long as the label it watches.
class TitleDrag : public QObject {
  public:
    TitleDrag(QLabel& title, QWidget& window) : QObject(&title), window_(&window) {
        title.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (!window_) return false;
        if (event->type() == QEvent::MouseButtonPress) {
            grab_ = static_cast<QMouseEvent*>(event)->position().toPoint();
        } else if (event->type() == QEvent::MouseMove) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->buttons() != Qt::NoButton)
                window_->move(window_->pos() + mouse->position().toPoint() - grab_);
        }
        return false;
    }

  private:
    QPointer<QWidget> window_;
    QPoint grab_;
};

}  // namespace

void dragWindowByTitle(QLabel& title, QWidget& window) {
    new TitleDrag(title, window);
}

void makeDialogTitle(QLabel& title, QWidget& window) {
    QFont bold = title.font();
    bold.setBold(true);
    title.setFont(bold);
    QPalette palette = title.palette();
    palette.setColor(QPalette::WindowText, QColor(0x80, 0, 0));
    title.setPalette(palette);
    dragWindowByTitle(title, window);
}

}  // namespace tess
