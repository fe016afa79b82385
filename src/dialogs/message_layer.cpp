#include "dialogs/message_layer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include "dialogs/question_box.h"

namespace tess {

bool MessageLayer::confirm(const QString& text, const QString& caption) {
    ConfirmAnswer = kAnswerNon;
    ConfirmAnswer = askQuestion(caption, text) == kAnswerOui ? kAnswerOui : kAnswerNon;
    return ConfirmAnswer == kAnswerOui;
}

QString buttonCaption(MessageAnswer answer) {
    switch (answer) {
        case MessageAnswer::Ok:
            return QStringLiteral("OK");
        case MessageAnswer::Cancel:
            return QStringLiteral("Annuler");
        case MessageAnswer::Abort:
            return QStringLiteral("Abandonner");
        case MessageAnswer::Retry:
            return QStringLiteral("Réessayer");
        case MessageAnswer::Ignore:
            return QStringLiteral("Ignorer");
        case MessageAnswer::Yes:
            return QStringLiteral("Oui");
        case MessageAnswer::No:
            return QStringLiteral("Non");
    }
    return QStringLiteral("OK");
}

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::ButtonRole roleOf(MessageAnswer answer) {
    switch (answer) {
        case MessageAnswer::Yes:
            return QMessageBox::YesRole;
        case MessageAnswer::No:
            return QMessageBox::NoRole;
        case MessageAnswer::Cancel:
            return QMessageBox::RejectRole;
        default:
            return QMessageBox::AcceptRole;
    }
}

}  // namespace

WidgetMessages::WidgetMessages(QWidget* parent) : parent_(parent) {}
WidgetMessages::~WidgetMessages() = default;

void MessageLayer::show(const FileMessage& message) {
    if (message.empty()) return;
    int style = kStyleOk;
    if (message.icon == FileMessage::Icon::Critical) style = kStyleCritical;
    if (message.icon == FileMessage::Icon::Exclamation) style = kStyleExclamation;
    messageBox(QString::fromStdString(message.text), style, QString::fromStdString(message.title));
}

MessageAnswer WidgetMessages::messageBox(const QString& text, int style, const QString& title) {
    const MessageStyle s = decodeMessageStyle(style);
    QMessageBox box(boxIcon(s.icon), title, text, QMessageBox::NoButton, parent_);
    // The texts name files and pictures: shown as they stand, never as markup.
    box.setTextFormat(Qt::PlainText);
    QAbstractButton* escape = nullptr;
    std::vector<std::pair<QAbstractButton*, MessageAnswer>> buttons;
    for (int i = 0; i < s.count(); ++i) {
        const MessageAnswer a = s.button(i);
        QPushButton* b = box.addButton(buttonCaption(a), roleOf(a));
        buttons.emplace_back(b, a);
        if (i == s.defaultIndex) box.setDefaultButton(b);
        if (a == s.escapeAnswer()) escape = b;
    }
    if (escape) box.setEscapeButton(escape);
    // The hourglass of a long step must not hide the box's buttons.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (busy) QApplication::restoreOverrideCursor();
    for (const auto& [button, answer] : buttons)
        if (box.clickedButton() == button) return answer;
    return s.escapeAnswer();
}

Byte WidgetMessages::askQuestion(const QString& caption, const QString& text) {
    QuestionBox box(parent_);
    box.makeQuestion(caption, text);
    return box.ask();
}

void WidgetMessages::showWait(const QString& text) {
    if (!waitBox_) waitBox_ = std::make_unique<QuestionBox>();
    waitBox_->setMessage(text);
    waitBox_->show();
    waitBox_->raise();
    // One turn of the event loop so the box paints before the long step.
    QApplication::processEvents();
}

void WidgetMessages::hideWait() {
    if (waitBox_) waitBox_->hide();
}

QAction* WidgetMessages::popup(QMenu& menu, const QPoint& at, QAction* defaultItem) {
    menu.setDefaultAction(defaultItem);
    return menu.exec(at);
}

QString WidgetMessages::openFile(const QString& title, const QString& folder,
                                 const QString& filter) {
    return QFileDialog::getOpenFileName(parent_, title, folder, filter);
}

QString WidgetMessages::saveFile(const QString& title, const QString& folder, const QString& filter,
                                 const QString& preset) {
    // A start that names a file selects it: its name fills the name box.
    QString start = folder;
    if (!preset.isEmpty())
        start = QDir::isAbsolutePath(preset) || folder.isEmpty() ? preset
                                                                 : QDir(folder).filePath(preset);
    return QFileDialog::getSaveFileName(parent_, title, start, filter);
}

QString dialogFilter(const QString& pairs) {
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList lines;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString& pattern = parts[i + 1];
        if (description.isEmpty() && pattern.isEmpty()) continue;
        lines << (description.contains(QLatin1Char('(') + pattern + QLatin1Char(')'))
                      ? description
                      : description + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    return lines.join(QStringLiteral(";;"));
}

}  // namespace tess
