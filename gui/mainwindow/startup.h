#pragma once
// Program start: the application's title and help file, the routes of the
// core's messages and of the F1 key, and the splash over the main window.

#include "gui/common/help.h"

class QWidget;

// How long the splash stays when nobody sends it away.
constexpr int SplashMilliseconds = 2000;

// Sets the application title and the first application help file, routes the
// core's messages to the message box and installs the F1 key.
void PrepareApplication();

// Shows an About box over window, without taking the keyboard from it, for
// the given time or until it is clicked or gets a key. It deletes itself when
// it goes; the returned pointer is for watching it.
QWidget *ShowSplash(QWidget *window, int milliseconds = SplashMilliseconds);
