#include "editor/pieces_list_panel.h"

#include <array>

#include <QListWidget>

#include "actions/piece_commands.h"
#include "editor/document_session.h"
#include "editor/window_layout.h"
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

}  // namespace

PiecesListPanel::PiecesListPanel(QWidget& window, DocumentSession& session)
    : QObject(&window), session_(session) {
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
    session_.show(ChoosePiece(session_.ws(), session_.r(), k,
                              piecesList_->item(k - 1)->text().toUtf8().toStdString()));
}

}  // namespace tess
