#include "core/numeric/messages.h"

#include <cstdio>

void WriteToStandardError(const std::string &text)
{
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
}
