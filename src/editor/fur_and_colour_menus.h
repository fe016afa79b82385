#pragma once

#include <functional>

#include <QObject>

namespace tess {

class MainWindow;

// The commands of the fur menu (define, edit and delete a user fur), of the
// tincture palette's colour menu ("Ajuster cette couleur") and of the
// "Insérer un blason" items of the part and first-order piece menus: each
// opens its dialog or asks its questions, then changes the document through
// src/actions/ and shows the result. The entry points carry what the popup
// was opened on; the menu items call them with what the fur palette and the
// item's data hold.
class FurAndColourMenus : public QObject {
    Q_OBJECT
  public:
    explicit FurAndColourMenus(MainWindow& window);

    // Opens the colour adjustment for tincture 1..11.
    void adjustTinctureColour(int tincture);
    // Opens the fur editor on the first free slot; nothing when all four are taken.
    void defineUserFur();
    // Opens the fur editor on slot 0..3 as it stands.
    void editUserFur(int slot);
    // Deletes the fur of slot 0..3, asking for each part painted with it.
    void deleteUserFur(int slot);
    // Inserts a saved coat of arms into part 1..4 or the first-order zone (7).
    void insertArms(int part);

    // The help of the fur editor's "?" (its topic number), given by whoever
    // owns the help; none: the button does nothing.
    std::function<void(int context)> help;

  private:
    void connectMenus();
    void openFurEditor(int slot);
    void showUserFurSwatch(int slot);

    MainWindow& window_;
};

}  // namespace tess
