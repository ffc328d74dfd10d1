// Number text under a locale whose decimal mark is a comma: the program's
// numbers keep the point whatever the user's locale says.
//
// The build compiles a German locale into its own folder and runs this
// program with LOCPATH pointing there; without it the checks are skipped.

#include "core/analysis/report.h"
#include "core/numeric/strings.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

namespace {

class DecimalCommaTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const char *previous = std::setlocale(LC_NUMERIC, nullptr);
        saved = previous ? previous : "C";
        if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr)
            return;
        if (std::getenv("LOCPATH") != nullptr)
            FAIL() << "the German locale built for the tests cannot be loaded";
        GTEST_SKIP() << "no German locale installed";
    }
    void TearDown() override { std::setlocale(LC_NUMERIC, saved.c_str()); }

    std::string saved;
};

TEST_F(DecimalCommaTest, FormatNumberAndReadingKeepThePoint)
{
    // The locale is really in force: the C library writes a comma.
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", 2.5);
    ASSERT_STREQ(text, "2,5");

    EXPECT_EQ(FormatNumber(0, 2, 1234.5), "1,234.50");
    long double value = 0;
    EXPECT_TRUE(ConvertReal("2.5", value));
    EXPECT_EQ(value, 2.5L);
}

TEST_F(DecimalCommaTest, ReportNumbersKeepThePoint)
{
    // Values that the quick path leaves to the library: a fraction on a
    // rounding half, and a number too large for the quick path.
    const double values[] = {0.125, 2.5, 1e300};
    const char *const expected[] = {"        0.12", "        2.50", nullptr};
    for (std::size_t i = 0; i < std::size(values); ++i) {
        const std::string shown = ReportNumber(values[i], 12, 2);
        EXPECT_NE(shown.find('.'), std::string::npos) << shown;
        EXPECT_EQ(shown.find(','), std::string::npos) << shown;
        if (expected[i]) {
            EXPECT_EQ(shown, expected[i]);
        }
    }
}

} // namespace
