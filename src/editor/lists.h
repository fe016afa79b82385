#pragma once

#include <QObject>
#include <QString>

class QLabel;
class QListWidget;
class QWidget;

namespace tess {

// The list of the document's pictures, from which charges are placed.
class PictureListPanel : public QObject {
    Q_OBJECT
  public:
    explicit PictureListPanel(QWidget& window);

    // The bank was emptied: no picture listed or chosen.
    void clear();

    QListWidget* pictureList = nullptr;
    // The picture chosen in the list, by its key.
    QString SelectedImageKey;
};

// The list of the honourable pieces, in type order, each with its icon.
class PiecesListPanel : public QObject {
    Q_OBJECT
  public:
    explicit PiecesListPanel(QWidget& window);

    void FillPiecesList();

    QListWidget* piecesList = nullptr;
    int SelectedPieceIndex = 0;
};

// The two tabs over the lists, which share one place: the chosen tab's list
// shows and its caption turns yellow.
class ListTabs : public QObject {
    Q_OBJECT
  public:
    ListTabs(QWidget& window, QListWidget& pictureList, QListWidget& piecesList);

    void showPicturesTab();
    void showPiecesTab();

    QLabel* picturesTab = nullptr;
    QLabel* piecesTab = nullptr;

  protected:
    // A tab is chosen on release inside it, as a button is.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QListWidget& pictureList_;
    QListWidget& piecesList_;
};

}  // namespace tess
