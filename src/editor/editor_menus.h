#pragma once

#include <array>

class QAction;
class QMenu;
class QWidget;

namespace tess {

struct RedrawResult;

// The editor's popup menus, never shown in a menu bar. Each menu and item
// carries its member's name as object name, so the tests and the scripted
// popups find it by that name.
struct EditorMenus {
    // A picture of the picture list.
    QMenu* pictureMenu = nullptr;
    QAction* addPictureAction = nullptr;
    QAction* deletePictureAction = nullptr;
    QAction* picturePropertiesAction = nullptr;

    // The charge held in the overlay.
    QMenu* heldChargeMenu = nullptr;
    QAction* mirrorChargeAction = nullptr;
    QAction* chargeOverAllAction = nullptr;
    QAction* makeGroupAction = nullptr;
    QAction* copyChargeAction = nullptr;
    QAction* deleteHeldChargeAction = nullptr;
    QAction* chargePropertiesAction = nullptr;

    QMenu* fileMenu = nullptr;
    QAction* newAction = nullptr;
    QAction* openAction = nullptr;
    QAction* saveAction = nullptr;
    QAction* saveAsAction = nullptr;
    QAction* exportAction = nullptr;
    QAction* printAction = nullptr;
    QAction* gridAction = nullptr;
    QAction* recentSeparator = nullptr;           // above the recent documents
    std::array<QAction*, 5> recentFileActions{};  // 1..4
    QAction* quitSeparator = nullptr;
    QAction* quitAction = nullptr;

    QMenu* firstOrderPieceMenu = nullptr;
    QAction* firstOrderLinesAction = nullptr;
    QAction* firstOrderFullAction = nullptr;
    QAction* firstOrderDiminishedAction = nullptr;
    QAction* firstOrderFilletAction = nullptr;
    QAction* deleteFirstOrderAction = nullptr;
    QAction* insertArmsOnPieceAction = nullptr;
    QAction* pasteOnFirstOrderAction = nullptr;

    QMenu* secondOrderPieceMenu = nullptr;
    QAction* secondOrderLinesAction = nullptr;
    QAction* secondOrderFullAction = nullptr;
    QAction* secondOrderDiminishedAction = nullptr;
    QAction* secondOrderFilletAction = nullptr;
    QAction* deleteSecondOrderAction = nullptr;
    QAction* pasteOnSecondOrderAction = nullptr;

    // The fur palette and the user-fur swatches.
    QMenu* furMenu = nullptr;
    QAction* defineUserFurAction = nullptr;
    QAction* editUserFurAction = nullptr;
    QAction* deleteUserFurAction = nullptr;

    // A part of the field.
    QMenu* partMenu = nullptr;
    QAction* partLinesAction = nullptr;
    QAction* pasteOnPartAction = nullptr;
    QAction* insertArmsOnPartAction = nullptr;

    // A swatch of the tincture palette.
    QMenu* tinctureColourMenu = nullptr;
    QAction* adjustColourAction = nullptr;

    // The checks and enabled states a redraw settles.
    void applyRedraw(const RedrawResult& result);
};

// Makes every menu and item with its French caption, owned by `owner`.
EditorMenus buildEditorMenus(QWidget* owner);

}  // namespace tess
