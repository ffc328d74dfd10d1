#pragma once
// The application's standard error box: an exception that escapes a command
// is shown with its message and the program goes on.

#include <QApplication>
#include <functional>

// The program's application object. Besides catching what escapes an event
// handler, it installs the font stand-ins. (The program's windows route the
// core's messages to the message box and install the F1 key.)
class MervanApplication : public QApplication
{
    Q_OBJECT
public:
    MervanApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

// Runs command; an exception escaping it is shown in the error box.
// Returns false when that happened.
bool RunGuarded(const std::function<void()> &command);
