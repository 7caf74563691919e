// Menu bar: the menus of the layout table, each item the action of its command.
#pragma once

#include "commandtable.h"

#include <functional>

class QAction;
class QMenu;
class QMenuBar;

// Adds the menus of menuBarLayout() to the bar, each item the action the lookup gives for its
// command; opening runs before a menu shows. Returns the first menu, File.
QMenu* fillMenuBar(QMenuBar& bar, const std::function<QAction*(CommandId)>& action,
                   const std::function<void()>& opening);
