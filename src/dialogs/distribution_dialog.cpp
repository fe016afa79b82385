// The charge distribution dialog: pattern, extra copies and area of an arrangement.
#include "dialogs/distribution_dialog.h"

#include <algorithm>
#include <cmath>

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

#include "model/canvas_size.h"
#include "platform/qimage_bridge.h"
#include "platform/rounding.h"
#include "render/motif_drawing.h"
#include "widgets/title_drag.h"
#include "widgets/typed_number.h"

namespace tess {
namespace {

// The half-scale preview of the shield canvas (265 / 2 and 340 / 2 rounded
// half to even).
constexpr int kPreviewDiv = 2;
constexpr int kPreviewWidth = 132;
constexpr int kPreviewHeight = 170;
constexpr int kHandleSide = 7;
constexpr int kHandleInset = 3;  // the handle overlaps the frame's corner by this much
constexpr int kMinResize = 5;    // a resize narrower than this is ignored
constexpr int kHelpContext = 12;

// Each opening's area: the shield's centre, a side of 132.
constexpr Integer kStartX = 132;
constexpr Integer kStartY = 170;
constexpr Integer kStartArea = 132;

// Far beyond the shield but well inside 16 bits, so that the keys, the
// copies and their boxes stay whole numbers the records can hold.
constexpr int kAreaLimit = 8000;

constexpr int kCellWidth = 60;
constexpr int kCellHeight = 40;
constexpr int kMarkHeight = 42;
constexpr QRgb kTextBlack = 0x000000;
constexpr QRgb kTextRed = 0xFF0000;

Integer bounded(double v) {
    return Integer(std::clamp(CInt(v), -kAreaLimit, kAreaLimit));
}

}  // namespace

// The half-scale preview with the area frame and its handle over it.
class MotifPreview : public QWidget {
  public:
    explicit MotifPreview(ChargeDistributionDialog* dialog) : QWidget(dialog), dialog_(dialog) {
        setObjectName(QStringLiteral("preview"));
        setMouseTracking(true);
        setFixedSize(kPreviewWidth, kPreviewHeight);
    }
    void setPicture(QImage picture) {
        picture_ = std::move(picture);
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(0, 0, picture_);
        if (!dialog_->memory_->frameVisible) return;
        const QRectF f = dialog_->frame_;
        p.setPen(QPen(Qt::black, 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(f.adjusted(0, 0, -1, -1));
        p.fillRect(
            QRectF(f.right() - kHandleInset, f.bottom() - kHandleInset, kHandleSide, kHandleSide),
            Qt::black);
    }
    void mousePressEvent(QMouseEvent* e) override {
        dialog_->previewPressed(e->position().x(), e->position().y());
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        dialog_->previewMoved(e->position().x(), e->position().y(), e->buttons() != Qt::NoButton);
    }
    void mouseReleaseEvent(QMouseEvent*) override { dialog_->previewReleased(); }

  private:
    ChargeDistributionDialog* dialog_;
    QImage picture_;
};

// The ten pattern icons, two columns by five rows, with the mark of the chosen
// one. The pointer names the cell under it in the tooltip; a click takes the
// pattern the tooltip names.
class PatternGrid : public QWidget {
  public:
    explicit PatternGrid(ChargeDistributionDialog* dialog) : QWidget(dialog), dialog_(dialog) {
        setObjectName(QStringLiteral("patternGrid"));
        setMouseTracking(true);
        setFixedSize(108, 208);
        paintIcons();
    }
    void mark(MotifPattern p) {
        const int i = int(p) - 1;
        mark_ = QPoint((i % 2) * kCellWidth, (i / 2) * kCellHeight);
        update();
    }
    QPoint markPosition() const { return mark_; }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(0, 0, icons_);
        p.setPen(QPen(Qt::red, 2));
        p.drawRect(QRect(mark_, QSize(kCellWidth, kMarkHeight)).adjusted(1, 1, -1, -1));
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        const double x = e->position().x(), y = e->position().y();
        int row = 0;
        if (y >= 0 && y < 40)
            row = 1;
        else if (y >= 40 && y < 80)
            row = 2;
        else if (y >= 80 && y < 120)
            row = 3;
        else if (y >= 120 && y < 160)
            row = 4;
        else if (y >= 160)
            row = 5;
        if (row == 0) return;
        const int column = x <= kCellWidth ? 0 : 1;
        setToolTip(QString::fromUtf8(MotifPatternName(MotifPattern((row - 1) * 2 + column + 1))));
    }
    // A click acts on the cell last named, not on where the button went up.
    void mouseReleaseEvent(QMouseEvent*) override {
        for (int p = 1; p <= kMotifPatternCount; ++p)
            if (toolTip() == QString::fromUtf8(MotifPatternName(MotifPattern(p)))) {
                mark(MotifPattern(p));
                dialog_->patternChosen(MotifPattern(p));
                return;
            }
        dialog_->patternChosen(dialog_->layout_.Pattern);
    }

  private:
    // Each icon is the pattern itself, laid out small with one extra per
    // branch: the icons can never disagree with the arrangements.
    void paintIcons() {
        icons_ = QImage(size(), QImage::Format_RGB32);
        icons_.fill(QColor(0xF0, 0xF0, 0xF0));
        QPainter p(&icons_);
        p.setRenderHint(QPainter::Antialiasing);
        for (int i = 0; i < kMotifPatternCount; ++i) {
            MotifLayout l;
            l.Pattern = MotifPattern(i + 1);
            l.ExtraPerBranch = 1;
            l.AreaSize = 28;
            l.CopyX[0] = Integer((i % 2) * kCellWidth + 27);
            l.CopyY[0] = Integer((i / 2) * kCellHeight + 21);
            ComputeMotifLayout(l);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x80, 0x00, 0x00));
            auto dot = [&](int x, int y) { p.drawEllipse(QPointF(x, y), 2.5, 2.5); };
            for (int k = 1; k <= l.KeyCount; ++k) dot(l.KeyX[k], l.KeyY[k]);
            for (int j = 1; j <= l.ExtraPerBranch * l.BranchCount; ++j) dot(l.CopyX[j], l.CopyY[j]);
        }
    }

    ChargeDistributionDialog* dialog_;
    QImage icons_;
    QPoint mark_;
};

ChargeDistributionDialog::ChargeDistributionDialog(QWidget* parent) : ValueDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setObjectName(QStringLiteral("chargeDistributionDialog"));
    setWindowTitle(QStringLiteral("Répartition des meubles"));
    setFixedSize(350, 315);

    title_ = new QLabel(QStringLiteral("Répartition des meubles"), this);
    title_->setObjectName(QStringLiteral("titleLabel"));
    title_->setGeometry(21, 1, 310, 16);
    title_->setAlignment(Qt::AlignCenter);
    makeDialogTitle(*title_, *this);

    help_ = new QPushButton(QStringLiteral("?"), this);
    help_->setObjectName(QStringLiteral("helpButton"));
    help_->setGeometry(334, 2, 15, 14);
    help_->setToolTip(QStringLiteral("Aide contextuelle"));
    help_->setAutoDefault(false);
    connect(help_, &QPushButton::clicked, this, [this] {
        if (onHelp) onHelp(kHelpContext);
    });

    previewBox_ = new MotifPreview(this);
    previewBox_->move(23, 42);

    auto* patternLabel = new QLabel(QStringLiteral("Motif de répartition"), this);
    patternLabel->setObjectName(QStringLiteral("patternLabel"));
    patternLabel->setGeometry(219, 38, 111, 15);
    grid_ = new PatternGrid(this);
    grid_->move(220, 55);

    auto* countLabel = new QLabel(QStringLiteral("Nombre de meubles supplémentaires"), this);
    countLabel->setGeometry(2, 228, 131, 39);
    countLabel->setWordWrap(true);
    text_ = new QLineEdit(QStringLiteral("0"), this);
    text_->setObjectName(QStringLiteral("extraCopiesText"));
    text_->setGeometry(138, 234, 22, 18);
    connect(text_, &QLineEdit::textChanged, this, [this] { textChanged(); });
    // The spin's top end is 5: values run from -5 at the top to 0 at the
    // bottom, so the upper arrow raises the count.
    spin_ = new QScrollBar(Qt::Vertical, this);
    spin_->setObjectName(QStringLiteral("extraCopiesSpin"));
    spin_->setGeometry(161, 235, 16, 18);
    spin_->setRange(-kMaxExtraPerBranch, 0);
    spin_->setSingleStep(1);
    spin_->setPageStep(1);
    connect(spin_, &QScrollBar::valueChanged, this, [this] { spinChanged(); });

    ok_ = new QPushButton(QStringLiteral("Ok"), this);
    ok_->setObjectName(QStringLiteral("okButton"));
    ok_->setGeometry(200, 281, 65, 24);
    ok_->setAutoDefault(false);
    connect(ok_, &QPushButton::clicked, this, [this] { okClicked(); });
    cancel_ = new QPushButton(QStringLiteral("Annuler"), this);
    cancel_->setObjectName(QStringLiteral("cancelButton"));
    cancel_->setGeometry(268, 281, 64, 24);
    cancel_->setAutoDefault(false);
    connect(cancel_, &QPushButton::clicked, this, [this] { reject(); });
}

ChargeDistributionDialog::~ChargeDistributionDialog() = default;

void ChargeDistributionDialog::open(DistributionSubject subject, State& state, Done done) {
    memory_ = &state;
    start(std::move(subject));
    openFor(std::move(done));
}

void ChargeDistributionDialog::start(DistributionSubject subject) {
    subject_ = std::move(subject);
    // The count goes back to 0 first: its own handler still draws with the
    // old settings, which the steps below replace at once.
    spin_->setValue(0);
    text_->setText(QStringLiteral("0"));
    mode_ = FrameMode::None;
    layout_.CopyX[0] = kStartX;
    layout_.CopyY[0] = kStartY;
    layout_.AreaSize = kStartArea;
    layout_.Pattern = MotifPattern::Pal;
    grid_->mark(MotifPattern::Pal);
    placeFrameFromLayout();
    refreshPreview();
}

void ChargeDistributionDialog::refreshPreview() {
    // The guide is inverted onto the picture, so each preview starts afresh
    // from the shield (a 265 x 340 stretch: about 22,000 pixel copies).
    preview_ = Surface(kPreviewWidth, kPreviewHeight, kWhite);
    if (!subject_.canvas.empty())
        StretchBlt(preview_, 0, 0, kPreviewWidth, kPreviewHeight, subject_.canvas, 0, 0,
                   kCanvasWidth, kCanvasHeight, RasterOp::Copy);
    layout_.ExtraPerBranch = Byte(-spin_->value());
    ComputeMotifLayout(layout_);
    MotifStamp stamp;
    if (!subject_.mask.empty() && subject_.mask.width() == subject_.picture.width() &&
        subject_.mask.height() == subject_.picture.height())
        stamp = {.mask = &subject_.mask,
                 .picture = &subject_.picture,
                 .width = subject_.width,
                 .height = subject_.height,
                 .mirrored = subject_.mirrored};
    DrawChargeMotif(preview_, layout_, stamp, true, kPreviewDiv);
    previewBox_->setPicture(toQImage(preview_));
    text_->setText(QString::number(layout_.ExtraPerBranch));
}

void ChargeDistributionDialog::patternChosen(MotifPattern pattern) {
    layout_.Pattern = pattern;
    refreshPreview();
}

void ChargeDistributionDialog::spinChanged() {
    text_->setText(QString::number(-spin_->value()));
    refreshPreview();
}

// A number in 0..5 (as the user's locale writes numbers, read with "." as
// the decimal point) sets the spin; one outside turns red; anything else,
// an empty box included, changes nothing.
void ChargeDistributionDialog::textChanged() {
    const std::optional<double> typed = typedNumber(text_->text(), text_->locale());
    if (!typed) return;
    const double v = *typed;
    QPalette palette = text_->palette();
    const bool inRange = v >= 0 && v <= kMaxExtraPerBranch;
    palette.setColor(QPalette::Text, QColor(inRange ? kTextBlack : kTextRed));
    text_->setPalette(palette);
    if (inRange) spin_->setValue(-CInt(v));
}

void ChargeDistributionDialog::placeFrameFromLayout() {
    const double side = layout_.AreaSize / 2.0;
    frame_ = QRectF((layout_.CopyX[0] - layout_.AreaSize / 2.0) / kPreviewDiv,
                    (layout_.CopyY[0] - layout_.AreaSize / 2.0) / kPreviewDiv, side, side);
    previewBox_->update();
}

void ChargeDistributionDialog::areaFromFrame() {
    layout_.CopyX[0] = bounded(kPreviewDiv * frame_.left() + layout_.AreaSize / 2.0);
    layout_.CopyY[0] = bounded(kPreviewDiv * frame_.top() + layout_.AreaSize / 2.0);
}

void ChargeDistributionDialog::previewPressed(double x, double y) {
    const QRectF& f = frame_;
    if (x > f.left() && x < f.right() && y > f.top() && y < f.bottom()) {
        memory_->frameVisible = true;
        mode_ = FrameMode::Move;
        placeFrameFromLayout();
        grabX_ = CInt(x - frame_.left());
        grabY_ = CInt(y - frame_.top());
    } else if (sizingPointer_) {
        mode_ = FrameMode::Resize;
    } else {
        memory_->frameVisible = false;
        previewBox_->update();
    }
}

void ChargeDistributionDialog::previewMoved(double x, double y, bool buttonHeld) {
    switch (mode_) {
        case FrameMode::None: {
            // Tested whether the handle shows or not.
            const double hx = frame_.right() - kHandleInset, hy = frame_.bottom() - kHandleInset;
            sizingPointer_ = x > hx && x < hx + kHandleSide && y > hy && y < hy + kHandleSide;
            if (sizingPointer_)
                previewBox_->setCursor(Qt::SizeFDiagCursor);
            else
                previewBox_->unsetCursor();
            break;
        }
        case FrameMode::Move:
            previewBox_->unsetCursor();
            frame_.moveTo(x - grabX_, y - grabY_);
            areaFromFrame();
            refreshPreview();
            break;
        case FrameMode::Resize: {
            // Square, its top-left corner fixed; only x counts.
            const double width = x - frame_.left();
            if (width <= kMinResize) break;
            const double side = std::min(width, double(kAreaLimit) / kPreviewDiv);
            layout_.AreaSize = Integer(CInt(kPreviewDiv * side));
            frame_.setSize(QSizeF(side, side));
            areaFromFrame();
            refreshPreview();
            break;
        }
    }
}

void ChargeDistributionDialog::previewReleased() {
    if (mode_ == FrameMode::Move) {
        areaFromFrame();
        refreshPreview();
    }
    mode_ = FrameMode::None;
}

void ChargeDistributionDialog::okClicked() {
    ComputeMotifLayout(layout_);
    finish(layout_);
}

}  // namespace tess
