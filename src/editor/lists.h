#pragma once

#include <functional>

#include <QHash>
#include <QIcon>
#include <QObject>
#include <QString>

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QWidget;

namespace tess {

struct EditorContext;
class DialogHost;

// The list of the document's pictures, from which charges are placed, and
// its menu (add, delete, properties). It shows the workspace's picture list;
// its commands go through src/actions/.
class PictureListPanel : public QObject {
    Q_OBJECT
  public:
    explicit PictureListPanel(QWidget& window);
    // Connects the list and its menu items; run once by the main window.
    void wire(const EditorContext& context, DialogHost& dialogs);

    // The bank was emptied: no picture listed or chosen.
    void clear();
    // No picture chosen any more (a document opened, or one refused).
    void clearSelection();
    // Shows the workspace's entries (after an open, a command, an undo); the
    // widget is rebuilt only when they changed.
    void sync();

    void addPicture();
    void deletePicture();
    // The properties of the chosen picture.
    void showProperties();
    // A double click: with nothing chosen, add; else the chosen picture comes
    // up in the overlay.
    void doubleClicked();

    // What the held charge does for the list: bring a picture up at (2, 2), a
    // held charge committed first (false when refused).
    using BringUp = std::function<bool(const QString& path)>;
    void setBringUp(BringUp bringUp) { bringUp_ = std::move(bringUp); }
    const BringUp& bringUp() const { return bringUp_; }
    // What else must forget a picture that leaves the bank (the copy kept for
    // paste).
    void setPictureLeftBank(std::function<void(int slot)> left) {
        pictureLeftBank_ = std::move(left);
    }

    QListWidget* pictureList() const { return pictureList_; }
    // The picture chosen in the list, by its key.
    const QString& SelectedImageKey() const { return selectedImageKey_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int selectedRow() const;
    int selectedSlot() const;
    void updateMenu();

    const EditorContext* context_ = nullptr;
    DialogHost* dialogs_ = nullptr;
    BringUp bringUp_;
    std::function<void(int slot)> pictureLeftBank_;
    QListWidget* pictureList_ = nullptr;
    QString selectedImageKey_;
    QMenu* pictureMenu_ = nullptr;
    QAction* addPictureAction_ = nullptr;
    QAction* deletePictureAction_ = nullptr;
    QAction* picturePropertiesAction_ = nullptr;
    // One small picture per file name, kept over removals.
    QHash<QString, QIcon> icons_;
};

// The list of the honourable pieces, in type order, each with its icon.
class PiecesListPanel : public QObject {
    Q_OBJECT
  public:
    explicit PiecesListPanel(QWidget& window);
    void wire(const EditorContext& context);

    void FillPiecesList();
    // The chosen piece on the shield, or its repeats cycled.
    void doubleClicked();

    QListWidget* piecesList() const { return piecesList_; }

  private:
    const EditorContext* context_ = nullptr;
    QListWidget* piecesList_ = nullptr;
    int selectedPieceIndex_ = 0;
};

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
