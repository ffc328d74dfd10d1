// Statistics whose shown digits depend on exact arithmetic: cancelling sums,
// lower-case exponents, the median of two middle values and ties of the mode.

#include "analysistest.h"
#include "core/analysis/report.h"
#include "core/numeric/exactsum.h"

#include <boost/multiprecision/cpp_int.hpp>

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <random>

namespace {

using Rational = boost::multiprecision::cpp_rational;

using ExactnessTest = AnalysisTest;

// Sets of 3 to 10 values in which large values of binary exponents up to
// maxExponent cancel, whole or nearly, around small ones.
std::vector<std::vector<double>> CancellingSets(int maxExponent)
{
    std::mt19937_64 random(20261208);
    const auto uniform = [&](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    std::vector<std::vector<double>> sets;
    for (int round = 0; round < 300; ++round) {
        const std::size_t n = 3 + round % 8;
        std::vector<double> values;
        while (values.size() + 2 <= n) {
            const double big
                = std::ldexp(uniform(1, 2), static_cast<int>(uniform(-maxExponent, maxExponent)));
            values.push_back(big);
            // Half the pairs cancel exactly, the others leave their last bits.
            values.push_back(round % 2 ? -big : -std::nextafter(big, 0.0));
        }
        while (values.size() < n)
            values.push_back(uniform(-10, 10));
        std::shuffle(values.begin(), values.end(), random);
        sets.push_back(values);
    }
    return sets;
}

// The exact mean, rounded once to double.
double ExactMean(const std::vector<double> &values)
{
    Rational sum = 0;
    for (double v : values)
        sum += Rational(v);
    return static_cast<double>(Rational(sum / values.size()));
}

// Within one unit in the last place of the exact value.
void ExpectNear(double found, double exact, const std::vector<double> &values)
{
    EXPECT_LE(std::fabs(found - exact), std::fabs(std::nextafter(exact, INFINITY) - exact))
        << ::testing::PrintToString(values) << " found " << found << " exact " << exact;
}

// Decimal exponents up to 300: the sum keeps every bit of what cancels.
TEST(ExactSumTest, CancellingValuesSumExactly)
{
    for (const std::vector<double> &values : CancellingSets(996)) {
        ExactSum sum;
        for (double v : values)
            sum.add(v);
        ExpectNear(static_cast<double>(sum.value() / values.size()), ExactMean(values), values);
    }
}

// The analysis's mean, for values whose squares stay within a double.
TEST_F(ExactnessTest, CancellingValuesGiveTheExactMean)
{
    for (const std::vector<double> &values : CancellingSets(500)) {
        std::vector<std::string> tokens;
        for (double v : values)
            tokens.push_back((std::ostringstream() << std::setprecision(17) << v).str());
        ExpectNear(analyse(join(tokens), 1).description.mean, ExactMean(values), values);
    }
}

TEST_F(ExactnessTest, ReportedStatisticsKeepTheirDigits)
{
    struct Case
    {
        std::string content;
        std::vector<std::string> lines; // each must be in the report
    };
    const std::vector<Case> cases = {
        {"1e20 7 -1e20", {"Arithmetic mean = 2.3 "}}, // not 3, nor 2.7
        // Lower-case exponents count their places as upper-case ones do.
        {"1.5e-5 2.5e-5 3.5e-5",
         {"Minimum data = 0.00001500", "Maximum data = 0.00003500",
          "Arithmetic mean = 0.000025000 "}},
        // The median of two middle values gets the decimal it needs.
        {"31 32", {"Median = 31.5\n", "Arithmetic mean = 31.5 "}},
        {"30 32", {"Median = 31\n"}},
        {"1.25 1.5", {"Median = 1.375\n"}},
        {"0.1 0.2", {"Median = 0.15\n"}},
        {"1.5 2.5", {"Median = 2.0\n"}},
        // The mode names its ties, or says that there is none.
        {"5 7 7 9 9 9", {"Mode = 9\n"}},
        {"1 1 2 2 3", {"Mode = 1 (2 values tie, each 2 times)\n"}},
        {"4 4 6 6 8 8 3", {"Mode = 4 (3 values tie, each 2 times)\n"}},
        {"1 2 3 4", {"Mode = none (no value occurs more than once)\n"}},
    };
    for (const Case &c : cases) {
        const std::string text = ReportText(analyse(c.content, 1));
        for (const std::string &line : c.lines)
            EXPECT_NE(text.find(line), std::string::npos) << c.content << ": " << line << "\n"
                                                          << text;
    }
}

} // namespace
