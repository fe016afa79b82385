#include "editor/document_session.h"

#include <QDir>
#include <QFile>

#include "actions/redraw_shield.h"
#include "dialogs/message_layer.h"
#include "widgets/utf8_text.h"

namespace tess {

DocumentSession::DocumentSession(MessageLayer& messages) : messages_(messages) {
    ws_.ui = this;
}

DocumentSession::~DocumentSession() = default;

void DocumentSession::show(const RedrawResult& result) {
    emit redrawn(result);
}

void DocumentSession::show(const EditOutcome& outcome) {
    if (outcome.redraw)
        show(*outcome.redraw);
    else if (outcome.changed)
        showTitle();
    messages_.show(outcome.message);
}

void DocumentSession::redraw() {
    show(RedrawShield(ws_, r_));
}

void DocumentSession::showTitle() {
    emit titleChanged();
}

FileDialogs DocumentSession::fileDialogs() {
    FileDialogs d;
    MessageLayer& messages = messages_;
    d.askYesNo = [&messages](const std::string& text, const std::string& title) {
        return messages.messageBox(fromUtf8(text), kStyleYesNo + kStyleExclamation,
                                   fromUtf8(title)) == MessageAnswer::Yes;
    };
    d.confirm = [&messages](const std::string& text) { return messages.confirm(fromUtf8(text)); };
    // File names and folders are the system's bytes: decoded for the dialog,
    // its answer encoded back, never round-tripped through UTF-8 text. The
    // dialog starts with the missing file's name in its name box: a start
    // that names a file selects it.
    d.pickFile = [this](const std::string& title, const std::string& fileName) {
        const QString name = QFile::decodeName(QByteArray::fromStdString(fileName));
        const QString folder =
            QFile::decodeName(QByteArray::fromStdString(ws_.Recent.LastDocFolder));
        return QFile::encodeName(
                   messages_.openFile(fromUtf8(title),
                                      folder.isEmpty() ? name : QDir(folder).filePath(name),
                                      name + QStringLiteral(" (") + name + QStringLiteral(")")))
            .toStdString();
    };
    return d;
}

void DocumentSession::showWaitBox(const std::string& text) {
    messages_.showWait(fromUtf8(text));
}

void DocumentSession::hideWaitBox() {
    messages_.hideWait();
}

}  // namespace tess
