#include "gui/mainwindow/menumerge.h"

#include <QSet>
#include <algorithm>

QList<QMenu *> MergeMenus(const QList<GroupedMenu> &frameMenus,
                          const QList<GroupedMenu> &windowMenus)
{
    QSet<int> replaced;
    for (const GroupedMenu &entry : windowMenus)
        replaced.insert(entry.group);

    QList<GroupedMenu> merged;
    for (const GroupedMenu &entry : frameMenus) {
        if (!replaced.contains(entry.group))
            merged.append(entry);
    }
    for (const GroupedMenu &entry : windowMenus) {
        if (entry.menu)
            merged.append(entry);
    }
    std::stable_sort(merged.begin(), merged.end(),
                     [](const GroupedMenu &a, const GroupedMenu &b) { return a.group < b.group; });

    QList<QMenu *> menus;
    for (const GroupedMenu &entry : merged) {
        if (entry.menu)
            menus.append(entry.menu);
    }
    return menus;
}
