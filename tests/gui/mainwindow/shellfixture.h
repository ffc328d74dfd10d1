#pragma once
// Helpers shared by the window tests of the shell: a way to answer the modal
// windows a command opens, and the program's help file.

#include "gui/common/help.h"
#include "recordinghelp.h"

#include <QList>
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <functional>

// Runs command. Every modal window that shows meanwhile has its caption
// recorded and is closed from outside (rejected), as a user pressing Cancel
// would. Answering stops after limit + 1 windows: a command that keeps showing
// windows then waits on the last one, and the test's time limit ends it.
QStringList RunDismissingModals(const std::function<void()> &command, int limit = 4);

class QAction;
class QToolButton;

// The action of window with the given objectName; fails the test when there
// is none.
QAction *Action(const QObject *window, const char *name);
// The tool bar button that shows action in window.
QToolButton *ToolButtonFor(const QMainWindow *window, QAction *action);

// The help file the program uses when no window names its own.
QString ExpectedProgramHelpFile();
