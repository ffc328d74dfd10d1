#pragma once
// Menu merging: while an editor window is active, its menus join the frame's
// menu bar. Every menu carries a group number; the bar shows the menus ordered
// by group, and a menu of the editor window takes the place of the frame's
// menus of the same group.

#include <QList>

class QMenu;

struct GroupedMenu
{
    int group = 0;
    QMenu *menu = nullptr;
};

// The menus of the bar, left to right. Menus of one group keep their order,
// the frame's before the window's where both remain.
QList<QMenu *> MergeMenus(const QList<GroupedMenu> &frameMenus,
                          const QList<GroupedMenu> &windowMenus);
