#include "editor/fur_menu.h"

#include <QAction>
#include <QMenu>

#include "actions/user_fur_commands.h"
#include "dialogs/dialog_host.h"
#include "dialogs/fur_editor_dialog.h"
#include "dialogs/message_layer.h"
#include "editor/document_session.h"
#include "editor/menu_items.h"
#include "editor/palettes.h"
#include "model/workspace.h"
#include "platform/paths.h"
#include "render/renderer.h"
#include "storage/locate_missing_file.h"
#include "widgets/busy_pointer.h"
#include "widgets/picture_box.h"
#include "widgets/utf8_text.h"

namespace tess {

namespace {

std::string toUtf8(const QString& text) {
    return text.toUtf8().toStdString();
}

// Yes/No, the question icon, "Non" the default button.
constexpr int kStyleDeleteQuestion = kStyleYesNo + kStyleQuestion + kStyleDefaultSecond;

}  // namespace

FurMenu::FurMenu(QWidget& window, FurPalettePanel& panel, DialogHost& dialogs,
                 DocumentSession& session, std::function<void(int topic)> help)
    : QObject(&window),
      panel_(panel),
      dialogs_(dialogs),
      session_(session),
      help_(std::move(help)) {
    menu_ = makeMenu(window, "furMenu");
    defineUserFurAction_ =
        addItem(*menu_, "defineUserFurAction", "Définir une &Fourrure personnalisée (semer)");
    addSeparator(*menu_, "furSeparator");
    editUserFurAction_ =
        addItem(*menu_, "editUserFurAction", "&Modifier la Fourrure personnalisée");
    deleteUserFurAction_ =
        addItem(*menu_, "deleteUserFurAction", "&Supprimer la Fourrure personnalisée");
    connect(defineUserFurAction_, &QAction::triggered, this, [this] { defineUserFur(); });
    connect(editUserFurAction_, &QAction::triggered, this, [this] { editUserFur(furSlotIndex_); });
    connect(deleteUserFurAction_, &QAction::triggered, this,
            [this] { deleteUserFur(furSlotIndex_); });
}

void FurMenu::paletteTouched() {
    bool freeSlot = false;
    for (PictureBox* swatch : panel_.userFurSwatches()) freeSlot |= swatch->isHidden();
    defineUserFurAction_->setEnabled(freeSlot);
}

void FurMenu::popupForPalette(QPoint globalAt) {
    deleteUserFurAction_->setText(QStringLiteral("Supprimer"));
    deleteUserFurAction_->setEnabled(false);
    editUserFurAction_->setText(QStringLiteral("Modifier"));
    editUserFurAction_->setEnabled(false);
    session_.messages().popup(*menu_, globalAt, nullptr);
}

void FurMenu::popupForSlot(int slot, QPoint globalAt) {
    furSlotIndex_ = Byte(slot);
    const QString name =
        fromUtf8(FileNameOfPath(session_.ws().CurrentBlazon.UserFurs[std::size_t(slot)].Path));
    deleteUserFurAction_->setText(QStringLiteral("Supprimer ") + name);
    deleteUserFurAction_->setEnabled(true);
    editUserFurAction_->setText(QStringLiteral("Modifier ") + name);
    editUserFurAction_->setEnabled(true);
    session_.messages().popup(*menu_, globalAt, nullptr);
}

void FurMenu::editFromSwatch(int slot) {
    furSlotIndex_ = Byte(slot);
    // The menu's own item, whatever state it was left in.
    const bool enabled = editUserFurAction_->isEnabled();
    editUserFurAction_->setEnabled(true);
    editUserFurAction_->trigger();
    editUserFurAction_->setEnabled(enabled);
}

void FurMenu::defineUserFur() {
    const auto slot = FreeUserFurSlot(session_.r());
    if (!slot) return;
    furSlotIndex_ = Byte(*slot);
    openFurEditor(*slot);
}

void FurMenu::editUserFur(int slot) {
    if (slot < 0 || slot >= kUserFurCount) return;
    furSlotIndex_ = Byte(slot);
    openFurEditor(slot);
}

void FurMenu::openFurEditor(int slot) {
    const UserFurRecord& fur = session_.ws().CurrentBlazon.UserFurs[std::size_t(slot)];
    FurEditorSubject subject;
    subject.path = fur.Path;
    subject.tileWidth = fur.TileWidth;
    subject.tileHeight = fur.TileHeight;
    subject.rowShift = fur.VerticalOffset;
    subject.tinctures = session_.ws().Tinctures;
    subject.lastFolder = session_.ws().Recent.LastFurFolder;

    FurEditorDialog& editor = dialogs_.get<FurEditorDialog>();
    MessageLayer& messages = session_.messages();
    editor.hooks.openFile = [&messages](const QString& title, const QString& folder,
                                        const QString& filter) {
        return toUtf8(messages.openFile(title, folder, filter));
    };
    editor.hooks.saveFile = [&messages](const QString& title, const QString& folder,
                                        const QString& name, const QString& filter) {
        return toUtf8(messages.saveFile(title, folder, filter, name));
    };
    editor.hooks.message = [&messages](const QString& text, int style, const QString& title) {
        messages.messageBox(text, style, title);
    };
    editor.hooks.confirm = [this](const std::string& question) {
        return session_.fileDialogs().confirmed(question);
    };
    editor.hooks.locateMissing = [this](const std::string& path) {
        return LocateMissingFile(path, true, session_.fileDialogs());
    };
    editor.hooks.help = [this](int context) {
        if (help_) help_(context);
    };
    editor.hooks.store = [this, slot](const FurDraft& draft) {
        BusyPointer busy;
        const FurStoring out = StoreUserFur(session_.ws(), session_.r(), slot, draft);
        busy.release();
        if (!out.stored) {
            session_.messages().show(out.message);
            return false;
        }
        panel_.showUserFurSwatch(slot, session_.r());
        session_.show(out.redraw);
        return true;
    };
    editor.open(subject, dialogs_.state<FurEditorDialog>(),
                [this, &editor](const std::optional<FurDraft>&) {
                    // The folder of the last fur dialog is kept, stored or not.
                    session_.ws().Recent.LastFurFolder = editor.lastFolder();
                });
}

void FurMenu::deleteUserFur(int slot) {
    if (slot < 0 || slot >= kUserFurCount) return;
    const auto shown = DeleteUserFur(session_.ws(), session_.r(), slot,
                                     [this](const std::string& text, const std::string& title) {
                                         return session_.messages().messageBox(
                                                    fromUtf8(text), kStyleDeleteQuestion,
                                                    fromUtf8(title)) == MessageAnswer::Yes;
                                     });
    session_.show(shown);
}

}  // namespace tess
