// The console companion's calculator commands: what goes to standard output
// and standard error, and the exit status.

#include "core/calculators/batchcalc.h"
#include "core/calculators/calcinput.h"
#include "core/numeric/strings.h"
#include "outcomecheck.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct CommandRun
{
    int status;
    std::string out;
    std::string err;
};

CommandRun RunCommand(const std::string &command, const std::vector<std::string> &args)
{
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int status = RunCalculatorCommand(command, args);
    CommandRun run{status, "", ""};
    run.out = testing::internal::GetCapturedStdout();
    run.err = testing::internal::GetCapturedStderr();
    return run;
}

TEST(CalculatorCommand, AcceptedRequestsPrintTheReport)
{
    const CommandRun t = RunCommand("t", {"0.05", "10"});
    EXPECT_EQ(t.status, 0);
    EXPECT_EQ(t.err, "");
    EXPECT_EQ(t.out,
              "          Students t distribution:\r\n"
              "          For alpha = 0.050\r\n"
              "          and 10 degrees of freedom\r\n"
              "\r\n"
              "          Critical value = 1.81\n");

    const CommandRun normal = RunCommand("normal", {"95"});
    EXPECT_EQ(normal.status, 0);
    EXPECT_EQ(normal.err, "");
    EXPECT_EQ(normal.out, RunNormalRequest("95").report + "\n");
    EXPECT_NE(normal.out.find("z-value = 1.960"), std::string::npos);
}

TEST(CalculatorCommand, RefusedInput)
{
    struct Case
    {
        const char *command;
        std::vector<std::string> args;
        const char *err;
    };
    const Case cases[] = {
        {"t", {"", "10"}, "Please enter the desired probability in percentage points.\n"},
        {"t", {"0.05", "201"}, "The degrees of freedom must be between 1 and 200.\n"},
        // The read error without its ETX characters and with its CRs as line feeds.
        {"t",
         {"abc", "10"},
         "Double expected in read\n\nProcessing Line : \nabc\n^\n"
         "Alpha must be between 0.0001 and 0.999999\n"},
        {"normal", {"100"}, "The percent probability must be between 0.0001 and 99.9999\n"},
        {"t", {"0.05"}, "usage: mervan-batch t ALPHA V\n"},
        {"t", {"0.05", "10", "3"}, "usage: mervan-batch t ALPHA V\n"},
        {"normal", {}, "usage: mervan-batch normal P\n"},
        {"chi", {"0.05"}, "usage: mervan-batch chi ALPHA V\n"},
        {"f", {"0.05", "1"}, "usage: mervan-batch f ALPHA V1 V2\n"},
    };
    for (const Case &c : cases) {
        const CommandRun run = RunCommand(c.command, c.args);
        EXPECT_EQ(run.status, 2) << c.command;
        EXPECT_EQ(run.out, "") << c.command;
        EXPECT_EQ(run.err, c.err) << c.command;
    }
}

TEST(CalculatorCommand, UnknownCommandIsLeftToTheCaller)
{
    const CommandRun run = RunCommand("median", {"1"});
    EXPECT_EQ(run.status, -1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
}

TEST(CalculatorCommand, ProbabilityOfAStatistic)
{
    const std::pair<std::vector<std::string>, CalcResult> cases[] = {
        {{"t", "2.3", "12"}, RunTProbabilityRequest("2.3", "12")},
        {{"normal", "1.96"}, RunNormalProbabilityRequest("1.96")},
        {{"chi", "-1", "3"}, RunChiProbabilityRequest("-1", "3")},
    };
    for (const auto &[args, request] : cases) {
        const CommandRun run = RunCommand("p", args);
        EXPECT_EQ(run.status, request.accepted() ? 0 : 2) << args[1];
        EXPECT_EQ(run.out, request.accepted() ? request.report + "\n" : "") << args[1];
        if (request.accepted()) // the last line ends with the number
            EXPECT_NEAR(std::stod(run.out.substr(run.out.rfind(' ') + 1)),
                        static_cast<double>(request.value),
                        1e-3 * static_cast<double>(request.value));
        else
            EXPECT_NE(run.err.find(request.messages().back()), std::string::npos) << run.err;
    }
    EXPECT_EQ(RunCommand("p", {"f", "4", "3"}).err, "usage: mervan-batch p f VALUE V1 V2\n");
    EXPECT_EQ(RunCommand("p", {"median", "1"}).status, -1); // the caller shows the usage
}

// The area options: where they stand, what the line says, and which
// combinations are refused with the usage (exit 2).
TEST(CalculatorCommand, AreaOptions)
{
    struct Case
    {
        const char *command;
        std::vector<std::string> args;
        int status;
        const char *found; // in standard output, or in standard error when refused
    };
    const Case cases[] = {
        {"t", {"0.05", "10", "--two-sided"}, 0, "Critical values = -2.23 and 2.23\r\n"},
        {"t", {"--lower", "0.05", "10"}, 0, "Critical value = -1.81\r\n          Check: P(T <="},
        {"chi", {"0.05", "10", "--two-sided"}, 0, "Critical values = 3.247 and 20.48"},
        {"normal", {"0.05", "--upper", "--mean", "170", "--sd", "8"}, 0, "183.159, z = 1.645"},
        {"p", {"t", "--lower", "-1.5", "12"}, 0, "P(T <= -1.500) = 0.079729"},
        {"p", {"normal", "--between", "-1", "2"}, 0, "P(-1.000 <= Z <= 2.000) = 0.818595"},
        {"p", {"chi", "--two-sided", "3", "10"}, 0, "2 P(X <= 3.000) = 0.037152"},
        {"p", {"t", "--between", "2", "1", "5"}, 2, "The second value must not be less"},
        {"p", {"t", "--upper", "--lower", "1", "5"}, 2, "usage: mervan-batch p t [--lower"},
        {"t", {"0.05", "10", "--between"}, 2, "usage: mervan-batch t ALPHA V [--lower"},
        {"normal", {"95", "--mean", "3"}, 2, "usage: mervan-batch normal ALPHA (--lower"},
        {"p", {"t", "--upper", "1", "5", "--sd", "2"}, 2, "usage: mervan-batch p t [--lower"},
        {"p", {"normal", "--upper", "1", "--sd", "0"}, 2, "standard deviation must be between"},
    };
    for (const Case &c : cases) {
        const CommandRun run = RunCommand(c.command, c.args);
        EXPECT_EQ(run.status, c.status) << c.found;
        EXPECT_NE((c.status == 0 ? run.out : run.err).find(c.found), std::string::npos)
            << run.out << run.err;
    }
}

} // namespace
