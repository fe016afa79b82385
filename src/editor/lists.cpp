#include "editor/lists.h"

#include <array>

#include <QAction>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>

#include "actions/picture_commands.h"
#include "actions/piece_commands.h"
#include "actions/redraw_shield.h"
#include "dialogs/dialog_host.h"
#include "dialogs/message_layer.h"
#include "dialogs/picture_properties_dialog.h"
#include "editor/editor_context.h"
#include "editor/menu_items.h"
#include "editor/picture_properties_command.h"
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

}  // namespace

PictureListPanel::PictureListPanel(QWidget& window) : QObject(&window) {
    pictureList_ = new QListWidget(&window);
    QListWidget* pictureList = pictureList_;
    pictureList->setObjectName(QStringLiteral("pictureList"));
    pictureList->setGeometry(layout::kLists);
    pictureList->setViewMode(QListView::IconMode);
    pictureList->setIconSize(QSize(32, 32));
    pictureList->setToolTip(kAddTip);
    pictureList->installEventFilter(this);
    pictureList->viewport()->installEventFilter(this);
    connect(pictureList, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        selectedImageKey_ = item->data(kKeyRole).toString();
        updateMenu();
    });
    pictureMenu_ = makeMenu(window, "pictureMenu");
    addPictureAction_ = addItem(*pictureMenu_, "addPictureAction", "&Ajouter");
    deletePictureAction_ = addItem(*pictureMenu_, "deletePictureAction", "&Supprimer");
    pictureMenu_->addSeparator();
    picturePropertiesAction_ = addItem(*pictureMenu_, "picturePropertiesAction", "&Propriétés");
}

void PictureListPanel::wire(const EditorContext& context, DialogHost& dialogs) {
    context_ = &context;
    dialogs_ = &dialogs;
    dialogs.get<PicturePropertiesDialog>().setMessageLayer(context.messages);
    connect(addPictureAction_, &QAction::triggered, this, [this] { addPicture(); });
    connect(deletePictureAction_, &QAction::triggered, this, [this] { deletePicture(); });
    connect(picturePropertiesAction_, &QAction::triggered, this, [this] { showProperties(); });
    updateMenu();
}

void PictureListPanel::clear() {
    pictureList_->clear();
    selectedImageKey_.clear();
    if (context_) updateMenu();
}

void PictureListPanel::clearSelection() {
    selectedImageKey_.clear();
    pictureList_->clearSelection();
    if (context_) updateMenu();
}

void PictureListPanel::sync() {
    const PictureList& items = context_->ws.Pictures;
    bool same = pictureList_->count() == int(items.size());
    for (int i = 0; same && i < pictureList_->count(); ++i)
        same = pictureList_->item(i)->data(kKeyRole).toString() == text(items[std::size_t(i)].Key);
    if (same) return;
    pictureList_->clear();
    for (const PictureListItem& entry : items) {
        const QString path = text(entry.Path);
        const QString fileName = QFileInfo(path).fileName();
        if (!icons_.contains(fileName)) icons_.insert(fileName, QIcon(QPixmap(path)));
        auto* item = new QListWidgetItem(icons_.value(fileName), text(entry.Text), pictureList_);
        item->setData(kKeyRole, text(entry.Key));
        item->setData(kPathRole, path);
        if (item->data(kKeyRole).toString() == selectedImageKey_) item->setSelected(true);
    }
    if (selectedRow() < 0) selectedImageKey_.clear();
    updateMenu();
}

int PictureListPanel::selectedRow() const {
    if (selectedImageKey_.isEmpty()) return -1;
    for (int i = 0; i < pictureList_->count(); ++i)
        if (pictureList_->item(i)->data(kKeyRole).toString() == selectedImageKey_) return i;
    return -1;
}

int PictureListPanel::selectedSlot() const {
    const int row = selectedRow();
    if (row < 0) return 0;
    return PictureBankSlot(context_->ws, pictureList_->item(row)->text().toUtf8().toStdString());
}

void PictureListPanel::updateMenu() {
    deletePictureAction_->setEnabled(!selectedImageKey_.isEmpty());
    picturePropertiesAction_->setEnabled(selectedSlot() != 0);
}

void PictureListPanel::addPicture() {
    Workspace& ws = context_->ws;
    const QString path = context_->messages.openFile(
        QStringLiteral("Ouvrir une image"), text(ws.Recent.LastImageFolder),
        QStringLiteral("Fichiers Graphiques (*.bmp *.gif *.jpg);;Bitmap (*.bmp);;Gif (*.gif);;"
                       "Jpeg (*.jpg);;Tous (*)"));
    if (path.isEmpty()) return;  // cancelled
    pictureList_->setToolTip(kPlaceTip);
    AddPictureToList(ws, path.toUtf8().toStdString());
    sync();
}

void PictureListPanel::deletePicture() {
    const int row = selectedRow();
    if (row < 0) return;
    Workspace& ws = context_->ws;
    const int slot = selectedSlot();
    const bool wasModified = ws.Modified;
    if (!DeletePictureFromList(ws, context_->r, row)) return;
    if (slot != 0 && pictureLeftBank_) pictureLeftBank_(slot);
    selectedImageKey_.clear();
    pictureList_->setToolTip(kAddTip);
    sync();
    // The bank is saved with the document: the title takes its mark.
    if (ws.Modified != wasModified) context_->show(RedrawShield(ws, context_->r));
}

void PictureListPanel::showProperties() {
    if (const int slot = selectedSlot(); slot != 0)
        openPictureProperties(*context_, *dialogs_, slot);
}

void PictureListPanel::doubleClicked() {
    const int row = selectedRow();
    if (row < 0) {
        addPicture();
        return;
    }
    if (bringUp_) bringUp_(pictureList_->item(row)->data(kPathRole).toString());
}

bool PictureListPanel::eventFilter(QObject* watched, QEvent* event) {
    if (!context_) return QObject::eventFilter(watched, event);
    const auto type = event->type();
    if (watched == pictureList_ && type == QEvent::KeyPress) {
        updateMenu();
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete &&
            deletePictureAction_->isEnabled()) {
            deletePicture();
            return true;
        }
    }
    if (watched == pictureList_->viewport() && type == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        // A press on a picture chooses it, whichever the button.
        if (QListWidgetItem* item = pictureList_->itemAt(mouse->position().toPoint()))
            selectedImageKey_ = item->data(kKeyRole).toString();
        updateMenu();
        if (mouse->button() == Qt::RightButton) {
            context_->messages.popup(
                *pictureMenu_, pictureList_->viewport()->mapToGlobal(mouse->position().toPoint()),
                addPictureAction_);
            return true;
        }
    }
    if (watched == pictureList_->viewport() && type == QEvent::MouseButtonDblClick) {
        doubleClicked();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

PiecesListPanel::PiecesListPanel(QWidget& window) : QObject(&window) {
    piecesList_ = new QListWidget(&window);
    piecesList_->setObjectName(QStringLiteral("piecesList"));
    piecesList_->setGeometry(layout::kLists);
    piecesList_->setIconSize(QSize(16, 16));
    piecesList_->setToolTip(
        QStringLiteral("Double-Cliquez pour ajouter la pièce honorable sur le blason"));
    piecesList_->hide();
    connect(piecesList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { selectedPieceIndex_ = piecesList_->row(item) + 1; });
    connect(piecesList_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        selectedPieceIndex_ = piecesList_->row(item) + 1;
        doubleClicked();
    });
}

void PiecesListPanel::wire(const EditorContext& context) {
    context_ = &context;
}

void PiecesListPanel::FillPiecesList() {
    piecesList_->move(layout::kLists.topLeft());
    piecesList_->clear();
    for (std::size_t k = 1; k < kPieces.size(); ++k) {
        auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(pieceIconImage(int(k)))),
                                         QString::fromUtf8(kPieces[k].text), piecesList_);
        item->setData(Qt::UserRole, kPieces[k].icon);
    }
}

void PiecesListPanel::doubleClicked() {
    const int k = selectedPieceIndex_;
    if (k < 1 || k >= piecesList_->count() + 1) return;
    if (auto shown = ChoosePiece(context_->ws, context_->r, k,
                                 piecesList_->item(k - 1)->text().toUtf8().toStdString()))
        context_->show(*shown);
}

ListTabs::ListTabs(QWidget& window, QListWidget& pictureList, QListWidget& piecesList)
    : QObject(&window), pictureList_(pictureList), piecesList_(piecesList) {
    picturesTab_ = makeCaption(&window, "picturesTab", QStringLiteral("Meubles"),
                               layout::kPicturesTab, Qt::AlignCenter);
    piecesTab_ = makeCaption(&window, "piecesTab", QStringLiteral("Pièces"), layout::kPiecesTab,
                             Qt::AlignCenter);
    for (QLabel* tab : {picturesTab_, piecesTab_}) {
        QFont f = tab->font();
        f.setBold(true);
        tab->setFont(f);
        tab->setCursor(Qt::PointingHandCursor);
        setBackgroundColour(tab, layout::kTabColour);
        tab->installEventFilter(this);
    }
    setTextColour(picturesTab_, kChosenTab);
    setTextColour(piecesTab_, Qt::black);
}

void ListTabs::showPicturesTab() {
    pictureList_.show();
    piecesList_.hide();
    setTextColour(piecesTab_, Qt::black);
    setTextColour(picturesTab_, kChosenTab);
}

void ListTabs::showPiecesTab() {
    piecesList_.show();
    pictureList_.hide();
    setTextColour(picturesTab_, Qt::black);
    setTextColour(piecesTab_, kChosenTab);
}

bool ListTabs::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == picturesTab_ || watched == piecesTab_) &&
        event->type() == QEvent::MouseButtonRelease) {
        const auto* e = static_cast<QMouseEvent*>(event);
        if (static_cast<QWidget*>(watched)->rect().contains(e->position().toPoint())) {
            if (watched == picturesTab_)
                showPicturesTab();
            else
                showPiecesTab();
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tess
