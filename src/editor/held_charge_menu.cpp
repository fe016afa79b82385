#include "editor/held_charge_menu.h"

#include <QAction>
#include <QMenu>

#include "actions/charge_edits.h"
#include "dialogs/message_layer.h"
#include "editor/charge_arrangement_command.h"
#include "editor/clipboard_commands.h"
#include "editor/document_session.h"
#include "editor/held_charge_state.h"
#include "editor/held_charge_tool.h"
#include "editor/menu_items.h"
#include "editor/picture_properties_command.h"
#include "model/workspace.h"

namespace tess {

namespace {

constexpr const char* kMirrorGroupQuestion =
    "Ce meuble fait partie d'un motif totalisant %1 meuble(s). Désirez-vous inverser tous les "
    "meubles de ce motif? Sinon, seul ce meuble sera inversé.";

}  // namespace

HeldChargeMenu::HeldChargeMenu(QWidget& window, HeldChargeTool& tool, ClipboardCommands& clipboard,
                               DialogHost& dialogs, DocumentSession& session)
    : QObject(&window), tool_(tool), dialogs_(dialogs), session_(session) {
    menu_ = makeMenu(window, "heldChargeMenu");
    mirrorChargeAction_ = addItem(*menu_, "mirrorChargeAction", "&Inversion symétrique", true);
    chargeOverAllAction_ = addItem(*menu_, "chargeOverAllAction", "&Brocher sur le tout", true);
    makeGroupAction_ = addItem(*menu_, "makeGroupAction", "Créer un &motif");
    menu_->addSeparator();
    copyChargeAction_ = addItem(*menu_, "copyChargeAction", "&Copier");
    deleteHeldChargeAction_ = addItem(*menu_, "deleteHeldChargeAction", "&Supprimer");
    menu_->addSeparator();
    chargePropertiesAction_ = addItem(*menu_, "chargePropertiesAction", "&Propriétés");

    connect(deleteHeldChargeAction_, &QAction::triggered, this, [this] { tool_.deleteHeld(); });
    connect(mirrorChargeAction_, &QAction::triggered, this, [this] { mirrorHeld(); });
    connect(chargeOverAllAction_, &QAction::triggered, this, [this] { toggleOverAll(); });
    connect(copyChargeAction_, &QAction::triggered, &clipboard,
            [&clipboard] { clipboard.copyHeld(); });
    connect(makeGroupAction_, &QAction::triggered, this,
            [this] { arrangeHeldCharge(session_, dialogs_, tool_); });
    // Not offered for a charge whose picture has left the bank.
    connect(menu_, &QMenu::aboutToShow, this,
            [this] { makeGroupAction_->setEnabled(canArrangeHeldCharge(session_)); });
    connect(chargePropertiesAction_, &QAction::triggered, this, [this] { showProperties(); });
    connect(&tool_, &HeldChargeTool::menuRequested, this, &HeldChargeMenu::popup);
}

void HeldChargeMenu::popup(QPoint globalAt) {
    const int held = tool_.state().heldCharge();
    for (QAction* a : {mirrorChargeAction_, chargeOverAllAction_, makeGroupAction_,
                       copyChargeAction_, chargePropertiesAction_})
        a->setEnabled(held != 0);
    if (held != 0) {
        const ChargeRecord& c = session_.ws().CurrentBlazon.Charges[std::size_t(held)];
        chargeOverAllAction_->setChecked(c.Brochant != 0);
        mirrorChargeAction_->setChecked(c.Mirrored != 0);
    }
    session_.messages().popup(*menu_, globalAt, deleteHeldChargeAction_);
}

void HeldChargeMenu::mirrorHeld() {
    if (tool_.state().heldCharge() == 0) return;
    const bool wholeGroup = askAboutHeldGroup(session_, kMirrorGroupQuestion);
    const EditOutcome outcome = MirrorHeldCharge(session_.ws(), session_.r(), wholeGroup);
    if (!outcome) return;
    session_.show(outcome);
    tool_.refreshPicture();
}

void HeldChargeMenu::toggleOverAll() {
    if (tool_.state().heldCharge() != 0)
        session_.show(ToggleHeldChargeOverAll(session_.ws(), session_.r()));
}

void HeldChargeMenu::showProperties() {
    const int held = tool_.state().heldCharge();
    if (held < 1 || held > kChargeCount) return;
    openPictureProperties(session_, dialogs_,
                          session_.ws().CurrentBlazon.Charges[std::size_t(held)].ImageIndex);
}

}  // namespace tess
