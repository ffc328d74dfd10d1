#pragma once
// Program start: the application's title and help file, the frame window with
// its splash, and the long-lived windows, created hidden in a fixed order and
// destroyed when the program ends.

#include "gui/common/help.h"

#include <QString>
#include <QtGlobal>

class TFrameForm;

struct StartUpOptions
{
    // The About box stays on screen for two to three seconds while the frame
    // is made. Tests and the start-up benchmark leave it out.
    bool splash = true;
    // Closing the frame ends the program's event loop.
    bool endsProgram = true;
};

// The system's monotonic millisecond counter.
qint64 TickCount();
// The splash waits until the counter's whole seconds have grown by three:
// the tick at which the wait that began at startTick ends. The wait lasts
// more than two and at most three seconds.
qint64 SplashEndTick(qint64 startTick);
// Shows a temporary About box, keeps it on screen without answering the user
// until SplashEndTick, and destroys it.
void ShowSplash();

// Sets the application title and the first application help file.
void PrepareApplication();

// The program's windows from start-up to the end. Creating it makes the frame
// (FrameForm) and then, hidden and in this order, AboutBox, MyGraph, Histo,
// Normal, TCompute, X2, FCompute, MsgForm and ViewForm, and routes the core's
// messages and the F1 key to their windows. Destroying it destroys them all.
class ProgramWindows
{
public:
    explicit ProgramWindows(const StartUpOptions &options = StartUpOptions{});
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows &) = delete;
    ProgramWindows &operator=(const ProgramWindows &) = delete;

    TFrameForm *frame() const;
    // Shows the frame, centred on the screen.
    void showFrame();
};
