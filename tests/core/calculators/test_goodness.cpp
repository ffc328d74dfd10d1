// The normal curve's fit to the histogram's classes: expected counts and the
// chi-squared test against Boost.Math, on samples that are and are not normal.

#include "core/analysis/analysisrun.h"
#include "core/analysis/goodness.h"
#include "core/calculators/tailprob.h"

#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/normal.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <tuple>
#include <unistd.h>

namespace {

// The analysis of values in a file of their own, with the given classes.
AnalysisResult Analyse(const std::vector<double> &values, int classes)
{
    char name[] = "/tmp/goodnessXXXXXX";
    close(mkstemp(name));
    for (std::ofstream file(name); double v : values)
        file << std::fixed << v << "\n";
    AnalysisRequest request;
    request.dataFileName = name;
    request.classCount = classes;
    const AnalysisRun run = AnalyseDataFile(request);
    EXPECT_TRUE(run.ok()) << run.error->text();
    std::remove(name);
    return run.result;
}

// The report's lines about the fit test of the analysis.
std::string FitText(const AnalysisResult &analysis)
{
    return GoodnessOfFitText(analysis.fit, analysis.classes, analysis.sample.decimals);
}

// n values from a normal or a flat distribution of about the same spread.
std::vector<double> Sample(bool normal, int n)
{
    std::mt19937 random(20261208);
    std::vector<double> values;
    while (n-- > 0)
        values.push_back(normal ? std::normal_distribution(50.0, 8.0)(random)
                                : std::uniform_real_distribution(30.0, 70.0)(random));
    return values;
}

TEST(GoodnessOfFit, AgreesWithReference)
{
    const int k = 10;
    for (const bool normal : {true, false}) {
        const AnalysisResult state = Analyse(Sample(normal, 4000), k);
        const GoodnessOfFit fit = state.fit;
        ASSERT_EQ(fit.expected.size(), static_cast<std::size_t>(k)) << fit.refusal;

        const boost::math::normal_distribution<double> curve(state.description.mean,
                                                             state.description.stdDev);
        double statistic = 0.0;
        for (int j = 0; j < k; ++j) {
            const double low = j == 0 ? 0.0 : cdf(curve, state.classes.bounds[j]);
            const double high = j + 1 == k ? 1.0 : cdf(curve, state.classes.bounds[j + 1]);
            const double e = 4000.0 * (high - low);
            EXPECT_NEAR(fit.expected[j], e, 1e-8 * 4000) << j;
            statistic += (state.classes.counts[j] - e) * (state.classes.counts[j] - e) / e;
        }
        EXPECT_NEAR(fit.statistic, statistic, 1e-8 * statistic);
        EXPECT_EQ(fit.degrees, k - 3);
        const boost::math::chi_squared_distribution<double> chi(k - 3);
        EXPECT_NEAR(fit.probability, cdf(complement(chi, statistic)), 1e-9);
        EXPECT_EQ(fit.probability > 0.01, normal) << fit.probability; // a flat sample fails

        const std::string text = FitText(state);
        EXPECT_NE(text.find("P = " + ProbabilityText(fit.probability) + "\n"), std::string::npos);
        EXPECT_EQ(text.find("below 5") != std::string::npos, fit.expectedBelowFive > 0) << text;
    }
}

TEST(GoodnessOfFit, SmallSamplesAreNotedAndTooFewClassesRefused)
{
    const std::string refused = FitText(Analyse(Sample(true, 200), 3));
    EXPECT_NE(refused.find("No goodness-of-fit test: it needs at least 4 classes"),
              std::string::npos);
    EXPECT_EQ(refused.find("Chi-squared ="), std::string::npos);

    const std::string small = FitText(Analyse({1.0, 2.0, 2.5, 3.0, 3.5, 4.0, 9.0}, 5));
    EXPECT_NE(small.find("Note: 5 of 5 expected counts are below 5"), std::string::npos) << small;
}

// One value far out leaves a class that expects almost nothing: the
// statistic is large but finite, shown in scientific form beyond 1e9, never
// "infinite", and agrees with the counts expected under Boost.Math's normal
// curve in long double.
TEST(GoodnessOfFit, FarTailClassesGiveAFiniteStatistic)
{
    // Values, the outlier in standard deviations of the sample without it, classes.
    for (const auto &[n, outlier, classes] :
         {std::tuple{200, 6, 8}, {1000, 12, 10}, {4000, 25, 20}}) {
        std::vector<double> values = Sample(true, n);
        values.push_back(50.0 + 8.0 * outlier);
        const AnalysisResult state = Analyse(values, classes);
        const GoodnessOfFit fit = state.fit;
        ASSERT_TRUE(fit.refusal.empty()) << fit.refusal;

        const boost::math::normal_distribution<long double> curve(state.description.mean,
                                                                  state.description.stdDev);
        long double statistic = 0.0L;
        for (int j = 0; j < classes; ++j) {
            // The upper tail from the bound, so a far class keeps its digits.
            const long double above
                = j == 0 ? 1.0L : cdf(complement(curve, state.classes.bounds[j]));
            const long double aboveNext
                = j + 1 == classes ? 0.0L : cdf(complement(curve, state.classes.bounds[j + 1]));
            const long double e = (n + 1) * (above - aboveNext);
            const long double d = state.classes.counts[j] - e;
            statistic += d * d / e;
        }
        EXPECT_NEAR(fit.statistic / statistic, 1.0L, 1e-9L);
        const std::string text = FitText(state);
        const std::size_t at = text.find("Chi-squared = ");
        ASSERT_NE(at, std::string::npos) << text;
        const std::string shown = text.substr(at + 14, text.find(' ', at + 14) - at - 14);
        EXPECT_EQ(shown.find('e') != std::string::npos, statistic >= 1e9L) << shown;
        EXPECT_NEAR(std::strtold(shown.c_str(), nullptr) / statistic, 1.0L, 5e-4L) << shown;
    }
}

} // namespace

namespace {

// Translated headings are right-justified by characters, not bytes: the
// header row is as wide as the rule under it.
TEST(GoodnessOfFit, TranslatedHeadingsKeepTheirColumns)
{
    const Translator umlauts{[](const char *, const char *english) {
        const std::string text = english;
        return text == "Lower Value" ? std::string("Untergrenze \u00fc\u00fc")
            : text == "Goodness of Fit to the Normal Curve" ? std::string("G\u00fcte der Anpassung")
                                                            : text;
    }};
    const AnalysisResult state = Analyse(Sample(true, 200), 6);
    const std::string text
        = GoodnessOfFitText(state.fit, state.classes, state.sample.decimals, umlauts);
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
         start = end + 1)
        lines.push_back(text.substr(start, end - start));
    const auto columns = [](const std::string &line) {
        return std::count_if(line.begin(), line.end(), [](char c) { return (c & 0xC0) != 0x80; });
    };
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(columns(lines[1]), columns(lines[2])); // the heading and its ~ rule
    EXPECT_EQ(columns(lines[3]), columns(lines[4])); // the header row and its = rule
}

} // namespace
