#pragma once
// The simple message box as the Qt-free core sees it.
//
// Core routines that must tell the user something (a number that cannot be
// read, a failed power function) call ShowMessage with the text in the
// program's 8-bit character set. The windowed program installs a handler that
// shows a modal box with an OK button and the application title as caption;
// the console companion keeps the default, which writes the text to standard
// error; tests install a handler that records the texts.

#include <functional>
#include <string>
#include <vector>

using MessageHandler = std::function<void(const std::string &text)>;

// Shows text through the current handler and returns when it was acknowledged.
void ShowMessage(const std::string &text);

// Replaces the handler and returns the previous one. An empty handler restores
// the default.
MessageHandler SetMessageHandler(MessageHandler handler);

// Collects every message shown while it is alive instead of showing it; the
// previous handler comes back when it ends.
class MessageRecorder
{
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    const std::vector<std::string> &texts() const { return m_texts; }
    std::vector<std::string> take();

private:
    std::vector<std::string> m_texts;
    MessageHandler m_previous;
};

// The text as a console shows it: the ETX control characters dropped and every
// carriage return turned into a line feed.
std::string ConsoleMessageText(const std::string &text);

// The default handler: ConsoleMessageText of text and a line feed to standard error.
void WriteToStandardError(const std::string &text);
