#include "gui/viewers/windowplacement.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
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

bool ScrollWhenTooLarge(QWidget *window, const QSize &room)
{
    QLayout *layout = window->layout();
    if (!layout || room.isEmpty())
        return false;
    layout->activate();
    const QSize wanted
        = (layout->sizeConstraint() == QLayout::SetFixedSize ? layout->totalSizeHint()
                                                             : layout->totalMinimumSize())
              .expandedTo(window->minimumSize());
    if (wanted.width() <= room.width() && wanted.height() <= room.height())
        return false;
    // The layout moves to a widget of its own, its widgets with it, and that
    // widget into the scroll area; a layout of fixed size keeps the inner
    // widget's size fixed, and the area scrolls over it.
    auto *contents = new QWidget;
    contents->setObjectName(QStringLiteral("ScrolledContents"));
    const QSize natural = window->sizeHint().expandedTo(wanted);
    contents->setLayout(layout);
    auto *scroll = new QScrollArea(window);
    scroll->setObjectName(QStringLiteral("WindowScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(contents);
    window->setMinimumSize(0, 0);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    auto *outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    const int bar = scroll->verticalScrollBar()->sizeHint().width();
    window->resize((natural + QSize(bar, bar)).boundedTo(room));
    return true;
}

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
    frame.moveCenter(area.center());
    if (screen.isEmpty()) {
        window->move(frame.topLeft());
        return;
    }

    // The frame's decoration, or room for a usual title bar and border while
    // the window is not framed yet.
    QSize decoration = frame.size() - window->size();
    if (decoration.isNull() && window->isWindow()) {
        const int border = 4;
        const int title = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
        decoration = QSize(2 * border, std::max(title, 24) + 2 * border);
    }
    // Contents larger than the screen scroll; a window larger than the
    // screen is made to fit, as far as it can be resized, and then moved in
    // from the screen's edges.
    if (ScrollWhenTooLarge(window, screen.size() - decoration)) {
        frame = QRect(QPoint(), window->size());
        frame.moveCenter(area.center());
    }
    const QSize wanted
        = window->size().boundedTo(screen.size() - decoration).expandedTo(window->minimumSize());
    if (wanted != window->size()) {
        window->resize(wanted);
        frame = QRect(QPoint(), wanted);
        frame.moveCenter(area.center());
    }
    const QSize outer = wanted + decoration;
    frame.moveLeft(
        std::max(screen.left(), std::min(frame.left(), screen.right() - outer.width() + 1)));
    frame.moveTop(
        std::max(screen.top(), std::min(frame.top(), screen.bottom() - outer.height() + 1)));
    window->move(frame.topLeft());
}

int CaptionWidth(const QString &caption)
{
    // The caption's text in the application font, with room for the window
    // menu icon and the three title bar buttons.
    const QFontMetrics metrics(QGuiApplication::font());
    return metrics.horizontalAdvance(caption) + 8 * metrics.height();
}
