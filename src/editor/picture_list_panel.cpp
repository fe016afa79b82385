#include "editor/picture_list_panel.h"

#include <QAction>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>

#include "actions/picture_commands.h"
#include "actions/redraw_shield.h"
#include "dialogs/message_layer.h"
#include "editor/document_session.h"
#include "editor/menu_items.h"
#include "editor/picture_properties_command.h"
#include "editor/window_layout.h"
#include "widgets/ui_pictures.h"
#include "widgets/utf8_text.h"

namespace tess {

namespace {

const QString kAddTip = QStringLiteral("Cliquez du bouton de droite pour ajouter un meuble");
const QString kPlaceTip = QStringLiteral("Double-Cliquez pour ajouter le meuble sur le blason");
constexpr int kKeyRole = Qt::UserRole;
constexpr int kPathRole = Qt::UserRole + 1;

// The list's icon of a picture file: the picture brought down to the icon's
// size (a picture may be 4096 pixels a side; the list shows 32).
QIcon listIcon(const QString& path, QSize size) {
    QImage picture = pictureFileImage(path);
    if (picture.width() > size.width() || picture.height() > size.height())
        picture = picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return QIcon(QPixmap::fromImage(picture));
}

}  // namespace

PictureListPanel::PictureListPanel(QWidget& window, DocumentSession& session, DialogHost& dialogs)
    : QObject(&window), session_(session), dialogs_(dialogs) {
    pictureList_ = new QListWidget(&window);
    pictureList_->setObjectName(QStringLiteral("pictureList"));
    pictureList_->setGeometry(layout::kLists);
    pictureList_->setViewMode(QListView::IconMode);
    pictureList_->setIconSize(QSize(32, 32));
    pictureList_->setToolTip(kAddTip);
    pictureList_->installEventFilter(this);
    pictureList_->viewport()->installEventFilter(this);
    connect(pictureList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        selectedImageKey_ = item->data(kKeyRole).toString();
        updateMenu();
    });
    pictureMenu_ = makeMenu(window, "pictureMenu");
    addPictureAction_ = addItem(*pictureMenu_, "addPictureAction", "&Ajouter");
    deletePictureAction_ = addItem(*pictureMenu_, "deletePictureAction", "&Supprimer");
    pictureMenu_->addSeparator();
    picturePropertiesAction_ = addItem(*pictureMenu_, "picturePropertiesAction", "&Propriétés");
    connect(addPictureAction_, &QAction::triggered, this, [this] { addPicture(); });
    connect(deletePictureAction_, &QAction::triggered, this, [this] { deletePicture(); });
    connect(picturePropertiesAction_, &QAction::triggered, this, [this] { showProperties(); });
    updateMenu();
    connect(&session_, &DocumentSession::redrawn, this, [this] { sync(); });
}

void PictureListPanel::clear() {
    pictureList_->clear();
    icons_.clear();
    selectedImageKey_.clear();
    updateMenu();
}

void PictureListPanel::clearSelection() {
    selectedImageKey_.clear();
    pictureList_->clearSelection();
    updateMenu();
}

void PictureListPanel::sync() {
    const PictureList& items = session_.ws().Pictures;
    bool same = pictureList_->count() == int(items.size());
    for (int i = 0; same && i < pictureList_->count(); ++i)
        same =
            pictureList_->item(i)->data(kKeyRole).toString() == fromUtf8(items[std::size_t(i)].Key);
    if (same) return;
    pictureList_->clear();
    // Only the listed files keep an icon: one a session added and removed
    // goes with its entry.
    QHash<QString, QIcon> listed;
    for (const PictureListItem& entry : items) {
        const QString path = fromUtf8(entry.Path);
        const auto kept = icons_.constFind(path);
        const QIcon icon = kept != icons_.cend() ? *kept : listIcon(path, pictureList_->iconSize());
        listed.insert(path, icon);
        auto* item = new QListWidgetItem(icon, fromUtf8(entry.Text), pictureList_);
        item->setData(kKeyRole, fromUtf8(entry.Key));
        item->setData(kPathRole, path);
        if (item->data(kKeyRole).toString() == selectedImageKey_) item->setSelected(true);
    }
    icons_.swap(listed);
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
    return PictureBankSlot(session_.ws(), pictureList_->item(row)->text().toUtf8().toStdString());
}

void PictureListPanel::updateMenu() {
    deletePictureAction_->setEnabled(!selectedImageKey_.isEmpty());
    picturePropertiesAction_->setEnabled(selectedSlot() != 0);
}

void PictureListPanel::addPicture() {
    Workspace& ws = session_.ws();
    const QString path = session_.messages().openFile(
        QStringLiteral("Ouvrir une image"), fromUtf8(ws.Recent.LastImageFolder),
        QStringLiteral("Fichiers Graphiques (*.bmp *.gif *.jpg);;Bitmap (*.bmp);;Gif (*.gif);;"
                       "Jpeg (*.jpg);;Tous (*)"));
    if (path.isEmpty()) return;  // cancelled
    pictureList_->setToolTip(kPlaceTip);
    FileMessage refusal;
    AddPictureToList(ws, path.toUtf8().toStdString(), &refusal);
    session_.messages().show(refusal);
    sync();
}

void PictureListPanel::deletePicture() {
    const int row = selectedRow();
    if (row < 0) return;
    const int slot = selectedSlot();
    const EditOutcome outcome = DeletePictureFromList(session_.ws(), session_.r(), row);
    if (!outcome) {
        session_.show(outcome);
        return;
    }
    if (slot != 0 && pictureLeftBank_) pictureLeftBank_(slot);
    selectedImageKey_.clear();
    pictureList_->setToolTip(kAddTip);
    sync();
    // A picture that leaves the bank changes the document, which is saved with it.
    session_.show(outcome);
}

void PictureListPanel::showProperties() {
    if (const int slot = selectedSlot(); slot != 0) openPictureProperties(session_, dialogs_, slot);
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
            session_.messages().popup(
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

}  // namespace tess
