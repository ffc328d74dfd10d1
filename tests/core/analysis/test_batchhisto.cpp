// The console command: mervan-batch histogram.

#include "analysistest.h"
#include "core/analysis/batchhisto.h"
#include "core/numeric/messages.h"

#include <csignal>
#include <iterator>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class BatchHistogramTest : public AnalysisTest
{
protected:
    // Runs the command; returns its exit status and keeps the run and what it
    // printed, checking that standard error shows the run's messages.
    int run(const std::vector<std::string> &args, const PictureWriters &writers = PictureWriters())
    {
        last = RunHistogram(args, writers);
        ::testing::internal::CaptureStdout();
        ::testing::internal::CaptureStderr();
        const int status = ShowHistogramRun(last);
        printed = ::testing::internal::GetCapturedStdout();
        std::string shown;
        for (const std::string &message : last.messages)
            shown += message + "\n";
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), shown);
        return status;
    }

    HistogramRun last;
    std::string printed;
};

TEST_F(BatchHistogramTest, RefusedInput)
{
    struct Case
    {
        std::vector<std::string> args;
        std::vector<std::string> messages; // each found in the message of that place
    };
    const std::string data = write("data.dat", "1 2 3");
    const std::vector<Case> cases = {
        {{}, {"give either --intervals or --width"}},
        {{"--intervals", "3", "--width", "2", data}, {"give either --intervals or --width"}},
        {{"--intervals"}, {"needs a value"}},
        {{"--intervals", "3", "--intervals", "4", data}, {"given twice"}},
        {{"--intervals", "3"}, {"the data file is missing"}},
        {{"--bins", "3", data}, {"unknown option --bins"}},
        {{"--intervals", "3", data, data}, {"only one data file"}},
        {{"--intervals", "3", "--picture", "p.png", data}, {"cannot write pictures (--picture)"}},
        {{"--intervals", "3", "--qq", "q.svg", data}, {"cannot write pictures (--qq)"}},
        {{"--intervals", "3", "--weights", "2", data}, {"--weights needs --column"}},
        {{"--intervals", "3", "--delimiter", "|", data}, {"is not one of"}},
        {{"--intervals", "3", "--column", "4", data}, {"no column \"4\"; its columns are"}},
        {{"--intervals", "", data}, {"Please enter the number of class intervals."}},
        {{"--intervals", "21", data}, {"Interval entry must be integer between 1 and 20."}},
        {{"--intervals", "2.5", data}, {"Interval entry must be integer between 1 and 20."}},
        {{"--width", "wide", data},
         {"Double expected in read", "Please enter the size of class width."}},
        {{"--width", "0", data}, {"The class width must be greater than 0."}},
        {{"--width", "1", "--anchor", "x", "--no-center", data}, {"\"x\" is not a number"}},
        {{"--width", "1", "--anchor", "0", data}, {"give --no-center with it"}},
        {{"--width", "1", "--scale", "logs", data}, {"not counts, percent or density"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        EXPECT_EQ(run(c.args), 2);
        EXPECT_EQ(printed, "");
        ASSERT_EQ(last.messages.size(), c.messages.size());
        for (std::size_t i = 0; i < c.messages.size(); ++i)
            EXPECT_NE(last.messages[i].find(c.messages[i]), std::string::npos) << last.messages[i];
    }
    EXPECT_FALSE(fs::exists(folder / "data.OUT"));
}

TEST_F(BatchHistogramTest, WritesTheSameReportAsTheWindowedRun)
{
    const std::string data = std::string(MERVAN_ANALYSIS_DATA) + "/";
    const std::string path = write("example.dat", read(data + "example.dat"));
    EXPECT_EQ(run({"--no-center", "--intervals", "3", path}), 0);
    const std::string report = (folder / "example.OUT").string();
    EXPECT_EQ(printed, report + "\n");
    EXPECT_EQ(read(report), read(data + "example.OUT"));
    EXPECT_TRUE(last.messages.empty());
}

TEST_F(BatchHistogramTest, ClassesAreCentredUnlessAskedNotTo)
{
    const std::string path = write("five.dat", "1 2 3 4 5");
    EXPECT_EQ(run({"--intervals", "4", path}), 0);
    EXPECT_EQ(last.analysis.classes.bounds.front(), 0.5);
    EXPECT_EQ(run({"--width", "1.5", "--no-center", path}), 0);
    EXPECT_EQ(last.analysis.classes.count, 3);
    EXPECT_EQ(last.analysis.classes.bounds, (std::vector<double>{1, 2.5, 4, 5}));
    // Anchored, right-closed classes; the report names the rule.
    EXPECT_EQ(run({"--width", "2", "--no-center", "--anchor", "1", "--right-closed", "--scale",
                   "density", path}),
              0);
    EXPECT_EQ(last.analysis.classes.bounds, (std::vector<double>{1, 3, 5}));
    EXPECT_EQ(last.analysis.classes.counts, (std::vector<std::size_t>{3, 2}));
    EXPECT_NE(read((folder / "five.OUT").string())
                  .find("anchored at 1\n" + std::string(20, ' ') + "Classes closed at the right"),
              std::string::npos);
}

TEST_F(BatchHistogramTest, BadTokensAreLeftOutWithOneMessage)
{
    const std::string path = write("bad.dat", "1 x 2\r\ny 3\r\n");
    EXPECT_EQ(run({"--intervals", "2", path}), 0);
    ASSERT_EQ(last.messages.size(), 1u);
    EXPECT_NE(last.messages[0].find("2 tokens that are not numbers"), std::string::npos);
    EXPECT_NE(last.messages[0].find("Line 1: \"x\"\n1 x 2\n  ^"), std::string::npos);
    EXPECT_NE(last.messages[0].find("Line 2: \"y\"\ny 3\n^"), std::string::npos);
    const std::string report = read((folder / "bad.OUT").string());
    EXPECT_NE(report.find("Number of data elements: 3\n"
                          "                    Tokens left out (not numbers): 2\n\n"),
              std::string::npos)
        << report;
}

TEST_F(BatchHistogramTest, MissingCellsAreCountedInTheReport)
{
    const std::string path = write("na.csv", "h,w\n170,65\n,70\nNA,80\n160,.\n180,75\n");
    EXPECT_EQ(run({"--intervals", "2", "--column", "h", path}), 0);
    EXPECT_EQ(last.analysis.description.n, 3u);
    EXPECT_NE(read((folder / "na.OUT").string())
                  .find("Number of data elements: 3\n" + std::string(20, ' ')
                        + "Missing values left out: 2\n"),
              std::string::npos);
}

TEST_F(BatchHistogramTest, DecimalCommasAreReadWhenAskedAndWarnedOfOtherwise)
{
    const std::string path = write("comma.dat", "3,600 1,800\n3,333\n");
    EXPECT_EQ(run({"--intervals", "2", "--decimal-comma", path}), 0);
    EXPECT_EQ(last.analysis.sample.values, (std::vector<double>{1.8, 3.333, 3.6}));
    EXPECT_TRUE(last.messages.empty());

    EXPECT_EQ(run({"--intervals", "2", path}), 0);
    EXPECT_EQ(last.analysis.description.n, 6u);
    ASSERT_EQ(last.messages.size(), 1u);
    EXPECT_NE(last.messages[0].find("--decimal-comma"), std::string::npos);
}

TEST_F(BatchHistogramTest, FailuresEndTheRunWithoutAReport)
{
    struct Case
    {
        std::string file;
        const char *message;
    };
    const std::string fifo = (folder / "pipe.dat").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::vector<Case> cases = {
        {(folder / "missing.dat").string(), "Cannot open the data file"},
        {write("empty.dat", "\r\n"), "holds no numbers"},
        // Refused before they are opened: a pipe would wait for a writer.
        {fifo, "is not a regular file"},
        {folder.string(), "is not a regular file"},
        {"/dev/zero", "is not a regular file"},
        // Refused before reading: its words give no read errors.
        {write("report.OUT",
               "Mean = 2 \xB1"
               "1.0\r\n"),
         "would replace the data file"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(run({"--intervals", "3", c.file}), 1);
        EXPECT_EQ(printed, "");
        ASSERT_EQ(last.messages.size(), 1u);
        EXPECT_NE(last.messages[0].find(c.message), std::string::npos) << last.messages[0];
    }
    EXPECT_FALSE(fs::exists(folder / "missing.OUT"));
    EXPECT_FALSE(fs::exists(folder / "empty.OUT"));

    // A picture named like the data file or its report would replace it.
    const std::string data = write("keep.dat", "1 2 3");
    const PictureWriter writer = [](const AnalysisResult &, const std::string &to, std::string &) {
        ADD_FAILURE() << "picture written to " << to;
        return true;
    };
    for (const std::string &picture :
         {data, (folder / "." / "keep.dat").string(), (folder / "keep.OUT").string(),
          (folder / "." / "keep.OUT").string()}) {
        SCOPED_TRACE(picture);
        EXPECT_EQ(run({"--intervals", "3", "--picture", picture, data}, writer), 1);
        EXPECT_EQ(printed, "");
        ASSERT_EQ(last.messages.size(), 1u);
        EXPECT_NE(last.messages[0].find("would replace the data file or its report"),
                  std::string::npos);
    }
    EXPECT_EQ(read(data), "1 2 3");
    EXPECT_FALSE(fs::exists(folder / "keep.OUT"));
    EXPECT_EQ(read((folder / "report.OUT").string()),
              "Mean = 2 \xB1"
              "1.0\r\n");
}

// A report that cannot be written whole leaves the old one as it was and
// ends the run with status 1: a read-only report, a full disk (here a limit
// on the file size), a run killed while writing (whose leftovers the next
// run removes) and too little memory.
TEST_F(BatchHistogramTest, FailedReportsKeepTheOldOneAndFail)
{
    std::string values;
    for (int i = 0; i < 3000; ++i)
        values += std::to_string(i) + ".5\n";
    const std::vector<std::string> args = {"--intervals", "5", write("big.dat", values)};
    const std::string report = write("big.OUT", "old report");
    const auto said = [&](const std::string &text) {
        return !last.messages.empty() && last.messages.back().find(text) != std::string::npos;
    };

    fs::permissions(report, fs::perms::owner_read);
    EXPECT_EQ(run(args), 1);
    EXPECT_TRUE(said("is read-only and was not replaced"));
    fs::permissions(report, fs::perms::owner_read | fs::perms::owner_write);

    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const rlimit small{4096, old.rlim_max};
    ::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    const int full = run(args);
    ::setrlimit(RLIMIT_FSIZE, &old);
    ::signal(SIGXFSZ, SIG_DFL);
    EXPECT_EQ(full, 1);
    EXPECT_TRUE(said("File too large"));
    EXPECT_EQ(read(report), "old report");

    int status = 0;
    const pid_t killed = ::fork();
    if (killed == 0 && ::setrlimit(RLIMIT_FSIZE, &small) == 0) // SIGXFSZ halfway
        ::_exit(RunHistogram(args).status + 10);
    ASSERT_EQ(::waitpid(killed, &status, 0), killed);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << status;
    EXPECT_EQ(read(report), "old report");
    EXPECT_EQ(run(args), 0);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 2); // no leftovers
    EXPECT_NE(read(report).find("Number of data elements: 3000"), std::string::npos);

#ifndef __SANITIZE_ADDRESS__
    // 8 million values need 64 MB; the process gets 8 MB more than it has.
    std::string many;
    for (int i = 0; i < 4000000; ++i)
        many += "1 2\n";
    const std::string huge = write("huge.dat", many);
    const pid_t starved = ::fork();
    if (starved == 0) {
        long pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        const rlim_t bytes = static_cast<rlim_t>(pages) * ::sysconf(_SC_PAGESIZE) + (8 << 20);
        const rlimit memory{bytes, bytes};
        ::setrlimit(RLIMIT_AS, &memory);
        last = RunHistogram({"--intervals", "5", huge});
        ::_exit(last.status == 1 && said("Not enough memory to analyse this file.") ? 0 : 3);
    }
    ASSERT_EQ(::waitpid(starved, &status, 0), starved);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
#endif
}

TEST_F(BatchHistogramTest, PictureIsWrittenByTheGivenWriter)
{
    const std::string path = write("p.dat", "1 2 3 4");
    const std::string picture = (folder / "p.png").string();
    std::vector<std::string> calls;
    const PictureWriter writer
        = [&](const AnalysisResult &state, const std::string &to, std::string &) {
              calls.push_back(to);
              // The analysis is complete when the picture is drawn.
              EXPECT_EQ(state.classes.counts, (std::vector<std::size_t>{1, 1, 2}));
              return true;
          };
    EXPECT_EQ(run({"--intervals", "3", "--no-center", "--picture", picture, path}, writer), 0);
    EXPECT_EQ(calls, std::vector<std::string>{picture});
    // The box plot and the Q-Q plot are drawn after the histogram.
    calls.clear();
    EXPECT_EQ(run({"--qq", "q.svg", "--intervals", "3", "--no-center", "--boxplot", "b.pdf",
                   "--picture", picture, path},
                  {writer, writer, writer}),
              0);
    EXPECT_EQ(calls, (std::vector<std::string>{picture, "b.pdf", "q.svg"}));
    EXPECT_EQ(printed, (folder / "p.OUT").string() + "\n");

    // A picture that cannot be written fails the run but keeps the report.
    fs::remove(folder / "p.OUT");
    const PictureWriter failing
        = [](const AnalysisResult &, const std::string &, std::string &error) {
              error = "disk full";
              return false;
          };
    EXPECT_EQ(run({"--intervals", "3", "--picture", picture, path}, failing), 1);
    ASSERT_EQ(last.messages.size(), 1u);
    EXPECT_NE(last.messages[0].find(picture), std::string::npos);
    EXPECT_NE(last.messages[0].find("disk full"), std::string::npos);
    EXPECT_TRUE(fs::exists(folder / "p.OUT"));
}

// One column of five kinds of files with columns. The expected numbers are
// R's (read.csv, read.csv2, read.delim; quantile type 7; the sample skewness
// and excess kurtosis of e1071's type 2) rounded to the report's digits.
TEST_F(BatchHistogramTest, OneColumnGivesRsDescription)
{
    struct Case
    {
        std::string file;
        std::vector<std::string> options;
        std::vector<std::string> lines; // each found in the report
    };
    const std::vector<Case> cases = {
        {"heights.csv",
         {"--column", "weight"},
         {"Column \"weight\" of heights.csv", "Number of data elements: 8\n",
          "mean = 69.94 \u00B113.09\n", "Q1 = 63.250, Q3 = 74.375 ",
          "(sample estimate G1) = 0.7065\n", "(sample estimate G2) = 0.5466\n"}},
        {"temperatures-semicolon.csv",
         {"--column", "Temperatur"},
         {"Number of data elements: 6\n", "mean = 11.500 \u00B11.235\n",
          "Q1 = 10.6875, Q3 = 12.3750 ", "G1) = -0.2987\n", "G2) = -1.2812\n"}},
        {"scores.tsv",
         {"--column", "2"},
         {"Column \"score\"", "Number of data elements: 6\n", "mean = 12.833 \u00B12.386\n",
          "Q1 = 11.3750, Q3 = 13.9375 ", "G1) = -0.0219\n", "G2) = -0.3380\n"}},
        {"cities-quoted.csv",
         {"--column", "population"},
         {"Number of data elements: 5\n", "mean = 206149.4 \u00B195710.1\n",
          "Q1 = 114024.00, Q3 = 249070.00 ", "G1) = 0.3050\n", "G2) = -1.3400\n"}},
        {"dice-table.csv",
         {"--column", "value", "--weights", "count"},
         {"Number of data elements: 36\n", "mean = 3.2 \u00B11.2\n", "Q1 = 2.00, Q3 = 4.00 ",
          "G1) = 0.1116\n", "G2) = -0.2822\n", "Five-number summary: 1, 2.00, 3, 4.00, 6\n"}},
    };
    const std::string data = std::string(MERVAN_ANALYSIS_DATA) + "/";
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        const std::string path = write(c.file, read(data + c.file));
        std::vector<std::string> args = {"--intervals", "4"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        args.push_back(path);
        ASSERT_EQ(run(args), 0) << ::testing::PrintToString(last.messages);
        const std::string report
            = read((folder / fs::path(c.file).replace_extension(".OUT")).string());
        for (const std::string &line : c.lines)
            EXPECT_NE(report.find(line), std::string::npos) << line << "\n" << report;
    }

    // Two columns and no choice: refused, with the columns named.
    const std::string path = write("two.csv", read(data + "heights.csv"));
    EXPECT_EQ(run({"--intervals", "4", path}), 2);
    ASSERT_EQ(last.messages.size(), 1u);
    EXPECT_NE(last.messages[0].find("\"height\", \"weight\""), std::string::npos);
    EXPECT_FALSE(fs::exists(folder / "two.OUT"));
}

} // namespace
