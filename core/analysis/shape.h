#pragma once
// The shape of one variable's distribution: quartiles, skewness and
// kurtosis, the five-number summary, suggested numbers of classes, the
// numbers of a box plot and the points of a normal Q-Q plot. Every function
// works on a sorted sample whose values may carry counts (a table of values
// and frequencies), n being the sum of the counts; without counts each value
// counts once. Computed in long double.

#include <cstdint>
#include <utility>
#include <vector>

// Values ascending, equal values kept apart or joined; Cumulative[i] is the
// number of observations up to and including Values[i] (empty: one each).
struct SortedSample
{
    std::vector<double> values;
    std::vector<std::uint64_t> cumulative;
    std::uint64_t n = 0;
};

// Sorts values (with their counts, whole numbers >= 0, when counts is not
// empty; values with a count of 0 are left out).
SortedSample SortSample(std::vector<double> values, const std::vector<double> &counts = {});

// The observation of 0-based rank among the N, ascending.
double OrderStatistic(const SortedSample &sample, std::uint64_t rank);

// The p-quantile as R's quantile(type = 7): with h = (n - 1) p, the
// observation of rank floor(h) plus the fraction of h of the step to the next.
long double Quantile(const SortedSample &sample, long double p);

struct Shape
{
    std::uint64_t n = 0;
    long double mean = 0;
    long double stdDev = 0; // with n - 1; 0 for a single value
    long double minimum = 0;
    long double q1 = 0;
    long double median = 0;
    long double q3 = 0;
    long double maximum = 0;
    long double iqr = 0;
    // Sample estimates: G1 = g1 sqrt(n (n - 1)) / (n - 2) and
    // G2 = ((n + 1) g2 + 6) (n - 1) / ((n - 2) (n - 3)), where g1 = m3 / m2^1.5,
    // g2 = m4 / m2^2 - 3 and m_r are the central moments with divisor n. They
    // need n > 2 (n > 3 for kurtosis) and values that are not all equal.
    long double skewness = 0;
    long double kurtosis = 0;
    bool hasSkewness = false;
    bool hasKurtosis = false;
};

// Needs N >= 1.
Shape DescribeShape(const SortedSample &sample);

// Suggested numbers of classes, as R's nclass.sturges, nclass.scott and
// nclass.FD (which takes the quartiles of the values rounded to 5
// significant digits, and narrower central ranges when they coincide).
struct ClassSuggestions
{
    long long sturges = 1;
    long long scott = 1;
    long long freedmanDiaconis = 1;
};
ClassSuggestions SuggestClasses(const SortedSample &sample, const Shape &shape);

// A box plot: the box from Q1 to Q3 with the median, whiskers to the
// furthest observations within 1.5 IQR of the box, and each value beyond
// them with its number of observations. With very few values a whisker can
// end inside the box (0, 10, 11, 11: Q1 is 7.5, the lower whisker 10); it
// never ends beyond the median.
struct BoxPlotNumbers
{
    long double q1 = 0;
    long double median = 0;
    long double q3 = 0;
    double lowerWhisker = 0;
    double upperWhisker = 0;
    std::vector<std::pair<double, std::uint64_t>> outliers;
};
BoxPlotNumbers BoxPlot(const SortedSample &sample, const Shape &shape);

// A normal Q-Q plot: the sorted observations against the normal quantiles
// of R's ppoints(n), (i - a) / (n + 1 - 2a) with a = 3/8 for n <= 10, else
// 1/2; and the line through the quartiles (R's qqline). With more than
// maxPoints observations, maxPoints ranks evenly spread from the first to
// the last are shown.
struct QQPoint
{
    long double theoretical = 0;
    double sample = 0;
};
struct QQPlot
{
    std::vector<QQPoint> points;
    long double intercept = 0;
    long double slope = 0;
};
QQPlot NormalQQ(const SortedSample &sample, std::size_t maxPoints = 4000);

// The standard normal quantile of p, 0 < p < 1.
long double NormalQuantile(long double p);
