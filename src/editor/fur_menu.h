#pragma once

#include <functional>

#include <QObject>
#include <QPoint>

#include "model/records.h"

class QAction;
class QMenu;
class QWidget;

namespace tess {

class DocumentSession;
class DialogHost;
class FurPalettePanel;

// The fur menu of the fur palette and the user-fur swatches, and its
// commands: define a user fur in the first free slot, edit or delete the fur
// of the swatch the menu was opened on. The fur editor opens on the slot's
// fur; a deletion asks for each part painted with it.
class FurMenu : public QObject {
    Q_OBJECT
  public:
    FurMenu(QWidget& window, FurPalettePanel& panel, DialogHost& dialogs, DocumentSession& session,
            std::function<void(int topic)> help);

    // The user-fur slot the menu was opened on.
    Byte FurSlotIndex() const { return furSlotIndex_; }

    // Any press on the fur palette: "Définir" is offered while a slot is free.
    void paletteTouched();
    // The menu over the palette: nothing to edit or delete there.
    void popupForPalette(QPoint globalAt);
    // The menu over swatch `slot`, its items naming the swatch's fur.
    void popupForSlot(int slot, QPoint globalAt);
    // A double click on swatch `slot`: exactly as choosing "Modifier" in its menu.
    void editFromSwatch(int slot);

    // Opens the fur editor on the first free slot; nothing when all four are taken.
    void defineUserFur();
    // Opens the fur editor on slot 0..3 as it stands.
    void editUserFur(int slot);
    // Deletes the fur of slot 0..3, asking for each part painted with it.
    void deleteUserFur(int slot);

  private:
    void openFurEditor(int slot);

    FurPalettePanel& panel_;
    DialogHost& dialogs_;
    DocumentSession& session_;
    std::function<void(int topic)> help_;
    Byte furSlotIndex_ = 0;
    QMenu* menu_ = nullptr;
    QAction* defineUserFurAction_ = nullptr;
    QAction* editUserFurAction_ = nullptr;
    QAction* deleteUserFurAction_ = nullptr;
};

}  // namespace tess
