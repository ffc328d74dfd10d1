#pragma once
// Where the program's dialogs and viewers appear: centred over the window
// they belong to.

class QWidget;

// Moves window so that its frame is centred over its parent's top-level
// window, or over the available area of the primary screen when it has no
// parent. Call it when the window is shown for the first time; later showings
// keep the place (the move counts as an explicit position for QDialog).
void CentreOverParent(QWidget *window);
