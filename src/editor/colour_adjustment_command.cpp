#include "editor/colour_adjustment_command.h"

#include "actions/colour_adjustment.h"
#include "dialogs/colour_adjustment_dialog.h"
#include "dialogs/dialog_host.h"
#include "dialogs/message_layer.h"
#include "editor/document_session.h"
#include "editor/palettes.h"
#include "model/workspace.h"
#include "widgets/busy_pointer.h"
#include "widgets/utf8_text.h"

namespace tess {

void adjustTinctureColour(DocumentSession& session, DialogHost& dialogs,
                          TincturePalettePanel& palette, int tincture) {
    if (tincture < 1 || tincture > kTinctureCount) return;
    const TinctureEntry& entry = session.ws().Tinctures[tincture];
    DocumentSession* ctx = &session;
    TincturePalettePanel* panel = &palette;
    dialogs.get<ColourAdjustmentDialog>().open(
        {fromUtf8(entry.Name), Colour(entry.Colour), Colour(entry.DefaultColour)},
        dialogs.state<ColourAdjustmentDialog>(),
        [ctx, panel, tincture](const std::optional<Colour>& c) {
            if (!c) return;
            BusyPointer busy;
            const ColourAdjustment done = ApplyTinctureColour(ctx->ws(), ctx->r(), tincture, *c);
            panel->paint(ctx->ws().Tinctures);
            ctx->show(done.redraw);
            busy.release();
            // The colour stays for this run; the next start will not have it.
            if (!done.fileError.empty())
                ctx->messages().messageBox(
                    QStringLiteral("La couleur ne pourra pas être retrouvée au prochain "
                                   "démarrage :\n") +
                        fromUtf8(done.fileError),
                    kStyleExclamation, QStringLiteral("Tessaline"));
        });
}

}  // namespace tess
