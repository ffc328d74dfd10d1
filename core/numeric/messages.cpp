#include "core/numeric/messages.h"

#include <cstdio>
#include <utility>

void WriteToStandardError(const std::string &text)
{
    const std::string shown = ConsoleMessageText(text);
    std::fprintf(stderr, "%s\n", shown.c_str());
    std::fflush(stderr);
}

namespace {

MessageHandler &CurrentHandler()
{
    static MessageHandler handler = WriteToStandardError;
    return handler;
}

} // namespace

void ShowMessage(const std::string &text)
{
    CurrentHandler()(text);
}

MessageHandler SetMessageHandler(MessageHandler handler)
{
    if (!handler)
        handler = WriteToStandardError;
    return std::exchange(CurrentHandler(), std::move(handler));
}

std::string ConsoleMessageText(const std::string &text)
{
    std::string shown;
    shown.reserve(text.size());
    for (char c : text) {
        if (c == '\x03')
            continue;
        shown += (c == '\r') ? '\n' : c;
    }
    return shown;
}

MessageRecorder::MessageRecorder()
    : m_previous(SetMessageHandler([this](const std::string &text) { m_texts.push_back(text); }))
{ }

MessageRecorder::~MessageRecorder()
{
    SetMessageHandler(std::move(m_previous));
}

std::vector<std::string> MessageRecorder::take()
{
    return std::exchange(m_texts, {});
}
