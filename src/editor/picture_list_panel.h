#pragma once

#include <functional>

#include <QHash>
#include <QIcon>
#include <QObject>
#include <QString>

class QAction;
class QListWidget;
class QMenu;
class QWidget;

namespace tess {

class DialogHost;
class DocumentSession;

// The list of the document's pictures, from which charges are placed, and
// its menu (add, delete, properties). It shows the workspace's picture list;
// its commands go through src/actions/.
class PictureListPanel : public QObject {
    Q_OBJECT
  public:
    // The list follows every redraw of `session`; the properties open in
    // `dialogs`.
    PictureListPanel(QWidget& window, DocumentSession& session, DialogHost& dialogs);

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

    DocumentSession& session_;
    DialogHost& dialogs_;
    BringUp bringUp_;
    std::function<void(int slot)> pictureLeftBank_;
    QListWidget* pictureList_ = nullptr;
    QString selectedImageKey_;
    QMenu* pictureMenu_ = nullptr;
    QAction* addPictureAction_ = nullptr;
    QAction* deletePictureAction_ = nullptr;
    QAction* picturePropertiesAction_ = nullptr;
    // The icon of each listed picture file, by path, made once when the file
    // enters the list and dropped when it leaves it.
    QHash<QString, QIcon> icons_;
};

}  // namespace tess
