#pragma once

class QAction;
class QMenu;
class QWidget;

namespace tess {

struct MenuItemState;

// The makers every panel builds its popup menus with. Each menu and item
// carries its name as object name, so the tests and the scripted popups find
// it by that name; the menus are owned by the window they pop up over.
QMenu* makeMenu(QWidget& window, const char* name);
QAction* addItem(QMenu& menu, const char* name, const char* caption, bool checkable = false);
// A separator, named when it is shown or hidden later.
QAction* addSeparator(QMenu& menu, const char* name = nullptr);
// The enabled state and check mark a redraw settles for an item.
void applyItemState(QAction& item, const MenuItemState& state);

}  // namespace tess
