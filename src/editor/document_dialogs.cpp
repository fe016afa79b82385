#include "editor/document_dialogs.h"

#include <QDir>
#include <QFile>

#include "dialogs/message_layer.h"
#include "model/workspace.h"
#include "widgets/utf8_text.h"

namespace tess {

FileDialogs documentFileDialogs(MessageLayer& messages, const Workspace& ws) {
    FileDialogs d;
    d.askYesNo = [&messages](const std::string& text, const std::string& title) {
        return messages.messageBox(fromUtf8(text), kStyleYesNo + kStyleExclamation,
                                   fromUtf8(title)) == MessageAnswer::Yes;
    };
    d.confirm = [&messages](const std::string& text) { return messages.confirm(fromUtf8(text)); };
    // File names and folders are the system's bytes: decoded for the dialog,
    // its answer encoded back, never round-tripped through UTF-8 text. The
    // dialog starts with the missing file's name in its name box: a start
    // that names a file selects it.
    d.pickFile = [&messages, &ws](const std::string& title, const std::string& fileName) {
        const QString name = QFile::decodeName(QByteArray::fromStdString(fileName));
        const QString folder =
            QFile::decodeName(QByteArray::fromStdString(ws.Recent.LastDocFolder));
        return QFile::encodeName(
                   messages.openFile(fromUtf8(title),
                                     folder.isEmpty() ? name : QDir(folder).filePath(name),
                                     name + QStringLiteral(" (") + name + QStringLiteral(")")))
            .toStdString();
    };
    return d;
}

}  // namespace tess
