#include "dialogs/colour_adjustment_dialog.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "actions/colour_adjustment.h"
#include "dialogs/small_shield.h"
#include "widgets/title_drag.h"

namespace tess {

namespace {

const QColor kTitleRed(0x80, 0, 0);
const QColor kParchment(0xF0, 0xE6, 0xC8);
constexpr int kClassicShape = 1;

QColor screenColour(Colour c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

// The two shields, each a black outline round its tincture. The shields are
// painted from the shape itself every time, so a colour that turned black or
// white never loses its swatch.
class SwatchPair : public QWidget {
  public:
    SwatchPair(QWidget* parent, const Colour* left, const Colour* right)
        : QWidget(parent), left_(left), right_(right) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), kParchment);
        // One each side of the step bar (x 23 to 38), the left one round
        // (7, 9), the right one round (52, 9).
        shield(p, QPoint(1, 1), *left_);
        shield(p, QPoint(46, 1), *right_);
    }

  private:
    static void shield(QPainter& p, QPoint at, Colour c) {
        // The classic shield's own proportions, 13 x 17 with its outline.
        const QSize box(13, 17);
        p.drawImage(at, shieldFigure(kClassicShape, box, Qt::black));
        p.drawImage(at + QPoint(1, 1),
                    shieldFigure(kClassicShape, box - QSize(2, 2), screenColour(c)));
    }
    const Colour* left_;
    const Colour* right_;
};

QLabel* label(QWidget* parent, const QString& text, const char* name, QRect box) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(box);
    return label;
}

QPushButton* button(QWidget* parent, const QString& text, const char* name, QRect box) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(box);
    return b;
}

}  // namespace

ColourAdjustmentDialog::ColourAdjustmentDialog(QWidget* parent) : ValueDialog<Colour>(parent) {
    setObjectName(QStringLiteral("colourAdjustmentDialog"));
    // No caption: like the other dialogs without one, no frame of its own,
    // and its title label names it and moves it.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(191, 146);
    makeDialogTitle(
        *label(this, QStringLiteral("Ajustement des couleurs"), "titleLabel", {20, 1, 170, 18}),
        *this);
    tinctureLabel_ = label(this, QString(), "tinctureLabel", {14, 28, 158, 18});
    QPalette pal = tinctureLabel_->palette();
    pal.setColor(QPalette::WindowText, kTitleRed);
    tinctureLabel_->setPalette(pal);

    swatches_ = new SwatchPair(this, &current_, &working_);
    swatches_->setObjectName(QStringLiteral("swatches"));
    swatches_->setGeometry(14, 50, 64, 19);
    // Between the shields: the up arrow steps up, the down arrow down. The
    // bar always returns to the middle, so each click is one step.
    stepBar_ = new QScrollBar(Qt::Vertical, swatches_);
    stepBar_->setObjectName(QStringLiteral("stepBar"));
    stepBar_->setRange(-1, 1);
    stepBar_->setValue(0);
    stepBar_->setGeometry(23, 0, 16, 18);
    connect(stepBar_, &QScrollBar::valueChanged, this, [this](int v) { step(-v); });

    auto* reset = button(this, QStringLiteral("Ré-Initialiser"), "resetButton", {97, 48, 78, 24});
    auto* ok = button(this, QStringLiteral("Ok"), "okButton", {14, 111, 78, 24});
    auto* cancel = button(this, QStringLiteral("Annuler"), "cancelButton", {97, 111, 78, 24});
    ok->setDefault(true);
    connect(reset, &QPushButton::clicked, this, [this] { resetToFactory(); });
    connect(ok, &QPushButton::clicked, this, [this] { finish(working_); });
    connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
}

void ColourAdjustmentDialog::open(const Input& input, State&, Done done) {
    tinctureLabel_->setText(input.tinctureName);
    current_ = input.current;
    factory_ = input.factory;
    working_ = input.current;
    swatches_->update();
    openFor(std::move(done));
}

void ColourAdjustmentDialog::step(int value) {
    working_ = StepAdjustedColour(working_, value);
    const QSignalBlocker quiet(stepBar_);
    stepBar_->setValue(0);
    swatches_->update();
}

void ColourAdjustmentDialog::resetToFactory() {
    working_ = factory_;
    swatches_->update();
}

}  // namespace tess
