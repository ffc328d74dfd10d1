#pragma once
// Sizes of the main window and its editor windows, shared by its source files.

#include <QGuiApplication>
#include <QScreen>
#include <QSize>

#include <cmath>

// Sizes of windows are halves and fractions of a screen or of the main
// window; a half goes to the even neighbour.
inline int RoundHalfEven(double value)
{
    return static_cast<int>(std::lrint(value));
}

inline QSize PrimaryScreenSize()
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        return screen->geometry().size();
    return QSize(800, 600);
}
