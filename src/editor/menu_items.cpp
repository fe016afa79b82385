#include "editor/menu_items.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "actions/redraw_result.h"

namespace tess {

QMenu* makeMenu(QWidget& window, const char* name) {
    auto* menu = new QMenu(&window);
    menu->setObjectName(QString::fromUtf8(name));
    return menu;
}

QAction* addItem(QMenu& menu, const char* name, const char* caption, bool checkable) {
    QAction* item = menu.addAction(QString::fromUtf8(caption));
    item->setObjectName(QString::fromUtf8(name));
    item->setCheckable(checkable);
    return item;
}

QAction* addSeparator(QMenu& menu, const char* name) {
    QAction* separator = menu.addSeparator();
    if (name) separator->setObjectName(QString::fromUtf8(name));
    return separator;
}

void applyItemState(QAction& item, const MenuItemState& state) {
    item.setEnabled(state.Enabled);
    item.setChecked(state.Checked);
}

}  // namespace tess
