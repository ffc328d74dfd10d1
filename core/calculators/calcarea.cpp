// The calculators' areas besides their own: a lower or upper tail, two tails
// and the area between two values, from values to the probability and from
// alpha to the critical value(s), the normal in its own mean and sd.
//
// Every probability is made of tails that keep their relative precision
// (tailprob.h): a small area between two values is the difference of the
// two small tails on its side, a large one 1 less the two tails outside it.
// Every critical value comes from the one quantile search (quantile.h); a
// lower tail of chi-squared is searched as such, of F as the reciprocal of
// the upper tail of F(v2, v1), so that a small alpha keeps its digits.

#include "core/calculators/calcinput.h"
#include "core/calculators/chidist.h"
#include "core/calculators/fdist.h"
#include "core/calculators/normaldist.h"
#include "core/calculators/resulttext.h"
#include "core/calculators/tailprob.h"
#include "core/calculators/tailsum.h"
#include "core/calculators/tdist.h"
#include "core/numeric/strings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr char Indent[] = "          ";
constexpr char LineBreak[] = "\r\n";
// The widest line of a report; a normal's z moves to a line of its own
// rather than pass it.
constexpr std::size_t ReportWidth = 80;
// The smallest tail of chi-squared or F whose end the picture marks, half
// the smallest alpha: a smaller one has no area to see, and its far-out
// end can take long to find.
constexpr long double SmallestMarkedTail = 0.00005L;

// A text of the reports with its arguments, in the translator's language.
std::string Say(const Translator &translator, const char *text,
                std::initializer_list<std::string> arguments = {})
{
    return Filled(translator("Calculator", text), arguments);
}

bool Symmetric(CalcKind kind)
{
    return kind == CalcKind::T || kind == CalcKind::Normal;
}

// z of a value in the normal's own units; other values unchanged.
long double Standard(const CalcRequest &r, long double x)
{
    return r.mean ? (x - *r.mean) / *r.sd : x;
}

long double InUnits(const CalcRequest &r, long double z)
{
    return r.mean ? *r.mean + *r.sd * z : z;
}

// P(X > x) (upper) or P(X < x), x in the distribution's own scale.
TailProbability Tail(const CalcRequest &r, long double x, bool upper)
{
    switch (r.kind) {
    case CalcKind::T:
        return TUpperTail(upper ? x : -x, r.v1);
    case CalcKind::ChiSquared:
        return ChiTail(x, r.v1, upper);
    case CalcKind::F:
        return FTail(x, r.v1, r.v2, upper);
    case CalcKind::Normal:
        break;
    }
    return NormalUpperTail(upper ? x : -x);
}

// Gathers tails into one probability: found only when each was.
struct Sum
{
    TailProbability total{0.0L, true, false, 0, {}};

    const TailProbability &add(const TailProbability &tail)
    {
        total.found = total.found && tail.found;
        total.evaluations += tail.evaluations;
        total.messages.insert(total.messages.end(), tail.messages.begin(), tail.messages.end());
        return tail;
    }
};

// P(a <= X <= b) from the tails that keep it precise.
TailProbability BetweenProbability(const CalcRequest &r, long double a, long double b)
{
    Sum sum;
    const TailProbability upperA = sum.add(Tail(r, a, true));
    long double value = 0.0L;
    bool tiny = upperA.belowRange;
    if (upperA.value <= 0.5L) {
        value = upperA.value - sum.add(Tail(r, b, true)).value;
    } else {
        const TailProbability lowerB = sum.add(Tail(r, b, false));
        tiny = lowerB.belowRange;
        value = lowerB.value <= 0.5L
            ? lowerB.value - sum.add(Tail(r, a, false)).value
            : 1.0L - sum.add(Tail(r, a, false)).value - sum.add(Tail(r, b, true)).value;
    }
    sum.total.value = std::clamp(value, 0.0L, 1.0L);
    sum.total.belowRange = tiny && a < b && sum.total.value < TinyTail;
    return sum.total;
}

// The probability of the asked area at the values a (and b), in the
// distribution's own scale. lowerSide: for two tails of chi-squared and F,
// whether the value lies in the lower one (the smaller tail at a).
TailProbability AreaProbability(const CalcRequest &r, long double a, long double b, bool &lowerSide)
{
    switch (r.area) {
    case CalcArea::Lower:
        return Tail(r, a, false);
    case CalcArea::TwoSided: {
        TailProbability tail;
        if (Symmetric(r.kind)) {
            tail = Tail(r, std::fabs(a), true);
        } else {
            Sum sum;
            const TailProbability upper = sum.add(Tail(r, a, true));
            const TailProbability lower = sum.add(Tail(r, a, false));
            lowerSide = lower.value < upper.value;
            tail = lowerSide ? lower : upper;
            tail.found = sum.total.found;
            tail.messages = sum.total.messages;
            tail.evaluations = sum.total.evaluations;
        }
        tail.value = std::min(2.0L * tail.value, 1.0L);
        return tail;
    }
    case CalcArea::Between:
        return BetweenProbability(r, a, b);
    default:
        return Tail(r, a, true);
    }
}

// The x with P(X > x) = alpha (upper) or P(X < x) = alpha.
QuantileSearch Quantile(const CalcRequest &r, long double alpha, bool upper)
{
    QuantileSearch search;
    switch (r.kind) {
    case CalcKind::T:
        search = TCriticalValue(static_cast<double>(alpha), static_cast<std::uint16_t>(r.v1));
        break;
    case CalcKind::Normal:
        search = NormalUpperQuantile(alpha);
        break;
    case CalcKind::ChiSquared:
        return ChiQuantile(r.v1, upper ? alpha : 1.0L - alpha);
    case CalcKind::F:
        if (upper)
            return FCriticalValue(static_cast<double>(alpha), r.v1, r.v2);
        if (alpha > 0.5L)
            return FQuantile(r.v1, r.v2, 1.0L - alpha);
        // 1/F has the F(v2, v1) distribution.
        search = FQuantile(r.v2, r.v1, alpha);
        if (search.found)
            search.value = 1.0L / search.value;
        return search;
    }
    if (!upper)
        search.value = -search.value;
    return search;
}

// The symbol of the random variable in the report's statements.
std::string Symbol(const CalcRequest &r)
{
    switch (r.kind) {
    case CalcKind::T:
        return "T";
    case CalcKind::F:
        return "F";
    case CalcKind::Normal:
        return r.mean ? "X" : "Z";
    default:
        return "X";
    }
}

std::string Heading(const CalcRequest &r, const Translator &tr)
{
    const std::string v1 = FormatNumber(0, 0, r.v1);
    switch (r.kind) {
    case CalcKind::T:
        return Say(tr, MERVAN_TEXT("Calculator", "Students t distribution, %1 degrees of freedom:"),
                   {v1});
    case CalcKind::ChiSquared:
        return Say(tr,
                   MERVAN_TEXT("Calculator", "Chi-squared distribution, %1 degrees of freedom:"),
                   {v1});
    case CalcKind::F:
        return Say(tr, MERVAN_TEXT("Calculator", "F distribution, v1 = %1 and v2 = %2:"),
                   {v1, FormatNumber(0, 0, r.v2)});
    case CalcKind::Normal:
        break;
    }
    if (!r.mean)
        return Say(tr, MERVAN_TEXT("Calculator", "Standard normal distribution:"));
    return Say(
        tr, MERVAN_TEXT("Calculator", "Normal distribution, mean = %1 and sd = %2:"),
        {ShortestText(static_cast<double>(*r.mean)), ShortestText(static_cast<double>(*r.sd))});
}

std::string AreaWords(const CalcRequest &r, const Translator &tr)
{
    const bool critical = r.direction == CalcDirection::CriticalValue;
    const std::string alpha = critical ? AlphaText(r.first) : std::string();
    switch (r.area) {
    case CalcArea::Lower:
        return critical ? Say(tr, MERVAN_TEXT("Calculator", "Lower tail, alpha = %1"), {alpha})
                        : Say(tr, MERVAN_TEXT("Calculator", "Lower-tail probability"));
    case CalcArea::TwoSided:
        if (critical)
            return Say(tr, MERVAN_TEXT("Calculator", "Two tails, alpha = %1, %2 in each"),
                       {alpha, ShortestText(r.first / 2.0)});
        return Symmetric(r.kind)
            ? Say(tr, MERVAN_TEXT("Calculator", "Probability of the two tails"))
            : Say(
                tr,
                MERVAN_TEXT("Calculator", "Probability of the two tails: twice the smaller tail"));
    case CalcArea::Between:
        return Say(tr, MERVAN_TEXT("Calculator", "Probability between two values"));
    default:
        return critical ? Say(tr, MERVAN_TEXT("Calculator", "Upper tail, alpha = %1"), {alpha})
                        : Say(tr, MERVAN_TEXT("Calculator", "Upper-tail probability"));
    }
}

// A critical value as shown: the calculator's decimals (for a normal in its
// own units, to a thousandth of the sd), or the significant digits asked for.
std::string ValueText(const CalcRequest &r, long double x)
{
    if (r.digits != 0)
        return SignificantText(x, r.digits);
    const long double size = std::fabs(x);
    int decimals = 3;
    switch (r.kind) {
    case CalcKind::T:
        decimals = size < 0.001L ? 6 : 2;
        break;
    case CalcKind::ChiSquared:
        decimals = size < 0.001L ? 5 : (size > 10.0L ? 2 : 3);
        break;
    case CalcKind::F:
        decimals = size < 0.001L ? 5 : 2;
        break;
    case CalcKind::Normal:
        if (r.mean)
            decimals = std::clamp(3 - static_cast<int>(std::floor(std::log10(*r.sd))), 0, 9);
        break;
    }
    return FormatNumber(0, static_cast<std::uint8_t>(decimals), static_cast<double>(x));
}

// z as shown beside a normal's own value.
std::string ZText(const CalcRequest &r, long double z)
{
    return r.digits != 0 ? SignificantText(z, r.digits)
                         : FormatNumber(0, 3, static_cast<double>(z));
}

// The number a shown text stands for ("1,234.57" is 1234.57).
long double ShownNumber(const std::string &text)
{
    std::string plain;
    for (char c : text)
        if (c != ',')
            plain += c;
    double value = 0.0;
    std::from_chars(plain.data(), plain.data() + plain.size(), value);
    return value;
}

std::string ProbabilityShown(const TailProbability &p, int digits, const Translator &tr)
{
    if (!p.found)
        return Say(tr, MERVAN_TEXT("Calculator", "could not be computed"));
    if (p.belowRange)
        return "< " + SmallestProbabilityText();
    return ProbabilityText(p.value, digits);
}

// The statement of the area at the shown values a and b (in the data's units).
std::string Statement(const CalcRequest &r, const std::string &a, const std::string &b,
                      bool lowerSide)
{
    const std::string x = Symbol(r);
    switch (r.area) {
    case CalcArea::Lower:
        return "P(" + x + " <= " + a + ")";
    case CalcArea::TwoSided:
        if (!Symmetric(r.kind))
            return "2 P(" + x + (lowerSide ? " <= " : " >= ") + a + ")";
        if (r.mean)
            return "P(" + x + " <= " + a + ") + P(" + x + " >= " + b + ")";
        return "P(|" + x + "| >= " + b + ")";
    case CalcArea::Between:
        return "P(" + a + " <= " + x + " <= " + b + ")";
    default:
        return "P(" + x + " >= " + a + ")";
    }
}

// line, and for a normal in its own units the z beside it (on a line of its
// own when the report would grow too wide).
std::string WithZ(const CalcRequest &r, const std::string &line, const std::vector<long double> &z,
                  const Translator &tr)
{
    if (!r.mean)
        return Indent + line;
    const std::string zs = z.size() > 1 ? Say(tr, MERVAN_TEXT("Calculator", "z = %1 and %2"),
                                              {ZText(r, z.front()), ZText(r, z.back())})
                                        : "z = " + ZText(r, z.front());
    const std::string joint = Indent + line + ", " + zs;
    return joint.size() <= ReportWidth ? joint : Indent + line + LineBreak + Indent + zs;
}

void Append(const std::vector<std::string> &messages, CalcResult &result, const Translator &tr)
{
    for (const std::string &message : messages)
        result.errors.push_back(
            {CalcErrorCode::Numerical, {message}, NumericalMessage(message, tr)});
}

void AreaProbabilityReport(const CalcRequest &r, CalcResult &result, std::string &report,
                           const Translator &tr)
{
    long double a = Standard(r, r.first);
    long double b = Standard(r, r.area == CalcArea::Between ? r.second : r.first);
    std::string aText = FormatNumber(0, r.firstDecimals, r.first);
    std::string bText = r.area == CalcArea::Between
        ? FormatNumber(0, r.secondDecimals, r.second)
        : FormatNumber(0, r.firstDecimals, std::fabs(r.first));
    if (r.area == CalcArea::TwoSided && Symmetric(r.kind) && r.mean) {
        // Outside the mean less and plus the distance to the value.
        const long double away = std::fabs(r.first - *r.mean);
        aText = FormatNumber(0, r.firstDecimals, static_cast<double>(*r.mean - away));
        bText = FormatNumber(0, r.firstDecimals, static_cast<double>(*r.mean + away));
    }
    bool lowerSide = false;
    const TailProbability p = AreaProbability(r, a, b, lowerSide);
    Append(p.messages, result, tr);
    result.evaluations = p.evaluations;
    result.value = p.value;
    result.probability = p.value;
    if (!p.found) {
        result.status = CalcStatus::NotComputed;
        report += Indent + Say(tr, MERVAN_TEXT("Calculator", "Probability could not be computed."));
        return;
    }
    // The picture marks both ends of two tails: -a and a, or for chi-squared
    // and F the value with the same tail on the other side.
    result.marks = {a};
    if (r.area == CalcArea::Between)
        result.marks.push_back(b);
    if (r.area == CalcArea::TwoSided) {
        if (Symmetric(r.kind)) {
            result.marks = {-std::fabs(a), std::fabs(a)};
        } else if (p.value / 2.0L >= SmallestMarkedTail && p.value < 1.0L) {
            const QuantileSearch other = Quantile(r, p.value / 2.0L, lowerSide);
            if (other.found)
                result.marks = {std::min(a, other.value), std::max(a, other.value)};
        }
    }
    std::vector<long double> z = {a};
    if (r.area == CalcArea::Between)
        z.push_back(b);
    else if (r.area == CalcArea::TwoSided && Symmetric(r.kind))
        z = {-std::fabs(a), std::fabs(a)};
    report += WithZ(
        r, Statement(r, aText, bText, lowerSide) + " = " + ProbabilityShown(p, r.digits, tr), z,
        tr);
}

void AreaCriticalReport(const CalcRequest &r, CalcResult &result, std::string &report,
                        const Translator &tr)
{
    const long double alpha = r.first;
    std::vector<QuantileSearch> searches;
    if (r.area == CalcArea::TwoSided && Symmetric(r.kind)) {
        QuantileSearch upper = Quantile(r, alpha / 2.0L, true);
        QuantileSearch lower = upper;
        lower.value = -upper.value;
        lower.messages.clear();
        searches = {lower, upper};
    } else if (r.area == CalcArea::TwoSided) {
        searches = {Quantile(r, alpha / 2.0L, false), Quantile(r, alpha / 2.0L, true)};
    } else {
        searches = {Quantile(r, alpha, r.area != CalcArea::Lower)};
    }
    result.probability = alpha;
    std::vector<long double> z;
    std::vector<std::string> shown;
    for (const QuantileSearch &search : searches) {
        Append(search.messages, result, tr);
        if (!search.found)
            result.status = CalcStatus::NotComputed;
        z.push_back(search.value);
        shown.push_back(ValueText(r, InUnits(r, search.value)));
    }
    if (result.status != CalcStatus::Computed) {
        report
            += Indent + Say(tr, MERVAN_TEXT("Calculator", "Critical value could not be computed."));
        return;
    }
    result.marks = z;
    result.value = InUnits(r, z.back());
    report
        += WithZ(r,
                 shown.size() > 1
                     ? Say(tr, MERVAN_TEXT("Calculator", "Critical values = %1 and %2"),
                           {shown.front(), shown.back()})
                     : Say(tr, MERVAN_TEXT("Calculator", "Critical value = %1"), {shown.front()}),
                 z, tr);
    // The back-check: the area at the values as shown, rounding and all.
    CalcRequest check = r;
    check.direction = CalcDirection::Probability;
    const long double a = Standard(r, ShownNumber(shown.front()));
    const long double b = Standard(r, ShownNumber(shown.back()));
    bool lowerSide = false;
    TailProbability p;
    if (r.area == CalcArea::TwoSided && !Symmetric(r.kind)) {
        Sum sum;
        sum.total.value = sum.add(Tail(r, a, false)).value + sum.add(Tail(r, b, true)).value;
        p = sum.total;
    } else {
        p = AreaProbability(check, r.area == CalcArea::TwoSided ? b : a, b, lowerSide);
    }
    const std::string statement = r.area == CalcArea::TwoSided && !Symmetric(r.kind)
        ? "P(" + Symbol(r) + " <= " + shown.front() + ") + P(" + Symbol(r) + " >= " + shown.back()
            + ")"
        : Statement(check, shown.front(), shown.back(), lowerSide);
    report += LineBreak
        + (Indent
           + Say(tr, MERVAN_TEXT("Calculator", "Check: %1"),
                 {statement + " = " + ProbabilityShown(p, r.digits, tr)}));
}

} // namespace

void ComputeCalcArea(const CalcRequest &request, CalcResult &result, const Translator &translator)
{
    std::string report = Indent + Heading(request, translator) + LineBreak + Indent
        + AreaWords(request, translator) + LineBreak + LineBreak;
    if (request.direction == CalcDirection::CriticalValue)
        AreaCriticalReport(request, result, report, translator);
    else
        AreaProbabilityReport(request, result, report, translator);
    result.report = report;
}
