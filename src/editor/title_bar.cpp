#include "editor/title_bar.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

#include "editor/document_session.h"
#include "editor/window_layout.h"
#include "model/title_text.h"
#include "widgets/controls.h"
#include "widgets/program_font.h"
#include "widgets/utf8_text.h"

namespace tess {

namespace {

// How much of the title bar must stay on a screen across, so a person can
// still take hold of it.
constexpr int kGrip = 100;

// Whole pixels from the pointer's position, halves to the even neighbour.
int roundHalfEven(double v) {
    return int(std::nearbyint(v));
}

}  // namespace

QPoint reachableWindowPosition(QPoint wanted, QSize window, int barHeight,
                               const QList<QRect>& screens) {
    QPoint best = wanted;
    long long bestDistance = std::numeric_limits<long long>::max();
    for (const QRect& s : screens) {
        const int grip = std::min(kGrip, std::min(window.width(), s.width()));
        const int minX = s.left() - window.width() + grip;
        const int maxX = s.right() + 1 - grip;
        const int minY = s.top();
        const int maxY = std::max(minY, s.bottom() + 1 - barHeight);
        const QPoint p(std::clamp(wanted.x(), minX, maxX), std::clamp(wanted.y(), minY, maxY));
        const long long dx = p.x() - wanted.x();
        const long long dy = p.y() - wanted.y();
        if (dx * dx + dy * dy < bestDistance) {
            bestDistance = dx * dx + dy * dy;
            best = p;
        }
    }
    return best;
}

TitleBar::TitleBar(QWidget& window, const DocumentSession& session)
    : QObject(&window), session_(session), window_(window) {
    auto* bar = new QWidget(&window);
    bar->setObjectName(QStringLiteral("titleBar"));
    bar->setGeometry(0, 0, layout::kWindow.width(), layout::kTitleLabel.height());
    setBackgroundColour(bar, layout::kTitleColour);
    bar->setAttribute(Qt::WA_TransparentForMouseEvents);

    // The title spans the whole bar, so the bar drags from end to end; its
    // text stops short of the two buttons laid over its right end.
    titleLabel_ = makeCaption(&window, "titleLabel", QStringLiteral("Tessaline"), bar->geometry());
    titleLabel_->setContentsMargins(10, 0, layout::kWindow.width() - layout::kTitleLabel.right(),
                                    0);
    QFont bold = titleLabel_->font();
    bold.setBold(true);
    titleLabel_->setFont(oneSizeLarger(bold));
    setTextColour(titleLabel_, Qt::white);
    titleLabel_->installEventFilter(this);

    minimiseButton_ = new QPushButton(QStringLiteral("_"), &window);
    minimiseButton_->setObjectName(QStringLiteral("minimiseButton"));
    minimiseButton_->setGeometry(layout::kMinimiseButton);
    minimiseButton_->setToolTip(QStringLiteral("Réduire"));
    minimiseButton_->setFocusPolicy(Qt::NoFocus);
    closeButton_ = new QPushButton(QStringLiteral("×"), &window);
    closeButton_->setObjectName(QStringLiteral("closeButton"));
    closeButton_->setGeometry(layout::kCloseButton);
    closeButton_->setToolTip(QStringLiteral("Quitter"));
    closeButton_->setFocusPolicy(Qt::NoFocus);
    connect(closeButton_, &QPushButton::clicked, this, [this] { closeClicked(); });
    connect(minimiseButton_, &QPushButton::clicked, this, [this] { minimiseClicked(); });
    connect(&session_, &DocumentSession::redrawn, this, [this] { refreshTitle(); });
    connect(&session_, &DocumentSession::titleChanged, this, [this] { refreshTitle(); });
}

void TitleBar::refreshTitle() {
    setTitle(fromUtf8(TitleText(session_.ws())));
    if (window_.isMinimized()) window_.setWindowTitle(title());
}

void TitleBar::setTitle(const QString& title) {
    titleLabel_->setText(title);
}

QString TitleBar::title() const {
    return titleLabel_->text();
}

void TitleBar::closeClicked() {
    window_.close();
}

void TitleBar::minimiseClicked() {
    window_.showMinimized();
}

bool TitleBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched != titleLabel_) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* e = static_cast<QMouseEvent*>(event);
        grab_ = QPoint(roundHalfEven(e->position().x()), roundHalfEven(e->position().y()));
        return true;
    }
    if (event->type() == QEvent::MouseMove) {
        const auto* e = static_cast<QMouseEvent*>(event);
        if (e->buttons() != Qt::NoButton) {
            const QPoint wanted =
                window_.pos() +
                QPoint(roundHalfEven(e->position().x()), roundHalfEven(e->position().y())) - grab_;
            QList<QRect> screens;
            for (const QScreen* s : QGuiApplication::screens()) screens << s->availableGeometry();
            window_.move(
                reachableWindowPosition(wanted, window_.size(), titleLabel_->height(), screens));
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tess
