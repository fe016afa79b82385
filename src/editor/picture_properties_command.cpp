#include "editor/picture_properties_command.h"

#include "actions/picture_commands.h"
#include "dialogs/dialog_host.h"
#include "dialogs/picture_properties_dialog.h"
#include "editor/document_session.h"
#include "render/renderer.h"
#include "widgets/utf8_text.h"

namespace tess {

void openPictureProperties(DocumentSession& session, DialogHost& dialogs, int slot) {
    const auto props = PicturePropertiesOf(session.ws(), slot);
    if (!props) return;
    const BankPicture& bank = session.r().Charges.bank(slot);
    auto& dialog = dialogs.get<PicturePropertiesDialog>();
    DocumentSession* ctx = &session;
    dialog.open(
        {fromUtf8(props->nameCaption), fromUtf8(props->sizeCaption), fromUtf8(props->useCaption),
         fromUtf8(props->phrase), bank.picture, bank.mask},
        dialogs.state<PicturePropertiesDialog>(),
        [ctx, slot](const std::optional<QString>& phrase) {
            if (!phrase) return;
            ctx->show(SetPicturePhrase(ctx->ws(), ctx->r(), slot, phrase->toUtf8().toStdString()));
        });
}

}  // namespace tess
