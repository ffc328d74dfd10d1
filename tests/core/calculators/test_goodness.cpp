// The normal curve's fit to the histogram's classes: expected counts and the
// chi-squared test against Boost.Math, on samples that are and are not normal.

#include "core/analysis/analysisrun.h"
#include "core/analysis/goodness.h"
#include "core/calculators/tailprob.h"

#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/normal.hpp>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>

namespace {

// The analysis of values in a file of their own, with the given classes.
AnalysisState Analyse(const std::vector<double> &values, int classes)
{
    char name[] = "/tmp/goodnessXXXXXX";
    const int fd = mkstemp(name);
    close(fd);
    {
        std::ofstream file(name);
        file.precision(6);
        file << std::fixed;
        for (double v : values)
            file << v << "\n";
    }
    AnalysisState state;
    state.ClassCount = classes;
    std::string error;
    EXPECT_TRUE(AnalyseDataFile(state, name, error)) << error;
    std::remove(name);
    return state;
}

std::vector<double> Sample(bool normal, int n)
{
    std::mt19937 random(20261208);
    std::normal_distribution<double> bell(50.0, 8.0);
    std::uniform_real_distribution<double> flat(30.0, 70.0);
    std::vector<double> values;
    for (int i = 0; i < n; ++i)
        values.push_back(normal ? bell(random) : flat(random));
    return values;
}

TEST(GoodnessOfFit, AgreesWithReference)
{
    struct Case
    {
        bool normal;
        int classes;
        bool fits; // P above 1 %
    };
    for (const Case c : {Case{true, 10, true}, Case{true, 6, true}, Case{false, 10, false}}) {
        const AnalysisState state = Analyse(Sample(c.normal, 4000), c.classes);
        const GoodnessOfFit fit = TestGoodnessOfFit(state);
        ASSERT_TRUE(fit.refusal.empty()) << fit.refusal;
        ASSERT_EQ(fit.expected.size(), static_cast<std::size_t>(c.classes));

        const boost::math::normal_distribution<double> curve(state.Mean, state.StdDev);
        double statistic = 0.0;
        double total = 0.0;
        for (int j = 0; j < c.classes; ++j) {
            const double low = j == 0 ? 0.0 : cdf(curve, state.ClassBounds[j]);
            const double high = j + 1 == c.classes ? 1.0 : cdf(curve, state.ClassBounds[j + 1]);
            const double e = 4000.0 * (high - low);
            EXPECT_NEAR(fit.expected[j], e, 1e-8 * 4000) << j;
            statistic += (state.ClassCounts[j] - e) * (state.ClassCounts[j] - e) / e;
            total += fit.expected[j];
        }
        EXPECT_NEAR(total, 4000.0, 1e-6);
        EXPECT_NEAR(fit.statistic, statistic, 1e-8 * statistic);
        EXPECT_EQ(fit.degrees, c.classes - 3);
        const boost::math::chi_squared_distribution<double> chi(fit.degrees);
        ASSERT_TRUE(fit.probabilityFound);
        EXPECT_NEAR(fit.probability, cdf(complement(chi, statistic)), 1e-9);
        EXPECT_EQ(fit.probability > 0.01, c.fits) << fit.probability;

        // The report's line ends with the probability as the calculators show it.
        const std::string text = GoodnessOfFitText(state);
        EXPECT_NE(text.find(" degrees of freedom, P = " + ProbabilityText(fit.probability) + "\n"),
                  std::string::npos)
            << text;
        EXPECT_EQ(text.find("below 5") != std::string::npos, fit.expectedBelowFive > 0) << text;
    }
}

TEST(GoodnessOfFit, SaysWhyThereIsNoTest)
{
    struct Case
    {
        std::vector<double> values;
        int classes;
        const char *why;
    };
    const Case cases[] = {
        {Sample(true, 200), 3, "it needs at least 4 classes"},
        {{1.0, 2.0, 2.5, 3.0, 3.5, 4.0, 9.0}, 5, nullptr},
    };
    for (const Case &c : cases) {
        const AnalysisState state = Analyse(c.values, c.classes);
        const GoodnessOfFit fit = TestGoodnessOfFit(state);
        const std::string text = GoodnessOfFitText(state);
        if (c.why) {
            EXPECT_NE(fit.refusal.find(c.why), std::string::npos) << fit.refusal;
            EXPECT_NE(text.find(fit.refusal + "\n"), std::string::npos);
            EXPECT_EQ(text.find("Chi-squared ="), std::string::npos);
        } else {
            EXPECT_TRUE(fit.refusal.empty());
            EXPECT_EQ(fit.expectedBelowFive, fit.expected.size()); // 7 values in 5 classes
            EXPECT_NE(text.find("Note: 5 of 5 expected counts are below 5"), std::string::npos)
                << text;
        }
    }
}

} // namespace
