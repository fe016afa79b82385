#include "editor/fur_and_colour_menus.h"
#include "widgets/utf8_text.h"

#include <QAction>

#include "actions/colour_adjustment.h"
#include "actions/insert_arms_command.h"
#include "actions/user_fur_commands.h"
#include "dialogs/blazon_language_dialog.h"
#include "dialogs/colour_adjustment_dialog.h"
#include "dialogs/dialog_host.h"
#include "dialogs/fur_editor_dialog.h"
#include "dialogs/message_layer.h"
#include "editor/main_window.h"
#include "editor/palettes.h"
#include "model/tinctures.h"
#include "model/workspace.h"
#include "platform/qimage_bridge.h"
#include "render/renderer.h"
#include "storage/locate_missing_file.h"
#include "widgets/busy_pointer.h"
#include "widgets/picture_box.h"

namespace tess {

namespace {

std::string toUtf8(const QString& text) {
    return text.toUtf8().toStdString();
}

// Yes/No, the question icon, "Non" the default button.
constexpr int kStyleDeleteQuestion = kStyleYesNo + kStyleQuestion + kStyleDefaultSecond;

}  // namespace

FurAndColourMenus::FurAndColourMenus(MainWindow& window) : QObject(&window), window_(window) {
    DialogHost& dialogs = window_.dialogs();
    dialogs.add<ColourAdjustmentDialog>();
    dialogs.add<FurEditorDialog>();
    // Made hidden with the others at start-up; nothing opens it, the blazon
    // being always written in French.
    dialogs.add<BlazonLanguageDialog>();
    connectMenus();
}

void FurAndColourMenus::connectMenus() {
    const EditorMenus& m = window_.menus;
    connect(m.defineUserFurAction, &QAction::triggered, this, [this] { defineUserFur(); });
    connect(m.editUserFurAction, &QAction::triggered, this,
            [this] { editUserFur(window_.furPanel->FurSlotIndex); });
    connect(m.deleteUserFurAction, &QAction::triggered, this,
            [this] { deleteUserFur(window_.furPanel->FurSlotIndex); });
    // The popups leave what they were opened on in the item's data: the
    // tincture under the pointer, the part under the pointer.
    connect(m.adjustColourAction, &QAction::triggered, this,
            [this] { adjustTinctureColour(window_.menus.adjustColourAction->data().toInt()); });
    connect(m.insertArmsOnPartAction, &QAction::triggered, this,
            [this] { insertArms(window_.menus.insertArmsOnPartAction->data().toInt()); });
    connect(m.insertArmsOnPieceAction, &QAction::triggered, this,
            [this] { insertArms(kFirstOrderZone); });
}

void FurAndColourMenus::adjustTinctureColour(int tincture) {
    if (tincture < 1 || tincture > kTinctureCount) return;
    const EditorContext& ctx = window_.context();
    const TinctureEntry& entry = ctx.ws.Tinctures[tincture];
    DialogHost& dialogs = window_.dialogs();
    dialogs.get<ColourAdjustmentDialog>().open(
        {fromUtf8(entry.Name), Colour(entry.Colour), Colour(entry.DefaultColour)},
        dialogs.state<ColourAdjustmentDialog>(), [this, tincture](const std::optional<Colour>& c) {
            if (!c) return;
            const EditorContext& ctx = window_.context();
            BusyPointer busy;
            const ColourAdjustment done = ApplyTinctureColour(ctx.ws, ctx.r, tincture, *c);
            window_.tincturePanel->paint(ctx.ws.Tinctures);
            ctx.show(done.redraw);
            busy.release();
            // The colour stays for this run; the next start will not have it.
            if (!done.fileError.empty())
                ctx.messages.messageBox(
                    QStringLiteral("La couleur ne pourra pas être retrouvée au prochain "
                                   "démarrage :\n") +
                        fromUtf8(done.fileError),
                    kStyleExclamation, QStringLiteral("Tessaline"));
        });
}

void FurAndColourMenus::defineUserFur() {
    const auto slot = FreeUserFurSlot(window_.context().r);
    if (!slot) return;
    window_.furPanel->FurSlotIndex = Byte(*slot);
    openFurEditor(*slot);
}

void FurAndColourMenus::editUserFur(int slot) {
    if (slot < 0 || slot >= kUserFurCount) return;
    window_.furPanel->FurSlotIndex = Byte(slot);
    openFurEditor(slot);
}

void FurAndColourMenus::openFurEditor(int slot) {
    const EditorContext& ctx = window_.context();
    const UserFurRecord& fur = ctx.ws.CurrentBlazon.UserFurs[std::size_t(slot)];
    FurEditorSubject subject;
    subject.path = fur.Path;
    subject.tileWidth = fur.TileWidth;
    subject.tileHeight = fur.TileHeight;
    subject.rowShift = fur.VerticalOffset;
    subject.tinctures = ctx.ws.Tinctures;
    subject.lastFolder = ctx.ws.Recent.LastFurFolder;

    DialogHost& dialogs = window_.dialogs();
    FurEditorDialog& editor = dialogs.get<FurEditorDialog>();
    MessageLayer& messages = ctx.messages;
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
    editor.hooks.locateMissing = [this](const std::string& path) {
        return LocateMissingFile(path, true, window_.fileDialogs());
    };
    editor.hooks.help = [this](int context) {
        if (help) help(context);
    };
    editor.hooks.store = [this, slot](const FurDraft& draft) {
        const EditorContext& ctx = window_.context();
        BusyPointer busy;
        const FurStoring out = StoreUserFur(ctx.ws, ctx.r, slot, draft);
        busy.release();
        if (!out.stored) {
            ctx.messages.show(out.message);
            return false;
        }
        showUserFurSwatch(slot);
        ctx.show(out.redraw);
        return true;
    };
    editor.open(subject, dialogs.state<FurEditorDialog>(),
                [this, &editor](const std::optional<FurDraft>&) {
                    // The folder of the last fur dialog is kept, stored or not.
                    window_.context().ws.Recent.LastFurFolder = editor.lastFolder();
                });
}

void FurAndColourMenus::showUserFurSwatch(int slot) {
    PictureBox* swatch = window_.furPanel->userFurSwatches[std::size_t(slot)];
    swatch->setPicture(toQImage(window_.context().r.UserFurPictures[std::size_t(slot)]));
    swatch->show();
}

void FurAndColourMenus::deleteUserFur(int slot) {
    if (slot < 0 || slot >= kUserFurCount) return;
    const EditorContext& ctx = window_.context();
    ctx.show(DeleteUserFur(
        ctx.ws, ctx.r, slot, [&ctx](const std::string& text, const std::string& title) {
            return ctx.messages.messageBox(fromUtf8(text), kStyleDeleteQuestion, fromUtf8(title)) ==
                   MessageAnswer::Yes;
        }));
}

void FurAndColourMenus::insertArms(int part) {
    const EditorContext& ctx = window_.context();
    MessageLayer& messages = ctx.messages;
    const std::string folder = ctx.ws.Recent.LastDocFolder;
    const InsertOutcome out = InsertArmsCommand(
        ctx.ws, ctx.r, part,
        [&messages, &folder] {
            return toUtf8(messages.openFile(QStringLiteral("Insérer un blason"), fromUtf8(folder),
                                            QStringLiteral("Varodez (*.bls)")));
        },
        window_.fileDialogs());
    if (out.inserted) {
        ctx.show(out.redraw);
        return;
    }
    // The undo step of a started insertion marks the title all the same.
    if (out.changed) ctx.showTitle();
    messages.show(out.message);
}

}  // namespace tess
