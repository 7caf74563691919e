// Menu bar: the menus of the layout table, each item the action of its command.
#include "menubar.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

QMenu* fillMenuBar(QMenuBar& bar, const std::function<QAction*(CommandId)>& action,
                   const std::function<void()>& opening)
{
    QMenu* first = nullptr;
    for (const Menu& layout : menuBarLayout()) {
        QMenu* menu = bar.addMenu(QCoreApplication::translate("Menu", layout.title));
        if (first == nullptr)
            first = menu;
        QObject::connect(menu, &QMenu::aboutToShow, &bar, opening);
        for (const MenuItem& item : layout.items) {
            if (item.submenu != nullptr) {
                QMenu* submenu = menu->addMenu(QCoreApplication::translate("Menu", item.submenu));
                for (const CommandId id : item.submenuItems)
                    submenu->addAction(action(id));
            } else if (item.command == CommandId::Separator) {
                menu->addSeparator();
            } else {
                menu->addAction(action(item.command));
            }
        }
    }
    return first;
}
