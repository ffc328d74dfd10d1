#include "core/calculators/batchcalc.h"

#include "core/calculators/calcinput.h"
#include "core/calculators/resulttext.h"
#include "core/numeric/messages.h"

#include <cstddef>
#include <cstdio>

namespace {

struct CalculatorCommand
{
    const char *name;
    const char *usage;
    std::size_t arguments;
    CalcOutcome (*run)(const std::vector<std::string> &args);
};

const CalculatorCommand Commands[] = {
    {"t", "usage: mervan-batch t ALPHA V", 2,
     [](const std::vector<std::string> &a) { return RunTRequest(a[0], a[1]); }},
    {"chi", "usage: mervan-batch chi ALPHA V", 2,
     [](const std::vector<std::string> &a) { return RunChiRequest(a[0], a[1]); }},
    {"f", "usage: mervan-batch f ALPHA V1 V2", 3,
     [](const std::vector<std::string> &a) { return RunFRequest(a[0], a[1], a[2]); }},
    {"normal", "usage: mervan-batch normal P", 1,
     [](const std::vector<std::string> &a) { return RunNormalRequest(a[0]); }},
};

void WriteText(std::FILE *stream, const std::string &text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

} // namespace

int RunCalculatorCommand(const std::string &command, const std::vector<std::string> &args)
{
    for (const CalculatorCommand &calculator : Commands) {
        if (command != calculator.name)
            continue;
        if (args.size() != calculator.arguments) {
            WriteText(stderr, calculator.usage);
            return 2;
        }
        const CalcOutcome outcome = calculator.run(args);
        for (const std::string &message : outcome.messages)
            WriteToStandardError(message);
        if (!outcome.accepted)
            return 2;
        WriteText(stdout, ResultText);
        return 0;
    }
    return -1;
}
