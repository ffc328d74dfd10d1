#pragma once
// Where the program's dialogs and viewers appear: centred over the window
// they belong to.

class QSize;
class QString;
class QWidget;

// Moves window so that its frame is centred over its parent's top-level
// window, or over the available area of the primary screen when it has no
// parent. The window stays wholly on the screen it appears on: it is moved
// in from the edges and, when larger than the screen, made smaller as far as
// its minimum size allows; a window of fixed size, or one whose contents
// cannot shrink enough, shows them in a scroll area (see ScrollWhenTooLarge). Call it when the
// window is shown for the first time; later showings keep the place (the move counts as an explicit
// position for QDialog).
void CentreOverParent(QWidget *window);

// Moves window's contents (its layout) into a scroll area filling the
// window when they need more than room, and lets the window shrink to room;
// true when it did. The layout keeps working as before, inside the area.
bool ScrollWhenTooLarge(QWidget *window, const QSize &room);

// The width a window needs for its title bar to show caption whole.
int CaptionWidth(const QString &caption);
