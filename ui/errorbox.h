#pragma once
// The application's standard error box: an exception that escapes a command
// is shown with its message and the program goes on.

#include <QApplication>
#include <functional>

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
