#include "dialogs/frm_splash.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

#include "dialogs/message_layer.h"
#include "editor/ui_pictures.h"
#include "resources/window_pictures.h"

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

frmSplash::frmSplash(MessageLayer& messages, Options options, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      messages_(messages),
      options_(std::move(options)) {
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(kClientWidth, kClientHeight);
    setWindowIcon(programIconImage());
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
    setAutoFillBackground(true);

    Label1 = makeLabel(this, "Label1", QStringLiteral("Patience"), QRect(4, 203, 294, 21),
                       QColor(255, 0, 0), Qt::AlignHCenter);
    Label2 = makeLabel(this, "Label2",
                       QStringLiteral("Tessaline, l'atelier du blason\n"
                                      "Écus, émaux et meubles à votre goût"),
                       QRect(23, 234, 255, 42), QColor(128, 128, 128), Qt::AlignHCenter);
    Label2->setWordWrap(true);
    Label3 = makeLabel(this, "Label3", QStringLiteral("v 1.3"), QRect(256, 4, 37, 18),
                       QColor(128, 128, 128), Qt::AlignRight);

    Timer1.setObjectName(QStringLiteral("Timer1"));
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void frmSplash::Form_Load() {
    for (int n = 1; n <= kIntroFrameCount; ++n) FrameDCs[std::size_t(n)] = introFrameImage(n);
    frameCounter_ = 0;
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
    show();
    QApplication::processEvents();
    Timer1.setInterval(options_.frameIntervalMs);
    Timer1.start();
    QApplication::processEvents();
}

void frmSplash::Timer1_Timer() {
    ++frameCounter_;
    if (frameCounter_ >= 1 && frameCounter_ <= kIntroFrameCount) {
        shownFrame_ = frameCounter_;
        repaint();
        return;
    }
    // The eleventh tick runs once: no frame and no second check while the
    // main window's load lets the event loop run.
    Timer1.stop();
    Label1->show();
    Label2->show();
    Label3->show();
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
        if (n != shownFrame_) FrameDCs[std::size_t(n)] = QImage();
}

void frmSplash::CloseSplash() {
    Timer1.stop();
    hide();
    close();
}

void frmSplash::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (shownFrame_ < 1 || shownFrame_ > kIntroFrameCount) return;
    QPainter painter(this);
    painter.drawImage(0, 0, FrameDCs[std::size_t(shownFrame_)]);
}

}  // namespace tess
