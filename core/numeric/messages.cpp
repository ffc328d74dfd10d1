#include "core/numeric/messages.h"

#include <cstdio>

void WriteToStandardError(const std::string &text)
{
    const std::string shown = ConsoleMessageText(text);
    std::fprintf(stderr, "%s\n", shown.c_str());
    std::fflush(stderr);
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
