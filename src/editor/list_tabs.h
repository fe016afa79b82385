#pragma once

#include <QObject>

class QLabel;
class QListWidget;
class QWidget;

namespace tess {

// The two tabs over the lists, which share one place: the chosen tab's list
// shows and its caption turns yellow.
class ListTabs : public QObject {
    Q_OBJECT
  public:
    ListTabs(QWidget& window, QListWidget& pictureList, QListWidget& piecesList);

    void showPicturesTab();
    void showPiecesTab();

    QLabel* picturesTab() const { return picturesTab_; }
    QLabel* piecesTab() const { return piecesTab_; }

  protected:
    // A tab is chosen on release inside it, as a button is.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QListWidget& pictureList_;
    QListWidget& piecesList_;
    QLabel* picturesTab_ = nullptr;
    QLabel* piecesTab_ = nullptr;
};

}  // namespace tess
