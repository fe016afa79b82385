#include "editor/lists.h"

#include <array>

#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>

#include "editor/window_layout.h"
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

}  // namespace

PictureListPanel::PictureListPanel(QWidget& window) : QObject(&window) {
    pictureList = new QListWidget(&window);
    pictureList->setObjectName(QStringLiteral("pictureList"));
    pictureList->setGeometry(layout::kLists);
    pictureList->setViewMode(QListView::IconMode);
    pictureList->setIconSize(QSize(32, 32));
    pictureList->setToolTip(QStringLiteral("Cliquez du bouton de droite pour ajouter un meuble"));
}

void PictureListPanel::clear() {
    pictureList->clear();
    SelectedImageKey.clear();
}

PiecesListPanel::PiecesListPanel(QWidget& window) : QObject(&window) {
    piecesList = new QListWidget(&window);
    piecesList->setObjectName(QStringLiteral("piecesList"));
    piecesList->setGeometry(layout::kLists);
    piecesList->setIconSize(QSize(16, 16));
    piecesList->setToolTip(
        QStringLiteral("Double-Cliquez pour ajouter la pièce honorable sur le blason"));
    piecesList->hide();
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
