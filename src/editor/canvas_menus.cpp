#include "editor/canvas_menus.h"

#include <QAction>
#include <QMenu>

#include "actions/piece_commands.h"
#include "actions/redraw_result.h"
#include "blazon/vocabulary.h"
#include "dialogs/message_layer.h"
#include "editor/arms_insertion_command.h"
#include "editor/clipboard_commands.h"
#include "editor/document_session.h"
#include "editor/line_style_command.h"
#include "editor/menu_items.h"
#include "model/document.h"
#include "model/part_zones.h"
#include "model/piece_types.h"
#include "model/workspace.h"
#include "widgets/utf8_text.h"

namespace tess {

CanvasMenus::CanvasMenus(QWidget& window, ClipboardCommands& clipboard, DialogHost& dialogs,
                         DocumentSession& session)
    : QObject(&window), clipboard_(clipboard), dialogs_(dialogs), session_(session) {
    buildFirstOrderMenu(window);
    buildSecondOrderMenu(window);
    buildPartMenu(window);
    for (QAction* paste : {pasteOnPartAction_, pasteOnFirstOrderAction_, pasteOnSecondOrderAction_})
        connect(paste, &QAction::triggered, this, [this] { clipboard_.paste(); });
    const auto line = [this](QAction* action, EdgeLine edge) {
        connect(action, &QAction::triggered, this,
                [this, edge] { editLineStyle(session_, dialogs_, edge); });
    };
    line(firstOrderLinesAction_, EdgeLine::FirstOrderPiece);
    line(secondOrderLinesAction_, EdgeLine::SecondOrderPiece);
    line(partLinesAction_, EdgeLine::Partition);
    connect(insertArmsOnPartAction_, &QAction::triggered, this,
            [this] { insertArms(session_, popupPart_); });
    connect(insertArmsOnPieceAction_, &QAction::triggered, this,
            [this] { insertArms(session_, kFirstOrderZone); });
    const auto size = [this](QAction* action, PieceOrder order, PieceSize value) {
        connect(action, &QAction::triggered, this, [this, order, value] {
            session_.show(SetPieceSize(session_.ws(), session_.r(), order, value));
        });
    };
    size(firstOrderFullAction_, PieceOrder::First, PieceSize::Entire);
    size(firstOrderDiminishedAction_, PieceOrder::First, PieceSize::Diminished);
    size(firstOrderFilletAction_, PieceOrder::First, PieceSize::Filet);
    size(secondOrderFullAction_, PieceOrder::Second, PieceSize::Entire);
    size(secondOrderDiminishedAction_, PieceOrder::Second, PieceSize::Diminished);
    size(secondOrderFilletAction_, PieceOrder::Second, PieceSize::Filet);
    connect(&session_, &DocumentSession::redrawn, this, &CanvasMenus::applyRedraw);
}

void CanvasMenus::buildPartMenu(QWidget& window) {
    partMenu_ = makeMenu(window, "partMenu");
    partLinesAction_ = addItem(*partMenu_, "partLinesAction", "&Délinéaments");
    partMenu_->addSeparator();
    pasteOnPartAction_ = addItem(*partMenu_, "pasteOnPartAction", "C&oller");
    insertArmsOnPartAction_ = addItem(*partMenu_, "insertArmsOnPartAction", "Insérer un blason");
}

void CanvasMenus::buildFirstOrderMenu(QWidget& window) {
    QMenu& m = *(firstOrderPieceMenu_ = makeMenu(window, "firstOrderPieceMenu"));
    firstOrderLinesAction_ = addItem(m, "firstOrderLinesAction", "&Délinéaments de la Pièce");
    m.addSeparator();
    firstOrderFullAction_ = addItem(m, "firstOrderFullAction", "Pièce &Entière", true);
    firstOrderDiminishedAction_ = addItem(m, "firstOrderDiminishedAction", "Pièce &Diminuée", true);
    firstOrderFilletAction_ = addItem(m, "firstOrderFilletAction", "Pièce en &Filet", true);
    m.addSeparator();
    deleteFirstOrderAction_ = addItem(m, "deleteFirstOrderAction", "Supprimer");
    m.addSeparator();
    insertArmsOnPieceAction_ = addItem(m, "insertArmsOnPieceAction", "&Insérer un blason");
    pasteOnFirstOrderAction_ = addItem(m, "pasteOnFirstOrderAction", "C&oller");
    connect(deleteFirstOrderAction_, &QAction::triggered, this,
            [this] { removeFirstOrderPiece(); });
}

void CanvasMenus::buildSecondOrderMenu(QWidget& window) {
    QMenu& m = *(secondOrderPieceMenu_ = makeMenu(window, "secondOrderPieceMenu"));
    secondOrderLinesAction_ = addItem(m, "secondOrderLinesAction", "&Délinéaments de la pièce");
    m.addSeparator();
    secondOrderFullAction_ = addItem(m, "secondOrderFullAction", "Pièce &Entière", true);
    secondOrderDiminishedAction_ =
        addItem(m, "secondOrderDiminishedAction", "Pièce &Diminuée", true);
    secondOrderFilletAction_ = addItem(m, "secondOrderFilletAction", "Pièce En &Filet", true);
    m.addSeparator();
    deleteSecondOrderAction_ = addItem(m, "deleteSecondOrderAction", "Supprimer");
    pasteOnSecondOrderAction_ = addItem(m, "pasteOnSecondOrderAction", "C&oller");
    connect(deleteSecondOrderAction_, &QAction::triggered, this,
            [this] { session_.show(RemoveSecondOrderPiece(session_.ws(), session_.r())); });
}

void CanvasMenus::popup(int part, QPoint globalAt) {
    // Offered exactly when a paste would place a charge: our own copy is on
    // the system clipboard and its picture is still in the bank.
    const bool paste = clipboard_.canPaste();
    for (QAction* item : {pasteOnPartAction_, pasteOnFirstOrderAction_, pasteOnSecondOrderAction_})
        item->setEnabled(paste);
    if (part == kFirstOrderZone)
        popupFirstOrder(globalAt);
    else if (part == kSecondOrderZone)
        popupSecondOrder(globalAt);
    else if (isFieldPart(part))
        popupPart(part, globalAt);
}

void CanvasMenus::popupFirstOrder(QPoint globalAt) {
    const BlazonRecord& b = session_.ws().CurrentBlazon;
    deleteFirstOrderAction_->setText(QStringLiteral("Supprimer (") +
                                     fromUtf8(OrdinaryName(b, b.Ordinary1.Type)) +
                                     QStringLiteral(")"));
    insertArmsOnPieceAction_->setEnabled(b.Ordinary1.Type == kChef || b.Ordinary1.Type == kEcusson);
    session_.messages().popup(*firstOrderPieceMenu_, globalAt, deleteFirstOrderAction_);
}

void CanvasMenus::popupSecondOrder(QPoint globalAt) {
    const BlazonRecord& b = session_.ws().CurrentBlazon;
    const Long type = b.Ordinary2.Type;
    secondOrderLinesAction_->setEnabled(type == kAdextre || type == kSenestre ||
                                        type == kChampagne);
    deleteSecondOrderAction_->setText(QStringLiteral("Supprimer (") + fromUtf8(b.Ordinary2.Name) +
                                      QStringLiteral(")"));
    session_.messages().popup(*secondOrderPieceMenu_, globalAt, deleteSecondOrderAction_);
}

void CanvasMenus::popupPart(int part, QPoint globalAt) {
    const BlazonRecord& b = session_.ws().CurrentBlazon;
    insertArmsOnPartAction_->setEnabled(PartCanHoldBlazon(b, part));
    insertArmsOnPartAction_->setText(QStringLiteral("Insérer un blason pour la partie ") +
                                     QString::number(part));
    popupPart_ = part;
    session_.messages().popup(*partMenu_, globalAt, nullptr);
}

void CanvasMenus::removeFirstOrderPiece() {
    MessageLayer& messages = session_.messages();
    session_.show(RemoveFirstOrderPiece(
        session_.ws(), session_.r(),
        [&messages](const std::string& question, const std::string& title) {
            return messages.messageBox(fromUtf8(question), kStyleYesNo + kStyleExclamation,
                                       fromUtf8(title)) == MessageAnswer::Yes;
        }));
}

void CanvasMenus::applyRedraw(const RedrawResult& result) {
    const RedrawMenus& m = result.Menus;
    applyItemState(*firstOrderFilletAction_, m.firstOrderNarrow);
    applyItemState(*firstOrderLinesAction_, m.firstOrderLines);
    applyItemState(*firstOrderDiminishedAction_, m.firstOrderDiminished);
    applyItemState(*firstOrderFullAction_, m.firstOrderFull);
    applyItemState(*secondOrderDiminishedAction_, m.secondOrderDiminished);
    applyItemState(*secondOrderFilletAction_, m.secondOrderNarrow);
    applyItemState(*secondOrderFullAction_, m.secondOrderFull);
    applyItemState(*partLinesAction_, m.partitionLines);
}

}  // namespace tess
