#include "editor/lists.h"

#include <array>

#include <QAction>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>

#include "actions/picture_commands.h"
#include "actions/redraw_shield.h"
#include "dialogs/line_style_dialog.h"
#include "dialogs/message_layer.h"
#include "dialogs/picture_properties_dialog.h"
#include "editor/editor_context.h"
#include "editor/editor_menus.h"
#include "editor/window_layout.h"
#include "model/workspace.h"
#include "render/renderer.h"
#include "widgets/controls.h"
#include "widgets/ui_pictures.h"

namespace tess {

namespace {

// The honourable pieces in list order (the index is the piece's type) with
// the number of their small icon.
struct PieceItem {
    const char* text;
    int icon;
};
constexpr std::array<PieceItem, 23> kPieces = {
    {{"", 0},          {"Chef", 7},      {"Pal", 12},      {"Fasce", 9},   {"Bande", 1},
     {"Barre", 2},     {"Chevron", 22},  {"Orle", 3},      {"Bordure", 4}, {"Écusson", 8},
     {"Adextre", 17},  {"Sénestre", 20}, {"Champagne", 6}, {"Canton", 5},  {"Franc-Quartier", 10},
     {"Cornière", 18}, {"Esquarre", 19}, {"Giron", 11},    {"Pile", 13},   {"Pointe", 14},
     {"Pairle", 21},   {"Sautoir", 15},  {"Croix", 16}}};

const QColor kChosenTab(255, 255, 0);

const QString kAddTip = QStringLiteral("Cliquez du bouton de droite pour ajouter un meuble");
const QString kPlaceTip = QStringLiteral("Double-Cliquez pour ajouter le meuble sur le blason");
constexpr int kKeyRole = Qt::UserRole;
constexpr int kPathRole = Qt::UserRole + 1;

QString text(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// The list's icon of a picture file: the picture brought down to the icon's
// size (a picture may be 4096 pixels a side; the list shows 32).
QIcon listIcon(const QString& path, QSize size) {
    QImage picture = pictureFileImage(path);
    if (picture.width() > size.width() || picture.height() > size.height())
        picture = picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return QIcon(QPixmap::fromImage(picture));
}

}  // namespace

PictureListPanel::PictureListPanel(QWidget& window) : QObject(&window) {
    pictureList = new QListWidget(&window);
    pictureList->setObjectName(QStringLiteral("pictureList"));
    pictureList->setGeometry(layout::kLists);
    pictureList->setViewMode(QListView::IconMode);
    pictureList->setIconSize(QSize(32, 32));
    pictureList->setToolTip(kAddTip);
    pictureList->installEventFilter(this);
    pictureList->viewport()->installEventFilter(this);
    connect(pictureList, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        SelectedImageKey = item->data(kKeyRole).toString();
        updateMenu();
    });
}

void PictureListPanel::wire(const EditorContext& context, EditorMenus& menus, DialogHost& dialogs) {
    context_ = &context;
    menus_ = &menus;
    dialogs_ = &dialogs;
    dialogs.get<PicturePropertiesDialog>().setMessageLayer(context.messages);
    connect(menus.addPictureAction, &QAction::triggered, this, [this] { addPicture(); });
    connect(menus.deletePictureAction, &QAction::triggered, this, [this] { deletePicture(); });
    connect(menus.picturePropertiesAction, &QAction::triggered, this, [this] { showProperties(); });
    connect(menus.chargePropertiesAction, &QAction::triggered, this,
            [this] { showHeldChargeProperties(); });
    updateMenu();
}

void PictureListPanel::clear() {
    pictureList->clear();
    icons_.clear();
    SelectedImageKey.clear();
    if (menus_) updateMenu();
}

void PictureListPanel::clearSelection() {
    SelectedImageKey.clear();
    pictureList->clearSelection();
    if (menus_) updateMenu();
}

void PictureListPanel::sync() {
    const PictureList& items = context_->ws.Pictures;
    bool same = pictureList->count() == int(items.size());
    for (int i = 0; same && i < pictureList->count(); ++i)
        same = pictureList->item(i)->data(kKeyRole).toString() == text(items[std::size_t(i)].Key);
    if (same) return;
    pictureList->clear();
    // Only the listed files keep an icon: one a session added and removed
    // goes with its entry.
    QHash<QString, QIcon> listed;
    for (const PictureListItem& entry : items) {
        const QString path = text(entry.Path);
        const auto kept = icons_.constFind(path);
        const QIcon icon = kept != icons_.cend() ? *kept : listIcon(path, pictureList->iconSize());
        listed.insert(path, icon);
        auto* item = new QListWidgetItem(icon, text(entry.Text), pictureList);
        item->setData(kKeyRole, text(entry.Key));
        item->setData(kPathRole, path);
        if (item->data(kKeyRole).toString() == SelectedImageKey) item->setSelected(true);
    }
    icons_.swap(listed);
    if (selectedRow() < 0) SelectedImageKey.clear();
    updateMenu();
}

int PictureListPanel::selectedRow() const {
    if (SelectedImageKey.isEmpty()) return -1;
    for (int i = 0; i < pictureList->count(); ++i)
        if (pictureList->item(i)->data(kKeyRole).toString() == SelectedImageKey) return i;
    return -1;
}

int PictureListPanel::selectedSlot() const {
    const int row = selectedRow();
    if (row < 0) return 0;
    return PictureBankSlot(context_->ws, pictureList->item(row)->text().toUtf8().toStdString());
}

void PictureListPanel::updateMenu() {
    menus_->deletePictureAction->setEnabled(!SelectedImageKey.isEmpty());
    menus_->picturePropertiesAction->setEnabled(selectedSlot() != 0);
}

void PictureListPanel::addPicture() {
    Workspace& ws = context_->ws;
    const QString path = context_->messages.openFile(
        QStringLiteral("Ouvrir une image"), text(ws.Recent.LastImageFolder),
        QStringLiteral("Fichiers Graphiques (*.bmp *.gif *.jpg);;Bitmap (*.bmp);;Gif (*.gif);;"
                       "Jpeg (*.jpg);;Tous (*)"));
    if (path.isEmpty()) return;  // cancelled
    pictureList->setToolTip(kPlaceTip);
    FileMessage refusal;
    AddPictureToList(ws, path.toUtf8().toStdString(), &refusal);
    context_->messages.show(refusal);
    sync();
}

void PictureListPanel::deletePicture() {
    const int row = selectedRow();
    if (row < 0) return;
    const int slot = selectedSlot();
    const EditOutcome outcome = DeletePictureFromList(context_->ws, context_->r, row);
    if (!outcome) {
        context_->show(outcome);
        return;
    }
    if (slot != 0 && pictureLeftBank) pictureLeftBank(slot);
    SelectedImageKey.clear();
    pictureList->setToolTip(kAddTip);
    sync();
    // A picture that leaves the bank changes the document, which is saved with it.
    context_->show(outcome);
}

void PictureListPanel::showProperties() {
    if (const int slot = selectedSlot(); slot != 0) openProperties(slot);
}

void PictureListPanel::showHeldChargeProperties() {
    const int held = context_->ws.SelectedCharge;
    if (held < 1 || held > kChargeCount) return;
    openProperties(context_->ws.CurrentBlazon.Charges[std::size_t(held)].ImageIndex);
}

void PictureListPanel::openProperties(int slot) {
    const auto props = PicturePropertiesOf(context_->ws, slot);
    if (!props) return;
    const BankPicture& bank = context_->r.Charges.bank(slot);
    auto& dialog = dialogs_->get<PicturePropertiesDialog>();
    const EditorContext* context = context_;
    dialog.open({text(props->nameCaption), text(props->sizeCaption), text(props->useCaption),
                 text(props->phrase), bank.picture, bank.mask},
                dialogs_->state<PicturePropertiesDialog>(),
                [context, slot](const std::optional<QString>& phrase) {
                    if (!phrase) return;
                    context->show(SetPicturePhrase(context->ws, context->r, slot,
                                                   phrase->toUtf8().toStdString()));
                });
}

void PictureListPanel::doubleClicked() {
    const int row = selectedRow();
    if (row < 0) {
        addPicture();
        return;
    }
    if (bringUp) bringUp(pictureList->item(row)->data(kPathRole).toString());
}

bool PictureListPanel::eventFilter(QObject* watched, QEvent* event) {
    if (!context_) return QObject::eventFilter(watched, event);
    const auto type = event->type();
    if (watched == pictureList && type == QEvent::KeyPress) {
        updateMenu();
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete &&
            menus_->deletePictureAction->isEnabled()) {
            deletePicture();
            return true;
        }
    }
    if (watched == pictureList->viewport() && type == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        // A press on a picture chooses it, whichever the button.
        if (QListWidgetItem* item = pictureList->itemAt(mouse->position().toPoint()))
            SelectedImageKey = item->data(kKeyRole).toString();
        updateMenu();
        if (mouse->button() == Qt::RightButton) {
            context_->messages.popup(
                *menus_->pictureMenu,
                pictureList->viewport()->mapToGlobal(mouse->position().toPoint()),
                menus_->addPictureAction);
            return true;
        }
    }
    if (watched == pictureList->viewport() && type == QEvent::MouseButtonDblClick) {
        doubleClicked();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

PiecesListPanel::PiecesListPanel(QWidget& window) : QObject(&window) {
    piecesList = new QListWidget(&window);
    piecesList->setObjectName(QStringLiteral("piecesList"));
    piecesList->setGeometry(layout::kLists);
    piecesList->setIconSize(QSize(16, 16));
    piecesList->setToolTip(
        QStringLiteral("Double-Cliquez pour ajouter la pièce honorable sur le blason"));
    piecesList->hide();
    connect(piecesList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { SelectedPieceIndex = piecesList->row(item) + 1; });
    connect(piecesList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        SelectedPieceIndex = piecesList->row(item) + 1;
        doubleClicked();
    });
}

void PiecesListPanel::wire(const EditorContext& context, EditorMenus& menus, DialogHost& dialogs) {
    context_ = &context;
    dialogs_ = &dialogs;
    const auto size = [this](QAction* action, PieceOrder order, PieceSize value) {
        connect(action, &QAction::triggered, this, [this, order, value] {
            context_->show(SetPieceSize(context_->ws, context_->r, order, value));
        });
    };
    size(menus.firstOrderFullAction, PieceOrder::First, PieceSize::Entire);
    size(menus.firstOrderDiminishedAction, PieceOrder::First, PieceSize::Diminished);
    size(menus.firstOrderFilletAction, PieceOrder::First, PieceSize::Filet);
    size(menus.secondOrderFullAction, PieceOrder::Second, PieceSize::Entire);
    size(menus.secondOrderDiminishedAction, PieceOrder::Second, PieceSize::Diminished);
    size(menus.secondOrderFilletAction, PieceOrder::Second, PieceSize::Filet);
    connect(menus.deleteFirstOrderAction, &QAction::triggered, this,
            [this] { removeFirstOrderPiece(); });
    connect(menus.deleteSecondOrderAction, &QAction::triggered, this,
            [this] { context_->show(RemoveSecondOrderPiece(context_->ws, context_->r)); });
    const auto line = [this](QAction* action, EdgeLine edge) {
        connect(action, &QAction::triggered, this, [this, edge] { editLine(edge); });
    };
    line(menus.firstOrderLinesAction, EdgeLine::FirstOrderPiece);
    line(menus.secondOrderLinesAction, EdgeLine::SecondOrderPiece);
    line(menus.partLinesAction, EdgeLine::Partition);
}

void PiecesListPanel::FillPiecesList() {
    piecesList->move(layout::kLists.topLeft());
    piecesList->clear();
    for (std::size_t k = 1; k < kPieces.size(); ++k) {
        auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(pieceIconImage(int(k)))),
                                         QString::fromUtf8(kPieces[k].text), piecesList);
        item->setData(Qt::UserRole, kPieces[k].icon);
    }
}

void PiecesListPanel::doubleClicked() {
    const int k = SelectedPieceIndex;
    if (k < 1 || k >= piecesList->count() + 1) return;
    context_->show(ChoosePiece(context_->ws, context_->r, k,
                               piecesList->item(k - 1)->text().toUtf8().toStdString()));
}

void PiecesListPanel::removeFirstOrderPiece() {
    MessageLayer& messages = context_->messages;
    context_->show(RemoveFirstOrderPiece(
        context_->ws, context_->r,
        [&messages](const std::string& question, const std::string& title) {
            return messages.messageBox(text(question), kStyleYesNo + kStyleExclamation,
                                       text(title)) == MessageAnswer::Yes;
        }));
}

void PiecesListPanel::editLine(EdgeLine edge) {
    const EditorContext* context = context_;
    const LineStyleSubject subject = LineStyleSubjectOf(context->ws.CurrentBlazon, edge);
    const int part = subject.part;
    auto& dialog = dialogs_->get<LineStyleDialog>();
    dialog.onApply = [context, part](const LineStyle& style) {
        context->show(ApplyLineStyle(context->ws, context->r, part, style, UndoStep::None));
    };
    dialog.open({subject.style, subject.diagonal, subject.pieceWidth},
                dialogs_->state<LineStyleDialog>(),
                [context, part](const std::optional<LineStyle>& style) {
                    if (style) {
                        context->show(
                            ApplyLineStyle(context->ws, context->r, part, *style, UndoStep::Take));
                        return;
                    }
                    // "Annuler" redraws what is stored, an applied style included.
                    context->show(RedrawShield(context->ws, context->r));
                });
}

ListTabs::ListTabs(QWidget& window, QListWidget& pictureList, QListWidget& piecesList)
    : QObject(&window), pictureList_(pictureList), piecesList_(piecesList) {
    picturesTab = makeCaption(&window, "picturesTab", QStringLiteral("Meubles"),
                              layout::kPicturesTab, Qt::AlignCenter);
    piecesTab = makeCaption(&window, "piecesTab", QStringLiteral("Pièces"), layout::kPiecesTab,
                            Qt::AlignCenter);
    for (QLabel* tab : {picturesTab, piecesTab}) {
        QFont f = tab->font();
        f.setBold(true);
        tab->setFont(f);
        tab->setCursor(Qt::PointingHandCursor);
        setBackgroundColour(tab, layout::kTabColour);
        tab->installEventFilter(this);
    }
    setTextColour(picturesTab, kChosenTab);
    setTextColour(piecesTab, Qt::black);
}

void ListTabs::showPicturesTab() {
    pictureList_.show();
    piecesList_.hide();
    setTextColour(piecesTab, Qt::black);
    setTextColour(picturesTab, kChosenTab);
}

void ListTabs::showPiecesTab() {
    piecesList_.show();
    pictureList_.hide();
    setTextColour(picturesTab, Qt::black);
    setTextColour(piecesTab, kChosenTab);
}

bool ListTabs::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == picturesTab || watched == piecesTab) &&
        event->type() == QEvent::MouseButtonRelease) {
        const auto* e = static_cast<QMouseEvent*>(event);
        if (static_cast<QWidget*>(watched)->rect().contains(e->position().toPoint())) {
            if (watched == picturesTab)
                showPicturesTab();
            else
                showPiecesTab();
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tess
