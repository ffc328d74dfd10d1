// The console companion's calculator commands: what goes to standard output
// and standard error, and the exit status.

#include "core/calculators/batchcalc.h"
#include "core/calculators/calcinput.h"
#include "core/numeric/strings.h"

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
    EXPECT_NE(normal.out.find("t-value = 1.960"), std::string::npos);
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
        {"normal", {"100"}, "Alpha must be between 0.0001 and 99.9999\n"},
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
    for (const auto &[command, args] :
         std::vector<std::pair<std::string, std::vector<std::string>>>{
             {"median", {"1"}}, {"p", {}}, {"p", {"median", "1"}}}) {
        const CommandRun run = RunCommand(command, args);
        EXPECT_EQ(run.status, -1) << command;
        EXPECT_EQ(run.out, "") << command;
        EXPECT_EQ(run.err, "") << command;
    }
}

TEST(CalculatorCommand, ProbabilityOfAStatistic)
{
    struct Case
    {
        std::vector<std::string> args;
        CalcOutcome request;
    };
    const Case accepted[] = {
        {{"t", "2.3", "12"}, RunTProbabilityRequest("2.3", "12")},
        {{"chi", "3.84", "1"}, RunChiProbabilityRequest("3.84", "1")},
        {{"f", "4", "3", "10"}, RunFProbabilityRequest("4", "3", "10")},
        {{"normal", "1.96"}, RunNormalProbabilityRequest("1.96")},
    };
    for (const Case &c : accepted) {
        const CommandRun run = RunCommand("p", c.args);
        EXPECT_EQ(run.status, 0) << c.args[0];
        EXPECT_EQ(run.err, "") << c.args[0];
        EXPECT_EQ(run.out, c.request.report + "\n") << c.args[0];
        // The last line ends with the number, so that a script can take it.
        const std::string last = run.out.substr(run.out.rfind(' ') + 1);
        EXPECT_NEAR(std::stod(last), static_cast<double>(c.request.value),
                    1e-3 * static_cast<double>(c.request.value))
            << c.args[0];
    }

    const Case refused[] = {
        {{"t", "", "12"}, RunTProbabilityRequest("", "12")},
        {{"chi", "-1", "3"}, RunChiProbabilityRequest("-1", "3")},
        {{"f", "2", "3", "0"}, RunFProbabilityRequest("2", "3", "0")},
        {{"normal", "abc"}, RunNormalProbabilityRequest("abc")},
    };
    for (const Case &c : refused) {
        const CommandRun run = RunCommand("p", c.args);
        EXPECT_EQ(run.status, 2) << c.args[0];
        EXPECT_EQ(run.out, "") << c.args[0];
        ASSERT_FALSE(c.request.messages.empty());
        EXPECT_NE(run.err.find(c.request.messages.back()), std::string::npos) << run.err;
    }

    const CommandRun wrongCount = RunCommand("p", {"f", "4", "3"});
    EXPECT_EQ(wrongCount.status, 2);
    EXPECT_EQ(wrongCount.err, "usage: mervan-batch p f VALUE V1 V2\n");
}

} // namespace
