#include "dialogs/line_style_dialog.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>

#include "dialogs/small_shield.h"
#include "model/line_kinds.h"
#include "platform/qimage_bridge.h"
#include "widgets/title_drag.h"

namespace tess {

namespace {

constexpr QColor kTitleColour(0x80, 0, 0);
constexpr QColor kChosenColour(0xFF, 0, 0);
constexpr QColor kOtherColour(0, 0, 0);

// The kinds top to bottom: nébulé and engrelé sit together, before crênelé.
struct KindRow {
    int kind;
    const char* text;
    int top;
};
constexpr std::array<KindRow, 8> kKindRows = {{{kLinePlain, "Droit", 30},
                                               {kLineDentele, "Dentelés", 50},
                                               {kLineNebule, "Nébulés", 71},
                                               {kLineEngrele, "Engrelés", 93},
                                               {kLineCrenele, "Crênelés", 112},
                                               {kLineBretesse, "Bretessé", 132},
                                               {kLineContreBretesse, "Contre-bretessé", 153},
                                               {kLineBastille, "Bastillé", 174}}};
constexpr int kKindLeft = 31, kKindWidth = 95, kKindHeight = 17;
constexpr int kMarkerLeft = 10, kMarkerWidth = 9, kMarkerHeight = 12;

QString text(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QLabel* caption(QWidget* parent, const char* name, QRect box) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(box);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QScrollBar* bar(QWidget* parent, const char* name, QRect box, int least, int most) {
    auto* b = new QScrollBar(Qt::Horizontal, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(box);
    b->setRange(least, most);
    b->setSingleStep(1);
    b->setPageStep(1);
    return b;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, QRect box) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(box);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

LineStyleDialog::LineStyleDialog(QWidget* parent)
    : ValueDialog(parent),
      sample_(LineStylePreview::kSampleWidth, LineStylePreview::kSampleHeight, kBlack) {
    setObjectName(QStringLiteral("lineStyleDialog"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(299, 277);

    titleLabel_ = new QLabel(QStringLiteral("Délineaments"), this);
    titleLabel_->setObjectName(QStringLiteral("titleLabel"));
    titleLabel_->setGeometry(22, 2, 257, 17);
    titleLabel_->setCursor(Qt::SizeAllCursor);
    makeDialogTitle(*titleLabel_, *this);

    helpButton_ = button(this, "helpButton", QStringLiteral("?"), QRect(282, 1, 15, 14));
    helpButton_->setToolTip(QStringLiteral("Aide contextuelle"));
    connect(helpButton_, &QPushButton::clicked, this, [this] {
        if (onHelp) onHelp(kHelpTopic);
    });

    for (const KindRow& row : kKindRows) {
        auto* label = new QLabel(QString::fromUtf8(row.text), this);
        label->setObjectName(QStringLiteral("kindLabel%1").arg(row.kind));
        label->setGeometry(kKindLeft, row.top, kKindWidth, kKindHeight);
        label->installEventFilter(this);
        kindLabels_[std::size_t(row.kind - kLinePlain)] = label;
    }
    marker_ = new QLabel(this);
    marker_->setObjectName(QStringLiteral("kindMarker"));
    marker_->setPixmap(
        QPixmap::fromImage(shieldFigure(1, QSize(kMarkerWidth, kMarkerHeight), kTitleColour)));
    marker_->resize(kMarkerWidth, kMarkerHeight);

    auto* frame = new QFrame(this);
    frame->setGeometry(132, 17, 160, 120);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    sampleView_ = new QLabel(this);
    sampleView_->setObjectName(QStringLiteral("sampleView"));
    sampleView_->setGeometry(140, 26, LineStylePreview::kSampleWidth,
                             LineStylePreview::kSampleHeight);

    widthCaption_ = caption(this, "widthCaption", QRect(136, 145, 146, 15));
    widthBar_ = bar(this, "widthBar", QRect(136, 162, 146, 13), LineStylePreview::kWidthLeast,
                    LineStylePreview::kWidthMost);
    depthCaption_ = caption(this, "depthCaption", QRect(136, 181, 146, 15));
    depthBar_ = bar(this, "depthBar", QRect(136, 198, 146, 13), LineStylePreview::kDepthLeast,
                    LineStylePreview::kDepthMost);
    connect(widthBar_, &QScrollBar::valueChanged, this, [this](int v) {
        if (syncing_) return;
        preview_.setWidthBar(v);
        refresh();
    });
    connect(depthBar_, &QScrollBar::valueChanged, this, [this](int v) {
        if (syncing_) return;
        preview_.setDepthBar(v);
        refresh();
    });

    okButton_ = button(this, "okButton", QStringLiteral("Ok"), QRect(85, 245, 65, 23));
    cancelButton_ =
        button(this, "cancelButton", QStringLiteral("Annuler"), QRect(153, 245, 65, 23));
    applyButton_ =
        button(this, "applyButton", QStringLiteral("Appliquer"), QRect(220, 245, 65, 23));
    cancelButton_->setEnabled(false);
    applyButton_->setEnabled(false);
    connect(okButton_, &QPushButton::clicked, this, [this] { finish(preview_.style()); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { reject(); });
    connect(applyButton_, &QPushButton::clicked, this, [this] { apply(); });
}

void LineStyleDialog::open(const Input& input, State&, Done done) {
    start(input);
    openFor(std::move(done));
}

void LineStyleDialog::start(const Input& input) {
    preview_.start(input.style, input.pieceWidth);
    for (const KindRow& row : kKindRows) {
        const bool offered =
            !(input.diagonal && (row.kind == kLineNebule || row.kind == kLineEngrele));
        kindLabels_[std::size_t(row.kind - kLinePlain)]->setEnabled(offered);
    }
    refresh();
}

void LineStyleDialog::chooseKind(int kind) {
    preview_.chooseKind(kind);
    refresh();
}

// Every change ends here: the rules settle the working copy, then every
// control shows it. The sample costs one pass over 144 x 102 pixels.
void LineStyleDialog::refresh() {
    cancelButton_->setEnabled(true);
    applyButton_->setEnabled(true);
    preview_.update(sample_);
    sampleView_->setPixmap(QPixmap::fromImage(toQImage(sample_)));

    syncing_ = true;
    widthBar_->setValue(preview_.widthBar());
    depthBar_->setValue(preview_.depthBar());
    syncing_ = false;
    const bool bars = preview_.barsEnabled();
    widthBar_->setEnabled(bars);
    depthBar_->setEnabled(bars);
    widthCaption_->setVisible(bars);
    depthCaption_->setVisible(bars);
    widthCaption_->setText(text(preview_.widthCaption()));
    depthCaption_->setText(text(preview_.depthCaption()));

    const int chosen = int(preview_.style().LineKind);
    for (const KindRow& row : kKindRows) {
        QLabel* label = kindLabels_[std::size_t(row.kind - kLinePlain)];
        // Only the enabled looks: a kind not offered keeps the greyed text.
        QPalette p = label->palette();
        const QColor colour = row.kind == chosen ? kChosenColour : kOtherColour;
        p.setColor(QPalette::Active, QPalette::WindowText, colour);
        p.setColor(QPalette::Inactive, QPalette::WindowText, colour);
        label->setPalette(p);
        if (row.kind == chosen)
            marker_->move(kMarkerLeft, row.top + kKindHeight / 2 - kMarkerHeight / 2);
    }
}

void LineStyleDialog::apply() {
    cancelButton_->setEnabled(false);
    applyButton_->setEnabled(false);
    if (onApply) onApply(preview_.style());
}

void LineStyleDialog::reject() {
    // Right after "Appliquer" there is nothing to cancel: Escape does nothing.
    if (cancelButton_->isEnabled()) ValueDialog::reject();
}

void LineStyleDialog::closeEvent(QCloseEvent* event) {
    // Closed from outside, the dialog always answers.
    event->accept();
    ValueDialog::reject();
}

bool LineStyleDialog::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    const bool press = type == QEvent::MouseButtonPress;
    const bool doubleClick = type == QEvent::MouseButtonDblClick;
    if (!press && !doubleClick) return QDialog::eventFilter(watched, event);
    for (const KindRow& row : kKindRows) {
        QLabel* label = kindLabels_[std::size_t(row.kind - kLinePlain)];
        if (watched != label) continue;
        // A kind not offered for a diagonal line takes no click.
        if (!label->isEnabled()) return true;
        chooseKind(row.kind);
        if (doubleClick) finish(preview_.style());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace tess
