#include "editor/arms_insertion_command.h"

#include "actions/insert_arms_command.h"
#include "dialogs/message_layer.h"
#include "editor/document_session.h"
#include "model/workspace.h"
#include "widgets/utf8_text.h"

namespace tess {

void insertArms(DocumentSession& session, int part) {
    MessageLayer& messages = session.messages();
    const std::string folder = session.ws().Recent.LastDocFolder;
    const InsertOutcome out = InsertArmsCommand(
        session.ws(), session.r(), part,
        [&messages, &folder] {
            return messages
                .openFile(QStringLiteral("Insérer un blason"), fromUtf8(folder),
                          QStringLiteral("Varodez (*.bls)"))
                .toUtf8()
                .toStdString();
        },
        session.fileDialogs());
    if (out.inserted) {
        session.show(out.redraw);
        return;
    }
    // The undo step of a started insertion marks the title all the same.
    if (out.changed) session.showTitle();
    messages.show(out.message);
}

}  // namespace tess
