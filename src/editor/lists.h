#pragma once

#include <functional>

#include <QHash>
#include <QIcon>
#include <QObject>
#include <QString>

#include "actions/piece_commands.h"

class QLabel;
class QListWidget;
class QWidget;

namespace tess {

struct EditorContext;
struct EditorMenus;
class DialogHost;

// The list of the document's pictures, from which charges are placed. It
// shows the workspace's picture list; its commands go through src/actions/.
class PictureListPanel : public QObject {
    Q_OBJECT
  public:
    explicit PictureListPanel(QWidget& window);
    // Connects the list and its menu items; run once by the main window.
    void wire(const EditorContext& context, EditorMenus& menus, DialogHost& dialogs);

    // The bank was emptied: no picture listed or chosen.
    void clear();
    // No picture chosen any more (a document opened, or one refused).
    void clearSelection();
    // Shows the workspace's entries (after an open, a command, an undo); the
    // widget is rebuilt only when they changed.
    void sync();

    void addPicture();
    void deletePicture();
    // The properties of the chosen picture, or of the held charge's.
    void showProperties();
    void showHeldChargeProperties();
    // A double click: with nothing chosen, add; else the chosen picture comes
    // up in the overlay.
    void doubleClicked();

    // What the overlay does for the list: bring a picture up at (2, 2), a held
    // charge committed first (false when refused); forget the copy kept for
    // paste when its picture leaves the bank.
    std::function<bool(const QString& path)> bringUp;
    std::function<void(int slot)> pictureLeftBank;

    QListWidget* pictureList = nullptr;
    // The picture chosen in the list, by its key.
    QString SelectedImageKey;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int selectedRow() const;
    int selectedSlot() const;
    void openProperties(int slot);
    void updateMenu();

    const EditorContext* context_ = nullptr;
    EditorMenus* menus_ = nullptr;
    DialogHost* dialogs_ = nullptr;
    // The icon of each listed picture file, by path, made once when the file
    // enters the list and dropped when it leaves it.
    QHash<QString, QIcon> icons_;
};

// The list of the honourable pieces, in type order, each with its icon, and
// the pieces' commands of the canvas menus.
class PiecesListPanel : public QObject {
    Q_OBJECT
  public:
    explicit PiecesListPanel(QWidget& window);
    void wire(const EditorContext& context, EditorMenus& menus, DialogHost& dialogs);

    void FillPiecesList();
    // The chosen piece on the shield, or its repeats cycled.
    void doubleClicked();
    void removeFirstOrderPiece();
    // Opens the line-style window for one edge.
    void editLine(EdgeLine edge);

    QListWidget* piecesList = nullptr;
    int SelectedPieceIndex = 0;

  private:
    const EditorContext* context_ = nullptr;
    DialogHost* dialogs_ = nullptr;
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
