#include "core/calculators/batchcalc.h"

#include "core/calculators/calcinput.h"

#include <clocale>
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

// The same calculators after "p": from a statistic to its probability.
constexpr CalculatorCommand ProbabilityCommands[] = {
    {"t", "usage: mervan-batch p t VALUE V", 2},
    {"chi", "usage: mervan-batch p chi VALUE V", 2},
    {"f", "usage: mervan-batch p f VALUE V1 V2", 3},
    {"normal", "usage: mervan-batch p normal Z", 1},
};

constexpr CalcKind Kinds[] = {CalcKind::T, CalcKind::ChiSquared, CalcKind::F, CalcKind::Normal};

void WriteText(std::FILE *stream, const std::string &text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

} // namespace

int RunCalculatorCommand(const std::string &command, const std::vector<std::string> &args)
{
    const bool probability = command == "p";
    if (probability && args.empty())
        return -1;
    const std::string &name = probability ? args[0] : command;
    const std::vector<std::string> fields(args.begin() + (probability ? 1 : 0), args.end());
    for (std::size_t which = 0; which < std::size(Commands); ++which) {
        const CalculatorCommand &calculator
            = probability ? ProbabilityCommands[which] : Commands[which];
        if (name != calculator.name)
            continue;
        if (fields.size() != calculator.arguments) {
            WriteText(stderr, calculator.usage);
            return 2;
        }
        // The console reads numbers as the C library's locale writes them.
        const char decimalSign = *std::localeconv()->decimal_point == ',' ? ',' : '.';
        const CalcResult result = RunCalcRequest(
            Kinds[which], probability ? CalcDirection::Probability : CalcDirection::CriticalValue,
            fields, decimalSign);
        for (const CalcError &error : result.errors)
            WriteText(stderr, error.text);
        if (!result.accepted())
            return 2;
        WriteText(stdout, result.report);
        return 0;
    }
    return -1;
}
