#include "editor/line_style_command.h"

#include "actions/redraw_shield.h"
#include "dialogs/dialog_host.h"
#include "dialogs/line_style_dialog.h"
#include "editor/document_session.h"
#include "model/workspace.h"

namespace tess {

void editLineStyle(DocumentSession& session, DialogHost& dialogs, EdgeLine edge) {
    DocumentSession* ctx = &session;
    const LineStyleSubject subject = LineStyleSubjectOf(session.ws().CurrentBlazon, edge);
    const int part = subject.part;
    auto& dialog = dialogs.get<LineStyleDialog>();
    dialog.onApply = [ctx, part](const LineStyle& style) {
        ctx->show(ApplyLineStyle(ctx->ws(), ctx->r(), part, style, UndoStep::None));
    };
    dialog.open(
        {subject.style, subject.diagonal, subject.pieceWidth}, dialogs.state<LineStyleDialog>(),
        [ctx, part](const std::optional<LineStyle>& style) {
            if (style) {
                ctx->show(ApplyLineStyle(ctx->ws(), ctx->r(), part, *style, UndoStep::Take));
                return;
            }
            // "Annuler" redraws what is stored, an applied style included.
            ctx->redraw();
        });
}

}  // namespace tess
