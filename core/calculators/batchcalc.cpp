#include "core/calculators/batchcalc.h"

#include "core/calculators/calcinput.h"
#include "core/numeric/messages.h"

#include <cstddef>
#include <cstdio>
#include <iterator>

namespace {

// Names and texts are held in place so that the table is read-only data.
struct CalculatorCommand
{
    char name[8];
    char usage[40];
    std::size_t arguments;
};

constexpr CalculatorCommand Commands[] = {
    {"t", "usage: mervan-batch t ALPHA V", 2},
    {"chi", "usage: mervan-batch chi ALPHA V", 2},
    {"f", "usage: mervan-batch f ALPHA V1 V2", 3},
    {"normal", "usage: mervan-batch normal P", 1},
};

// The request of Commands[which] with its arguments.
CalcOutcome RunRequest(std::size_t which, const std::vector<std::string> &a)
{
    switch (which) {
    case 0:
        return RunTRequest(a[0], a[1]);
    case 1:
        return RunChiRequest(a[0], a[1]);
    case 2:
        return RunFRequest(a[0], a[1], a[2]);
    default:
        return RunNormalRequest(a[0]);
    }
}

void WriteText(std::FILE *stream, const std::string &text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

} // namespace

int RunCalculatorCommand(const std::string &command, const std::vector<std::string> &args)
{
    for (std::size_t which = 0; which < std::size(Commands); ++which) {
        const CalculatorCommand &calculator = Commands[which];
        if (command != calculator.name)
            continue;
        if (args.size() != calculator.arguments) {
            WriteText(stderr, calculator.usage);
            return 2;
        }
        const CalcOutcome outcome = RunRequest(which, args);
        for (const std::string &message : outcome.messages)
            WriteToStandardError(message);
        if (!outcome.accepted)
            return 2;
        WriteText(stdout, outcome.report);
        return 0;
    }
    return -1;
}
