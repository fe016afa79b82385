#include "dialogs/picture_properties_dialog.h"

#include <algorithm>

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include "actions/picture_commands.h"
#include "dialogs/message_layer.h"
#include "platform/qimage_bridge.h"
#include "widgets/title_drag.h"

namespace tess {

namespace {

constexpr QColor kDarkRed(0x80, 0, 0);
// The picture box's ground and the part of the picture it shows.
constexpr int kGroundWidth = 96, kGroundHeight = 95;
constexpr int kShownSide = 80;
constexpr Colour kGround = 0xC0C0C0;
constexpr Colour kGroundShade = 0x808080;

QLabel* label(QWidget* parent, const char* name, QRect box) {
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(box);
    l->setTextFormat(Qt::PlainText);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, kDarkRed);
    l->setPalette(p);
    return l;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, QRect box) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(box);
    // Enter acts on its release in the phrase box, never on its press.
    b->setAutoDefault(false);
    return b;
}

// A grey ground with a shaded edge on its right and bottom.
Surface ground() {
    Surface s(kGroundWidth, kGroundHeight, kGround);
    s.fill(kGround);
    for (int y = 0; y < kGroundHeight; ++y) s.row(y)[kGroundWidth - 1] = kGroundShade;
    std::fill_n(s.row(kGroundHeight - 1), kGroundWidth, kGroundShade);
    return s;
}

}  // namespace

PicturePropertiesDialog::PicturePropertiesDialog(QWidget* parent) : ValueDialog(parent) {
    setObjectName(QStringLiteral("picturePropertiesDialog"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(312, 224);

    titleLabel_ = label(this, "titleLabel", QRect(19, 2, 273, 17));
    titleLabel_->setText(QStringLiteral("Propriétés du meuble"));
    QFont bold = titleLabel_->font();
    bold.setBold(true);
    titleLabel_->setFont(bold);
    titleLabel_->setCursor(Qt::SizeAllCursor);
    dragWindowByTitle(*titleLabel_, *this);

    helpButton_ = button(this, "helpButton", QStringLiteral("?"), QRect(296, 1, 15, 14));
    helpButton_->setToolTip(QStringLiteral("Aide contextuelle"));
    connect(helpButton_, &QPushButton::clicked, this, [this] {
        if (onHelp) onHelp(kHelpTopic);
    });

    pictureView_ = new QLabel(this);
    pictureView_->setObjectName(QStringLiteral("pictureView"));
    pictureView_->setGeometry(8, 23, kGroundWidth, kGroundHeight);
    pictureView_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    nameLabel_ = label(this, "nameLabel", QRect(105, 28, 202, 17));
    sizeLabel_ = label(this, "sizeLabel", QRect(105, 57, 202, 17));
    useLabel_ = label(this, "useLabel", QRect(106, 86, 201, 17));
    label(this, "promptLabel", QRect(9, 120, 292, 15))
        ->setText(QStringLiteral("Expression à employer pour blasonner ce meuble:"));

    phraseBox_ = new QLineEdit(this);
    phraseBox_->setObjectName(QStringLiteral("phraseBox"));
    phraseBox_->setGeometry(9, 135, 292, 21);
    phraseBox_->installEventFilter(this);

    okButton_ = button(this, "okButton", QStringLiteral("Ok"), QRect(142, 189, 75, 23));
    cancelButton_ =
        button(this, "cancelButton", QStringLiteral("Annuler"), QRect(222, 189, 75, 23));
    connect(okButton_, &QPushButton::clicked, this, [this] { confirm(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { reject(); });
}

void PicturePropertiesDialog::open(const Input& input, State&, Done done) {
    start(input);
    openFor(std::move(done));
}

void PicturePropertiesDialog::start(const Input& input) {
    nameLabel_->setText(input.nameCaption);
    sizeLabel_->setText(input.sizeCaption);
    useLabel_->setText(input.useCaption);
    phraseBox_->setText(input.phrase);
    const Surface& picture = input.picture;
    const Surface& mask = input.mask;

    shown_ = ground();
    const int w = std::min({kShownSide, picture.width(), mask.width()});
    const int h = std::min({kShownSide, picture.height(), mask.height()});
    if (w > 0 && h > 0) {
        BitBlt(shown_, 0, 0, w, h, mask, 0, 0, RasterOp::And);
        BitBlt(shown_, 0, 0, w, h, picture, 0, 0, RasterOp::Xor);
    }
    pictureView_->setPixmap(QPixmap::fromImage(toQImage(shown_)));
}

QString PicturePropertiesDialog::phrase() const {
    return phraseBox_->text();
}

void PicturePropertiesDialog::confirm() {
    // A document stores its phrases in Windows-1252: a phrase it cannot hold
    // is refused here, while the user can still mend it.
    const std::string problem = PicturePhraseProblem(phraseBox_->text().toStdString());
    if (!problem.empty()) {
        if (messages_)
            messages_->messageBox(QString::fromStdString(problem), 48,
                                  QStringLiteral("Propriétés du meuble"));
        phraseBox_->setFocus();
        return;
    }
    finish(phraseBox_->text());
}

bool PicturePropertiesDialog::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (watched == phraseBox_ && type == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) confirm();
        return false;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace tess
