#include "editor/editor_context.h"

#include "dialogs/message_layer.h"

namespace tess {

void EditorContext::show(const EditOutcome& outcome) const {
    if (outcome.redraw)
        showRedraw(*outcome.redraw);
    else if (outcome.changed)
        showTitle();
    messages.show(outcome.message);
}

}  // namespace tess
