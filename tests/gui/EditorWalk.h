#pragma once

// Opens every editor the main window offers, as a user would reach them: each item of the
// navigation tree, then each command of the Edit menu (the editors only the menu opens).
#include "gui/app/CMainFrame.h"
#include "gui/app/NavigationTree.h"

#include <QList>
#include <QMenu>
#include <QTreeWidgetItemIterator>
#include <vector>

namespace tav::gui::test {

/// Every command of the menus, their submenus walked (no separators, no submenu entries).
inline QList<QAction*> MenuCommands(std::vector<QMenu*> menus) {
    QList<QAction*> commands;
    while (!menus.empty()) {
        QMenu* menu = menus.back();
        menus.pop_back();
        for (QAction* action : menu->actions()) {
            if (action->menu()) {
                menus.push_back(action->menu());
            } else if (!action->isSeparator()) {
                commands << action;
            }
        }
    }
    return commands;
}

inline void OpenEveryEditor(CMainFrame& frame) {
    QList<int> treeCommands;
    for (QTreeWidgetItemIterator it(frame.Tree()); *it; ++it) {
        const int id = (*it)->data(0, NavigationTree::kCommandRole).toInt();
        if ((*it)->parent() && id > 0 && !treeCommands.contains(id)) {
            treeCommands << id;
        }
    }
    for (const int id : treeCommands) {
        if (QTreeWidgetItem* item = frame.Tree()->FindItem(id)) {
            frame.Tree()->OpenItem(item);
        }
    }
    QList<int> menuCommands;
    for (QAction* action : MenuCommands({frame.TopMenu(CMainFrame::kEditMenu)})) {
        if (action->data().toInt() > 0) {
            menuCommands << action->data().toInt();
        }
    }
    for (const int id : menuCommands) {
        frame.RunCommand(id);
    }
}

} // namespace tav::gui::test
