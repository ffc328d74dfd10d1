#include "core/calculators/batchcalc.h"

#include "core/calculators/calcinput.h"

#include <algorithm>
#include <clocale>
#include <cstddef>
#include <cstdio>
#include <iterator>

namespace {

// Names and texts are held in place so that the table is read-only data. The
// usages are the command lines' forms, shown after "usage: ".
struct CalculatorCommand
{
    char name[8];
    char usage[40];
    std::size_t arguments;
    // The usage once an area option is given.
    char areaUsage[112];
};

constexpr CalculatorCommand Commands[] = {
    {"t", "mervan-batch t ALPHA V", 2, "mervan-batch t ALPHA V [--lower|--upper|--two-sided]"},
    {"chi", "mervan-batch chi ALPHA V", 2,
     "mervan-batch chi ALPHA V [--lower|--upper|--two-sided]"},
    {"f", "mervan-batch f ALPHA V1 V2", 3,
     "mervan-batch f ALPHA V1 V2 [--lower|--upper|--two-sided]"},
    {"normal", "mervan-batch normal P", 1,
     "mervan-batch normal ALPHA (--lower|--upper|--two-sided) [--mean M --sd S]"},
};

// The same calculators after "p": from a statistic to its probability.
constexpr CalculatorCommand ProbabilityCommands[] = {
    {"t", "mervan-batch p t VALUE V", 2,
     "mervan-batch p t [--lower|--upper|--two-sided] VALUE V | --between A B V"},
    {"chi", "mervan-batch p chi VALUE V", 2,
     "mervan-batch p chi [--lower|--upper|--two-sided] VALUE V | --between A B V"},
    {"f", "mervan-batch p f VALUE V1 V2", 3,
     "mervan-batch p f [--lower|--upper|--two-sided] VALUE V1 V2 | --between A B V1 V2"},
    {"normal", "mervan-batch p normal Z", 1,
     "mervan-batch p normal [--lower|--upper|--two-sided] VALUE | --between A B "
     "[--mean M --sd S]"},
};

struct AreaOption
{
    char name[12];
    CalcArea area;
};

constexpr AreaOption AreaOptions[] = {
    {"--lower", CalcArea::Lower},
    {"--upper", CalcArea::Upper},
    {"--two-sided", CalcArea::TwoSided},
    {"--between", CalcArea::Between},
};

// The arguments after the calculator's name: the area and the normal's mean
// and sd taken out of them, the numbers left in order.
struct AreaArguments
{
    CalcArea area = CalcArea::Standard;
    bool options = false; // any option given
    bool valid = true;
    std::vector<std::string> fields;
    std::string mean;
    std::string sd;
};

AreaArguments SplitArguments(const std::vector<std::string> &args, bool probability)
{
    AreaArguments split;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        const auto option = std::find_if(std::begin(AreaOptions), std::end(AreaOptions),
                                         [&arg](const AreaOption &o) { return arg == o.name; });
        if (option != std::end(AreaOptions)) {
            split.valid = split.valid && split.area == CalcArea::Standard
                && (probability || option->area != CalcArea::Between);
            split.area = option->area;
            split.options = true;
        } else if ((arg == "--mean" || arg == "--sd") && i + 1 < args.size()) {
            (arg == "--mean" ? split.mean : split.sd) = args[++i];
            split.options = true;
        } else {
            split.fields.push_back(arg);
        }
    }
    // The normal's own units go with an area.
    const bool own = !split.mean.empty() || !split.sd.empty();
    split.valid = split.valid && (!own || split.area != CalcArea::Standard);
    if (own) {
        split.fields.push_back(split.mean.empty() ? "0" : split.mean);
        split.fields.push_back(split.sd.empty() ? "1" : split.sd);
    }
    return split;
}

constexpr CalcKind Kinds[] = {CalcKind::T, CalcKind::ChiSquared, CalcKind::F, CalcKind::Normal};

void WriteText(std::FILE *stream, const std::string &text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

} // namespace

int RunCalculatorCommand(const std::string &command, const std::vector<std::string> &args,
                         const Translator &translator)
{
    const bool probability = command == "p";
    if (probability && args.empty())
        return -1;
    const std::string &name = probability ? args[0] : command;
    const AreaArguments split
        = SplitArguments({args.begin() + (probability ? 1 : 0), args.end()}, probability);
    for (std::size_t which = 0; which < std::size(Commands); ++which) {
        const CalculatorCommand &calculator
            = probability ? ProbabilityCommands[which] : Commands[which];
        if (name != calculator.name)
            continue;
        const bool normal = Kinds[which] == CalcKind::Normal;
        const std::size_t needed = calculator.arguments + (split.area == CalcArea::Between ? 1 : 0)
            + (split.mean.empty() && split.sd.empty() ? 0 : 2);
        if (split.fields.size() != needed || !split.valid
            || (!normal && !(split.mean.empty() && split.sd.empty()))) {
            WriteText(
                stderr,
                Filled(translator("BatchCalculator", MERVAN_TEXT("BatchCalculator", "usage: %1")),
                       {split.options ? calculator.areaUsage : calculator.usage}));
            return 2;
        }
        // The console reads numbers as the C library's locale writes them.
        const char decimalSign = *std::localeconv()->decimal_point == ',' ? ',' : '.';
        const CalcResult result = RunCalcRequest(
            Kinds[which], probability ? CalcDirection::Probability : CalcDirection::CriticalValue,
            split.area, split.fields, decimalSign, 0, translator);
        for (const CalcError &error : result.errors)
            WriteText(stderr, error.text);
        if (!result.accepted())
            return 2;
        WriteText(stdout, result.report);
        return 0;
    }
    return -1;
}
