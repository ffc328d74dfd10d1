#include "core/calculators/batchdiscrete.h"

#include "core/calculators/discrete.h"
#include "core/numeric/messages.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

void WriteLine(std::FILE *stream, const std::string &text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

struct Option
{
    const char *name;
    DiscreteQuestion question;
};

constexpr Option Options[] = {
    {"--exact", DiscreteQuestion::Exact},
    {"--lower", DiscreteQuestion::AtMost},
    {"--upper", DiscreteQuestion::AtLeast},
    {"--between", DiscreteQuestion::Between},
};

std::string Usage(bool quantile, bool binomial, const Translator &translator)
{
    const std::string parameters = binomial ? " N P" : " LAMBDA";
    const std::string name = binomial ? "binom" : "poisson";
    // The second form lines up under the first.
    const std::string form
        = translator("BatchCalculator", MERVAN_TEXT("BatchCalculator", "usage: %1"));
    const std::string indent(std::min(form.find("%1"), form.size()), ' ');
    if (quantile)
        return Filled(form, {"mervan-batch q " + name + " PROB" + parameters});
    return Filled(form, {"mervan-batch p " + name + " [--exact|--lower|--upper] K" + parameters})
        + "\n" + indent + "mervan-batch p " + name + " --between A B" + parameters;
}

} // namespace

int RunDiscreteCommand(const std::string &command, const std::vector<std::string> &args,
                       const Translator &translator)
{
    if ((command != "p" && command != "q") || args.empty()
        || (args[0] != "binom" && args[0] != "poisson"))
        return -1;
    const bool quantile = command == "q";
    const bool binomial = args[0] == "binom";
    const std::size_t parameters = binomial ? 2 : 1;

    DiscreteQuestion question = quantile ? DiscreteQuestion::Quantile : DiscreteQuestion::AtMost;
    std::vector<std::string> rest(args.begin() + 1, args.end());
    if (!quantile && !rest.empty()) {
        for (const Option &option : Options) {
            if (rest.front() == option.name) {
                question = option.question;
                rest.erase(rest.begin());
                break;
            }
        }
    }
    const std::size_t asked = static_cast<std::size_t>(QuestionFieldCount(question));
    if (rest.size() != asked + parameters || (!rest.empty() && rest.front().rfind("--", 0) == 0)) {
        WriteLine(stderr, Usage(quantile, binomial, translator));
        return 2;
    }
    // The dialog's order: the distribution first, then the question.
    std::vector<std::string> fields(rest.begin() + static_cast<std::ptrdiff_t>(asked), rest.end());
    fields.insert(fields.end(), rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(asked));

    const DiscreteResult result
        = RunDiscreteRequest(binomial ? DiscreteFamily::Binomial : DiscreteFamily::Poisson,
                             question, fields, 0, translator);
    for (const std::string &message : result.messages)
        WriteToStandardError(message);
    if (!result.accepted)
        return 2;
    if (std::isnan(result.logValue)) {
        WriteLine(stderr,
                  translator("Calculator",
                             MERVAN_TEXT("Calculator",
                                         "The probability could not be "
                                         "computed.")));
        return 1;
    }
    WriteLine(stdout, result.report);
    return 0;
}
