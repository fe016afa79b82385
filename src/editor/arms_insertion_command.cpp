#include "editor/arms_insertion_command.h"

#include "actions/insert_arms_command.h"
#include "dialogs/message_layer.h"
#include "editor/document_dialogs.h"
#include "editor/editor_context.h"
#include "model/workspace.h"
#include "widgets/utf8_text.h"

namespace tess {

void insertArms(const EditorContext& context, int part) {
    MessageLayer& messages = context.messages;
    const std::string folder = context.ws.Recent.LastDocFolder;
    const InsertOutcome out = InsertArmsCommand(
        context.ws, context.r, part,
        [&messages, &folder] {
            return messages
                .openFile(QStringLiteral("Insérer un blason"), fromUtf8(folder),
                          QStringLiteral("Varodez (*.bls)"))
                .toUtf8()
                .toStdString();
        },
        documentFileDialogs(messages, context.ws));
    if (out.inserted) {
        context.show(out.redraw);
    } else {
        // The undo step of a started insertion marks the title all the same.
        context.refreshTitle();
        messages.show(out.message);
    }
}

}  // namespace tess
