#include "dialogs/intro_window.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

#include "dialogs/message_layer.h"
#include "resources/window_pictures.h"
#include "widgets/ui_pictures.h"

namespace tess {

namespace {

// The window's layout in pixels (its design is 15 twips to the pixel).
constexpr int kClientWidth = 302;   // 4530 twips
constexpr int kClientHeight = 280;  // 4200 twips

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QRect box, QColor colour,
                  Qt::Alignment align) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(box);
    label->setAlignment(align | Qt::AlignVCenter);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, Qt::black);
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
    label->setAutoFillBackground(true);
    label->hide();
    return label;
}

}  // namespace

IntroWindow::IntroWindow(MessageLayer& messages, Options options, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      messages_(messages),
      options_(std::move(options)) {
    setObjectName(QStringLiteral("IntroWindow"));
    setFixedSize(kClientWidth, kClientHeight);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
    setAutoFillBackground(true);

    progressLabel = makeLabel(this, "progressLabel", QStringLiteral("Patience"),
                              QRect(4, 203, 294, 21), QColor(255, 0, 0), Qt::AlignHCenter);
    creditsLabel = makeLabel(this, "creditsLabel",
                             QStringLiteral("Tessaline, l'atelier du blason\n"
                                            "Écus, émaux et meubles à votre goût"),
                             QRect(23, 234, 255, 42), QColor(128, 128, 128), Qt::AlignHCenter);
    creditsLabel->setWordWrap(true);
    versionLabel = makeLabel(this, "versionLabel", QStringLiteral("v 1.3"), QRect(256, 4, 37, 18),
                             QColor(128, 128, 128), Qt::AlignRight);

    frameTimer_.setObjectName(QStringLiteral("frameTimer"));
    connect(&frameTimer_, &QTimer::timeout, this, [this] { nextFrame(); });
}

void IntroWindow::load() {
    std::vector<QImage> images = introFrameImages();
    for (int n = 1; n <= kIntroFrameCount; ++n)
        frames_[std::size_t(n)] = std::move(images[std::size_t(n - 1)]);
    frameCounter_ = 0;
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
    show();
    QApplication::processEvents();
    frameTimer_.setInterval(options_.frameIntervalMs);
    frameTimer_.start();
    QApplication::processEvents();
}

void IntroWindow::nextFrame() {
    ++frameCounter_;
    if (frameCounter_ >= 1 && frameCounter_ <= kIntroFrameCount) {
        shownFrame_ = frameCounter_;
        repaint();
        return;
    }
    // The eleventh tick runs once: no frame and no second check while the
    // main window's load lets the event loop run.
    frameTimer_.stop();
    progressLabel->show();
    creditsLabel->show();
    versionLabel->show();
    // Painted now: a paint left to the event loop may come only after the
    // main window's load has replaced "Patience" with its first step.
    for (QWidget* label : {progressLabel, creditsLabel, versionLabel}) label->repaint();
    QApplication::processEvents();
    const DriveKind drive =
        options_.probe ? options_.probe(options_.programFolder) : DriveKind::LocalDisk;
    if (!CheckStartDrive(drive, messages_)) {
        if (options_.endProcess) options_.endProcess();
        return;
    }
    if (options_.loadMainWindow) options_.loadMainWindow();
    // The last frame stays on screen; the table of frames goes.
    for (int n = 1; n <= kIntroFrameCount; ++n)
        if (n != shownFrame_) frames_[std::size_t(n)] = QImage();
}

void IntroWindow::closeIntro() {
    frameTimer_.stop();
    hide();
    close();
    // Never shown again: its last frame goes with it.
    frames_ = {};
    shownFrame_ = 0;
}

void IntroWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (shownFrame_ < 1 || shownFrame_ > kIntroFrameCount) return;
    QPainter painter(this);
    painter.drawImage(0, 0, frames_[std::size_t(shownFrame_)]);
}

}  // namespace tess
