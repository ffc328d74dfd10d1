#include "gui/viewers/windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void CentreOverParent(QWidget *window)
{
    QRect area;
    if (QWidget *parent = window->parentWidget())
        area = parent->window()->frameGeometry();
    else if (const QScreen *screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isEmpty())
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(area.center());
    window->move(frame.topLeft());
}
