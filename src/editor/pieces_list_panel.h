#pragma once

#include <QObject>

class QListWidget;
class QWidget;

namespace tess {

class DocumentSession;

// The list of the honourable pieces, in type order, each with its icon.
class PiecesListPanel : public QObject {
    Q_OBJECT
  public:
    PiecesListPanel(QWidget& window, DocumentSession& session);

    void FillPiecesList();
    // The chosen piece on the shield, or its repeats cycled.
    void doubleClicked();

    QListWidget* piecesList() const { return piecesList_; }

  private:
    DocumentSession& session_;
    QListWidget* piecesList_ = nullptr;
    int selectedPieceIndex_ = 0;
};

}  // namespace tess
