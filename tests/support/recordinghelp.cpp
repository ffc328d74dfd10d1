#include "recordinghelp.h"

RecordingHelp::RecordingHelp()
    : m_previous(HelpSystem::install(this))
{ }

RecordingHelp::~RecordingHelp()
{
    HelpSystem::install(m_previous);
}

void RecordingHelp::showTopics(const QString &helpFile)
{
    requests.append({helpFile, 0});
}

void RecordingHelp::showContext(const QString &helpFile, int context)
{
    requests.append({helpFile, context});
}
