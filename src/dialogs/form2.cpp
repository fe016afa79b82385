#include "dialogs/form2.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "dialogs/small_shield.h"
#include "editor/ui_pictures.h"

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

Form2::Form2(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Patience..."));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kWaitHeight);
    setWindowIcon(programIconImage());
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
    setAutoFillBackground(true);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(kLabelBox);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setWordWrap(true);
    // A file name in a question is shown letter for letter, never read as markup.
    Label1->setTextFormat(Qt::PlainText);
    Label1->setText(QStringLiteral("Label1"));

    Command2 = new QPushButton(QStringLiteral("Oui"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(kOuiBox);
    Command2->hide();
    Command1 = new QPushButton(QStringLiteral("Non"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(kNonBox);
    Command1->hide();

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void Form2::setMessage(const QString& text) {
    // The callers start their text with a carriage return so that it shows one
    // line down; a label breaks lines on "\n" only.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QChar('\r'), QChar('\n'));
    Label1->setText(shown);
}

void Form2::makeQuestion(const QString& caption, const QString& text) {
    setWindowTitle(caption);
    setFixedSize(kClientWidth, kQuestionHeight);
    Command1->show();
    Command2->show();
    // Enter presses the focused button, "Non" at first; Escape and the frame's
    // close reject, which is "Non" too.
    Command1->setAutoDefault(true);
    Command2->setAutoDefault(true);
    setMessage(text);
}

Byte Form2::ask() {
    ConfirmAnswer = 1;
    exec();
    return ConfirmAnswer;
}

void Form2::Command1_Click() {
    ConfirmAnswer = 1;
    hide();
    accept();
}

void Form2::Command2_Click() {
    ConfirmAnswer = 2;
    hide();
    accept();
}

void Form2::Form_Activate() {
    if (Command1->isVisible()) {
        Command1->setFocus();
        // A caller may have left the hourglass on; a question wants the arrow.
        while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
    }
}

void Form2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Form_Activate();
}

void Form2::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(0, 0, smallShieldPicture());
}

}  // namespace tess
