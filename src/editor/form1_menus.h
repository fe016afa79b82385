#pragma once

#include <array>

class QAction;
class QMenu;
class QWidget;

namespace tess {

// The main window's popup menus, never shown in a menu bar. Each item's object
// name is its command's name ("mnuSave"), so the handlers and the tests find
// it by that name.
struct Form1Menus {
    QMenu* mnuImages = nullptr;
    QAction* mnuImAdd = nullptr;
    QAction* mnuImDelete = nullptr;
    QAction* mnuProp = nullptr;

    QMenu* mnuActions = nullptr;
    QAction* mnuInvert = nullptr;
    QAction* mnuBrocher = nullptr;
    QAction* mnuMotif = nullptr;
    QAction* mnuCopy = nullptr;
    QAction* mnuActDel = nullptr;
    QAction* mnuProp2 = nullptr;

    QMenu* mnuFile = nullptr;
    QAction* mnuNew = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuSaveAs = nullptr;
    QAction* mnuExport = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuGrid = nullptr;
    QAction* SEP16 = nullptr;            // above the recent documents
    std::array<QAction*, 5> mnuFileN{};  // 1..4
    QAction* SEP17 = nullptr;
    QAction* mnuQuit = nullptr;

    // The first-order piece's menu.
    QMenu* mnuOrdre1 = nullptr;
    QAction* mnuOrdre1Rab = nullptr;
    QAction* mnuNormal = nullptr;
    QAction* mnuReduce = nullptr;
    QAction* mnuFilet = nullptr;
    QAction* mnuDelXObj = nullptr;
    QAction* mnuAddBlsEcu = nullptr;  // named "mnuAddBlsÉcu"
    QAction* mnuCopyO1 = nullptr;

    QMenu* mnuOrdre2 = nullptr;
    QAction* mnuRabOrdre2 = nullptr;
    QAction* mnuFull2 = nullptr;
    QAction* mnuReduced2 = nullptr;
    QAction* mnuFilet2 = nullptr;
    QAction* mnuDelOrdre2 = nullptr;
    QAction* mnuCopyO2 = nullptr;

    QMenu* mnuFourrures = nullptr;
    QAction* mnuDefFour = nullptr;
    QAction* mnuModFour = nullptr;
    QAction* mnuDelFour = nullptr;

    // A part of the field.
    QMenu* mnuBls = nullptr;
    QAction* mnuRabPart = nullptr;
    QAction* mnuPaste = nullptr;
    QAction* mnuAddBls = nullptr;

    QMenu* mnuColors = nullptr;
    QAction* mnuAdjust = nullptr;
};

// Makes every menu and item as the window design holds them, owned by `owner`.
Form1Menus buildForm1Menus(QWidget* owner);

}  // namespace tess
