#include "dialogs/print_dialog.h"

#include <cmath>

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "dialogs/message_layer.h"
#include "platform/qimage_bridge.h"
#include "platform/rounding.h"
#include "widgets/program_font.h"
#include "widgets/title_drag.h"
#include "widgets/typed_number.h"

namespace tess {

const char* const kSmallZoomQuestion =
    "Combiné à de telles dimensions, le blasonnement risque de s'étirer de façon démesurée. "
    "Êtes-vous sûr de vouloir continuer et d'en assumer les conséquences?";

namespace {

constexpr int kDialogWidth = 247;
constexpr int kDialogHeight = 275;
constexpr int kPreviewWidth = 85;
constexpr int kPreviewHeight = 110;

// The halves of the two choice pictures: the blazon choice is split at
// y 52 / 53 (y beyond 104 chooses nothing), the colour choice at x 47.
constexpr int kWithoutBlazonBottom = 52;
constexpr int kWithBlazonTop = 53;
constexpr int kWithBlazonBottom = 104;
constexpr int kColourRight = 47;
// Where the frames stand: the blazon frame's top after a press on each half,
// and at an opening on the lower half; the colour frame's left per half.
constexpr int kUpperFrameTop = 3;
constexpr int kLowerFrameTopPressed = 50;
constexpr int kLowerFrameTopOpening = 55;
constexpr int kColourFrameLeft = 5;
constexpr int kColourFrameDesignLeft = 7;
constexpr int kBlackWhiteFrameLeft = 49;

// A small shield outline in a box, for the choice pictures.
QPainterPath shieldPath(const QRectF& box) {
    QPainterPath path;
    const qreal midX = box.center().x();
    path.moveTo(box.topLeft());
    path.lineTo(box.topRight());
    path.lineTo(box.right(), box.top() + box.height() * 0.55);
    path.quadTo(box.right(), box.bottom() - box.height() * 0.12, midX, box.bottom());
    path.quadTo(box.left(), box.bottom() - box.height() * 0.12, box.left(),
                box.top() + box.height() * 0.55);
    path.closeSubpath();
    return path;
}

// The blazon choice: a page without text above, a page with its lines below.
QImage blazonChoiceArt() {
    QImage art(101, 106, QImage::Format_RGB32);
    art.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    for (int half = 0; half < 2; ++half) {
        const int top = half == 0 ? 6 : 58;
        p.setPen(Qt::black);
        p.setBrush(Qt::white);
        p.drawRect(QRect(34, top, 33, 42));
        p.setBrush(QColor(0x20, 0x40, 0xC0));
        p.drawPath(shieldPath(QRectF(40, top + 3, 21, half == 0 ? 30 : 24)));
        if (half == 1)
            for (int line = 0; line < 2; ++line)
                p.drawLine(38, top + 32 + 4 * line, 62 - 8 * line, top + 32 + 4 * line);
    }
    return art;
}

// The colour choice: a shield in colours on the left, hatched on the right.
QImage colourChoiceArt() {
    QImage art(101, 44, QImage::Format_RGB32);
    art.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath left = shieldPath(QRectF(14, 8, 28, 30));
    const QPainterPath right = shieldPath(QRectF(58, 8, 28, 30));
    p.setPen(Qt::black);
    p.setBrush(QColor(0xC0, 0x20, 0x20));
    p.drawPath(left);
    p.setBrush(QBrush(Qt::black, Qt::VerPattern));
    p.drawPath(right);
    return art;
}

}  // namespace

// A fixed picture whose presses and pointer moves are handed on with their
// position, and which holds the frame marking its chosen half.
class ChoicePicture : public QLabel {
  public:
    ChoicePicture(const QImage& art, QWidget* parent) : QLabel(parent) {
        setPixmap(QPixmap::fromImage(art));
        setFixedSize(art.size());
        setMouseTracking(true);
    }
    std::function<void(QPoint)> pressed;
    std::function<void(QPoint)> hovered;

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (pressed) pressed(event->position().toPoint());
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (hovered) hovered(event->position().toPoint());
    }
};

PrintDialog::PrintDialog(QWidget* parent) : ValueDialog<PageOptions>(parent) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setObjectName(QStringLiteral("printDialog"));
    state_ = &unopened_;
    build();
}

PrintDialog::~PrintDialog() = default;

void PrintDialog::build() {
    setFixedSize(kDialogWidth, kDialogHeight);
    titleLabel_ = new QLabel(this);
    titleLabel_->setObjectName(QStringLiteral("titleLabel"));
    // The title and the zoom caption keep their small boxes: their font is a
    // size smaller than the program's so that they fit them.
    titleLabel_->setGeometry(19, 3, 209, 14);
    titleLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    titleLabel_->setFont(smallProgramFont());
    makeDialogTitle(*titleLabel_, *this);

    helpButton_ = new QPushButton(QStringLiteral("?"), this);
    helpButton_->setObjectName(QStringLiteral("helpButton"));
    helpButton_->setGeometry(230, 1, 15, 14);
    helpButton_->setToolTip(QStringLiteral("Aide contextuelle"));
    helpButton_->setAutoDefault(false);
    connect(helpButton_, &QPushButton::clicked, this, [this] {
        if (input_.help) input_.help(kHelpTopic);
    });

    preview_ = new QLabel(this);
    preview_->setObjectName(QStringLiteral("pagePreview"));
    preview_->setGeometry(12, 32, kPreviewWidth, kPreviewHeight);

    auto* zoomCaption = new QLabel(QStringLiteral("Zoom %  1 - 200"), this);
    zoomCaption->setObjectName(QStringLiteral("zoomCaption"));
    zoomCaption->setGeometry(129, 43, 42, 29);
    zoomCaption->setFont(smallProgramFont());
    zoomCaption->setWordWrap(true);

    zoomText_ = new QLineEdit(QString::number(kStartPageZoom), this);
    zoomText_->setObjectName(QStringLiteral("zoomText"));
    zoomText_->setGeometry(172, 46, 28, 20);
    connect(zoomText_, &QLineEdit::textEdited, this, &PrintDialog::zoomTyped);

    // The bar's top end is the largest zoom, so its upper arrow enlarges: it
    // runs over the negated zoom, whose smallest value stands at the top.
    zoomScroll_ = new QScrollBar(Qt::Vertical, this);
    zoomScroll_->setObjectName(QStringLiteral("zoomScroll"));
    zoomScroll_->setGeometry(200, 45, 12, 21);
    zoomScroll_->setRange(-kMaxPageZoom, -kMinPageZoom);
    zoomScroll_->setSingleStep(1);
    zoomScroll_->setPageStep(10);
    zoomScroll_->setValue(-kStartPageZoom);
    connect(zoomScroll_, &QScrollBar::valueChanged, this, &PrintDialog::zoomScrolled);

    blazonChoice_ = new ChoicePicture(blazonChoiceArt(), this);
    blazonChoice_->setObjectName(QStringLiteral("blazonChoice"));
    blazonChoice_->move(120, 97);
    blazonChoice_->pressed = [this](QPoint at) { blazonChoicePressed(at.y()); };
    blazonChoice_->hovered = [this](QPoint at) { blazonChoiceHovered(at.y()); };
    blazonFrame_ = new QFrame(blazonChoice_);
    blazonFrame_->setObjectName(QStringLiteral("blazonFrame"));
    blazonFrame_->setFrameShape(QFrame::Box);
    blazonFrame_->setGeometry(3, kUpperFrameTop, 95, 47);
    blazonFrame_->setAttribute(Qt::WA_TransparentForMouseEvents);

    colourChoice_ = new ChoicePicture(colourChoiceArt(), this);
    colourChoice_->setObjectName(QStringLiteral("colourChoice"));
    colourChoice_->move(9, 160);
    colourChoice_->pressed = [this](QPoint at) { colourChoicePressed(at.x()); };
    colourChoice_->hovered = [this](QPoint at) { colourChoiceHovered(at.x()); };
    colourFrame_ = new QFrame(colourChoice_);
    colourFrame_->setObjectName(QStringLiteral("colourFrame"));
    colourFrame_->setFrameShape(QFrame::Box);
    colourFrame_->setGeometry(kColourFrameDesignLeft, 4, 43, 37);
    colourFrame_->setAttribute(Qt::WA_TransparentForMouseEvents);

    actionButton_ = new QPushButton(this);
    actionButton_->setObjectName(QStringLiteral("actionButton"));
    actionButton_->setGeometry(63, 238, 77, 24);
    actionButton_->setEnabled(false);
    actionButton_->setDefault(true);
    connect(actionButton_, &QPushButton::clicked, this, &PrintDialog::actionClicked);

    cancelButton_ = new QPushButton(QStringLiteral("Annuler"), this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    cancelButton_->setGeometry(144, 238, 77, 24);
    cancelButton_->setAutoDefault(false);
    connect(cancelButton_, &QPushButton::clicked, this, [this] { reject(); });
}

int PrintDialog::zoom() const {
    return -zoomScroll_->value();
}

PageOptions PrintDialog::options() const {
    return {.zoom = zoom(),
            .withBlazon = state_->withBlazon,
            .blackWhite = input_.command == PageCommand::Print && blackWhite_};
}

// Every control as a fresh dialog has it (zoom 85, colours), then the title,
// the colour choice for the printer only, the kept blazon choice and the
// preview; the action button is enabled last.
void PrintDialog::open(Input input, State& state, Done done) {
    input_ = std::move(input);
    state_ = &state;
    actionButton_->setEnabled(false);
    const QString caption = input_.command == PageCommand::Print ? QStringLiteral("Imprimer")
                                                                 : QStringLiteral("Exporter");
    setWindowTitle(caption);
    actionButton_->setText(caption);
    showTitle(input_.command == PageCommand::Print
                  ? QString::fromStdString(printTitle(input_.printerName))
                  : caption);
    blackWhite_ = false;
    colourFrame_->move(kColourFrameDesignLeft, 4);
    // Export always writes colours: the colour choice is for the printer only.
    colourChoice_->setVisible(input_.command == PageCommand::Print);
    blazonFrame_->move(3, state_->withBlazon ? kLowerFrameTopOpening : kUpperFrameTop);
    {
        const QSignalBlocker quiet(zoomScroll_);
        zoomScroll_->setValue(-kStartPageZoom);
    }
    zoomText_->setText(QString::number(kStartPageZoom));
    drawPreview();
    actionButton_->setEnabled(true);
    openFor(std::move(done));
}

// The title on its one line; a printer's name too long for it is cut short
// and the whole title shows as the label's tooltip.
void PrintDialog::showTitle(const QString& title) {
    const int room = titleLabel_->contentsRect().width();
    const QString shown = titleLabel_->fontMetrics().elidedText(title, Qt::ElideRight, room);
    titleLabel_->setText(shown);
    titleLabel_->setToolTip(shown == title ? QString() : title);
}

// The shield at the zoom in the top-left corner of the page box, white
// outside the shield and on the rest of the box; the blazon and the hatching
// are not shown. At most 170 x 220 pixels are stretched, at zoom 200.
void PrintDialog::drawPreview() {
    const int z = zoom();
    Surface box(kPreviewWidth, kPreviewHeight, kWhite);
    const int w = CInt(float(kPreviewWidth) / 100.0f * float(z));
    const int h = CInt(float(kPreviewHeight) / 100.0f * float(z));
    layShieldOnWhite(box, w, h, input_.canvas, input_.shapeMask);
    preview_->setPixmap(QPixmap::fromImage(toQImage(box)));
}

void PrintDialog::zoomScrolled(int) {
    drawPreview();
    zoomText_->setText(QString::number(zoom()));
}

// A typed zoom counts when it is a number from 1 to 200 (by the user's
// number format, its value read with "." as the decimal point), rounded half
// to even; anything else is left as typed.
void PrintDialog::zoomTyped(const QString& text) {
    const std::optional<double> value = typedNumber(text, zoomText_->locale());
    if (!value || *value < kMinPageZoom || *value > kMaxPageZoom) return;
    const int z = CInt(*value);
    if (z == zoom()) return;
    zoomScroll_->setValue(-z);  // redraws the preview and rewrites the text
}

void PrintDialog::blazonChoicePressed(int y) {
    if (y >= 0 && y <= kWithoutBlazonBottom) {
        state_->withBlazon = false;
        blazonFrame_->move(3, kUpperFrameTop);
    } else if (y >= kWithBlazonTop && y <= kWithBlazonBottom) {
        state_->withBlazon = true;
        blazonFrame_->move(3, kLowerFrameTopPressed);
    }
    blazonChoice_->update();
}

void PrintDialog::blazonChoiceHovered(int y) {
    if (y >= 0 && y <= kWithoutBlazonBottom)
        blazonChoice_->setToolTip(QStringLiteral("Ne pas inclure le blasonnement"));
    else if (y >= kWithBlazonTop && y <= kWithBlazonBottom)
        blazonChoice_->setToolTip(QStringLiteral("Inclure le blasonnement"));
}

void PrintDialog::colourChoicePressed(int x) {
    blackWhite_ = x > kColourRight;
    colourFrame_->move(blackWhite_ ? kBlackWhiteFrameLeft : kColourFrameLeft, 4);
}

void PrintDialog::colourChoiceHovered(int x) {
    colourChoice_->setToolTip(
        x <= kColourRight
            ? QStringLiteral("Imprimer en couleur")
            : QStringLiteral("Imprimer en noir et blanc, selon les conventions héraldiques"));
}

void PrintDialog::actionClicked() {
    if (state_->withBlazon && zoom() < kSmallestQuietTextZoom) {
        const int style = kStyleYesNo + kStyleExclamation + kStyleDefaultSecond;
        if (!input_.messages ||
            input_.messages->messageBox(QString::fromUtf8(kSmallZoomQuestion), style,
                                        actionButton_->text()) != MessageAnswer::Yes)
            return;
    }
    const PageOptions chosen = options();
    if (input_.act && input_.act(chosen)) finish(chosen);
}

}  // namespace tess
