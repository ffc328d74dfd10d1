#include "gui/viewers/windowplacement.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

// The available area of the screen that shows most of area.
QRect ScreenArea(const QRect &area)
{
    const QScreen *screen = QGuiApplication::screenAt(area.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace

void CentreOverParent(QWidget *window)
{
    QRect area;
    if (QWidget *parent = window->parentWidget())
        area = parent->window()->frameGeometry();
    if (area.isEmpty())
        area = ScreenArea(QRect());
    if (area.isEmpty())
        return;
    const QRect screen = ScreenArea(area);
    QRect frame = window->frameGeometry();
    if (!screen.isEmpty()) {
        // A window larger than the screen is made to fit, where it can be
        // resized at all; the frame's decoration keeps its size.
        const QSize decoration = frame.size() - window->size();
        const QSize room = screen.size() - decoration;
        const QSize wanted = window->size().boundedTo(room).expandedTo(window->minimumSize());
        if (wanted != window->size()) {
            window->resize(wanted);
            frame.setSize(wanted + decoration);
        }
    }
    frame.moveCenter(area.center());
    if (!screen.isEmpty()) {
        frame.moveLeft(
            std::max(screen.left(), std::min(frame.left(), screen.right() - frame.width() + 1)));
        frame.moveTop(
            std::max(screen.top(), std::min(frame.top(), screen.bottom() - frame.height() + 1)));
    }
    window->move(frame.topLeft());
}

int CaptionWidth(const QString &caption)
{
    // The caption's text in the application font, with room for the window
    // menu icon and the three title bar buttons.
    const QFontMetrics metrics(QGuiApplication::font());
    return metrics.horizontalAdvance(caption) + 8 * metrics.height();
}
