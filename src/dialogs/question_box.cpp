#include "dialogs/question_box.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "dialogs/small_shield.h"

namespace tess {

namespace {

// The box's layout in pixels (its design is 15 twips to the pixel).
constexpr int kClientWidth = 463;    // 6945 twips
constexpr int kWaitHeight = 66;      // 990 twips
constexpr int kQuestionHeight = 93;  // outer 1755 twips less the frame's caption
const QRect kLabelBox(65, 8, 394, 52);
const QRect kOuiBox(198, 62, 76, 23);
const QRect kNonBox(277, 62, 76, 23);

}  // namespace

QuestionBox::QuestionBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("QuestionBox"));
    setWindowTitle(QStringLiteral("Patience..."));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kWaitHeight);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
    setAutoFillBackground(true);

    messageLabel = new QLabel(this);
    messageLabel->setObjectName(QStringLiteral("messageLabel"));
    messageLabel->setGeometry(kLabelBox);
    messageLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    messageLabel->setWordWrap(true);
    // A file name in a question is shown letter for letter, never read as markup.
    messageLabel->setTextFormat(Qt::PlainText);
    messageLabel->clear();

    yesButton = new QPushButton(QStringLiteral("Oui"), this);
    yesButton->setObjectName(QStringLiteral("yesButton"));
    yesButton->setGeometry(kOuiBox);
    yesButton->hide();
    noButton = new QPushButton(QStringLiteral("Non"), this);
    noButton->setObjectName(QStringLiteral("noButton"));
    noButton->setGeometry(kNonBox);
    noButton->hide();

    connect(noButton, &QPushButton::clicked, this, [this] { noClicked(); });
    connect(yesButton, &QPushButton::clicked, this, [this] { yesClicked(); });
}

void QuestionBox::setMessage(const QString& text) {
    // The callers start their text with a carriage return so that it shows one
    // line down; a label breaks lines on "\n" only.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QChar('\r'), QChar('\n'));
    messageLabel->setText(shown);
}

void QuestionBox::makeQuestion(const QString& caption, const QString& text) {
    setWindowTitle(caption);
    setFixedSize(kClientWidth, kQuestionHeight);
    noButton->show();
    yesButton->show();
    // Enter presses the focused button, "Non" at first; Escape and the frame's
    // close reject, which is "Non" too.
    noButton->setAutoDefault(true);
    yesButton->setAutoDefault(true);
    setMessage(text);
}

Byte QuestionBox::ask() {
    ConfirmAnswer = 1;
    exec();
    return ConfirmAnswer;
}

void QuestionBox::noClicked() {
    ConfirmAnswer = 1;
    hide();
    accept();
}

void QuestionBox::yesClicked() {
    ConfirmAnswer = 2;
    hide();
    accept();
}

void QuestionBox::activated() {
    if (noButton->isVisible()) {
        noButton->setFocus();
        // A caller may have left the hourglass on; a question wants the arrow.
        while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
    }
}

void QuestionBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    activated();
}

void QuestionBox::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(0, 0, smallShieldPicture());
}

}  // namespace tess
