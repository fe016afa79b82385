#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>

class QLabel;
class QPushButton;
class QWidget;

namespace tess {

class DocumentSession;

// Where a window dragged to `wanted` may go so that its title bar (the top
// `barHeight` pixels) stays reachable: wholly on a screen from top to bottom,
// and at least a grip's width of it across. `wanted` itself when it already
// is; otherwise the nearest such place over all `screens` (available areas).
// No screens: `wanted`.
QPoint reachableWindowPosition(QPoint wanted, QSize window, int barHeight,
                               const QList<QRect>& screens);

// The window's own title bar (the window has no system frame): the title,
// which drags the window, and the minimise and close buttons. The title
// names the session's document and its unsaved mark.
class TitleBar : public QObject {
    Q_OBJECT
  public:
    TitleBar(QWidget& window, const DocumentSession& session);

    // The title from the document's path and unsaved mark; minimised, the
    // taskbar shows it too.
    void refreshTitle();
    void setTitle(const QString& title);
    QString title() const;

    void closeClicked();
    void minimiseClicked();

    QLabel* titleLabel() const { return titleLabel_; }
    QPushButton* minimiseButton() const { return minimiseButton_; }
    QPushButton* closeButton() const { return closeButton_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    const DocumentSession& session_;
    QLabel* titleLabel_ = nullptr;
    QPushButton* minimiseButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QWidget& window_;
    // Where the title was grabbed, in its own pixels.
    QPoint grab_;
};

}  // namespace tess
