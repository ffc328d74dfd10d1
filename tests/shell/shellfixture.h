#pragma once
// Helpers shared by the window tests of the shell: a help system that records
// what was asked of it, and a way to answer the modal windows a command opens.

#include "ui/help.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

struct HelpRequest
{
    QString file;
    int context = 0; // 0: the topics (contents and index)
};

// Records every help request for its lifetime instead of opening the viewer.
class RecordingHelp : public HelpSystem
{
public:
    RecordingHelp();
    ~RecordingHelp() override;
    void showTopics(const QString &helpFile) override;
    void showContext(const QString &helpFile, int context) override;

    QList<HelpRequest> requests;

private:
    HelpSystem *m_previous;
};

// Runs command. Every modal window that shows meanwhile has its caption
// recorded and is closed from outside (rejected), as a user pressing Cancel
// would. Answering stops after limit + 1 windows: a command that keeps showing
// windows then waits on the last one, and the test's time limit ends it.
QStringList RunDismissingModals(const std::function<void()> &command, int limit = 4);

// The help file the program uses when no window names its own.
QString ExpectedProgramHelpFile();
