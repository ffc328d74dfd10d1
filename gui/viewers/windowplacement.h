#pragma once
// Where the program's dialogs and viewers appear: centred over the window
// they belong to.

class QString;
class QWidget;

// Moves window so that its frame is centred over its parent's top-level
// window, or over the available area of the primary screen when it has no
// parent. The window stays wholly on the screen it appears on: it is moved
// in from the edges and, when larger than the screen, made smaller as far as
// its minimum size allows. Call it when the window is shown for the first
// time; later showings keep the place (the move counts as an explicit
// position for QDialog).
void CentreOverParent(QWidget *window);

// The width a window needs for its title bar to show caption whole.
int CaptionWidth(const QString &caption);
