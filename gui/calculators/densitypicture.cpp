#include "gui/calculators/densitypicture.h"

#include "gui/calculators/pictureaxis.h"

#include "core/calculators/chidist.h"
#include "core/calculators/fdist.h"
#include "core/calculators/tdist.h"
#include "core/numeric/mutil.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int Samples = 400;

using Curve = std::function<double(double)>;

bool Symmetric(DensityPlot::Kind kind)
{
    return kind == DensityPlot::Kind::T || kind == DensityPlot::Kind::Normal;
}

// The calculators' own densities; the messages a density may leave live as
// long as the curve.
Curve DensityOf(const DensityPlot &plot)
{
    auto messages = std::make_shared<std::vector<std::string>>();
    auto guard = std::make_shared<FGuard>();
    std::optional<Integrand> density;
    switch (plot.kind) {
    case DensityPlot::Kind::T:
        density = TDensity(static_cast<std::uint16_t>(plot.v1), *messages);
        break;
    case DensityPlot::Kind::ChiSquared:
        density = ChiDensity(plot.v1, *messages);
        break;
    case DensityPlot::Kind::F:
        density = FDensity(plot.v1, plot.v2, *guard);
        break;
    case DensityPlot::Kind::Normal:
        return [](double x) { return std::exp(-x * x / 2.0) / std::sqrt(double(TwoPi)); };
    }
    if (!density)
        return [](double) { return 0.0; };
    return [messages, guard, f = *density](double x) {
        const double y = static_cast<double>(f(x));
        return std::isfinite(y) ? y : 0.0;
    };
}

// The x range: the bulk of the distribution, widened to the mark up to three
// times the bulk's width; a mark further out stands at the edge with an arrow,
// so that the curve keeps its shape.
void Range(const DensityPlot &plot, double &low, double &high)
{
    const double mark = std::max(std::fabs(plot.value), std::fabs(plot.second.value_or(0.0)));
    double bulk = 4.0;
    switch (plot.kind) {
    case DensityPlot::Kind::T:
    case DensityPlot::Kind::Normal:
        bulk = 4.0;
        break;
    case DensityPlot::Kind::ChiSquared:
        bulk = plot.v1 + 4.0 * std::sqrt(2.0 * plot.v1);
        break;
    case DensityPlot::Kind::F:
        bulk = 5.0;
        break;
    }
    high = std::min(std::max(bulk, 1.15 * mark), 3.0 * bulk);
    low = Symmetric(plot.kind) ? -high : 0.0;
}

// Whether the density rises without bound at 0 (chi-squared with one degree
// of freedom, F with one numerator degree): its top is then cut.
bool Unbounded(const DensityPlot &plot)
{
    return (plot.kind == DensityPlot::Kind::ChiSquared || plot.kind == DensityPlot::Kind::F)
        && plot.v1 < 2;
}

struct Sampled
{
    std::vector<QPointF> samples;
    double top = 1.0; // the height shown, with room above the peak
};

Sampled Sample(const DensityPlot &plot, const Curve &density, double low, double high)
{
    // Where the density rises without bound at 0 the top is taken a little
    // way in, and the curve is cut there.
    Sampled sampled;
    sampled.samples.reserve(Samples + 1);
    double top = 0.0;
    for (int i = 0; i <= Samples; ++i) {
        const double x = low + (high - low) * i / Samples;
        const double y = (!Symmetric(plot.kind) && x <= 0.0) ? 0.0 : density(x);
        sampled.samples.emplace_back(x, y);
        if (!Unbounded(plot) || x - low >= 0.02 * (high - low))
            top = std::max(top, y);
    }
    // Room above the peak for the mark's label, which must not sit on the
    // curve.
    sampled.top = top > 0.0 ? 1.25 * top : 1.0;
    return sampled;
}

QString Title(const DensityPlot &plot)
{
    switch (plot.kind) {
    case DensityPlot::Kind::T:
        return QCoreApplication::translate("DensityPicture", "Student's t, %1 degrees of freedom")
            .arg(plot.v1);
    case DensityPlot::Kind::ChiSquared:
        return QCoreApplication::translate("DensityPicture", "Chi-squared, %1 degrees of freedom")
            .arg(plot.v1);
    case DensityPlot::Kind::F:
        return QCoreApplication::translate("DensityPicture", "F, %1 and %2 degrees of freedom")
            .arg(plot.v1)
            .arg(plot.v2);
    case DensityPlot::Kind::Normal:
        if (plot.mean != 0.0 || plot.sd != 1.0)
            return QCoreApplication::translate("DensityPicture", "Normal, mean %1 and sd %2")
                .arg(plot.mean)
                .arg(plot.sd);
        return QCoreApplication::translate("DensityPicture", "Standard normal");
    }
    return QString();
}

// A mark at x (clamped to the axis), with an arrow towards a value beyond it.
void PlaceMark(const DensityAxis &axis, double value, const QString &text, double &mark,
               QString &label)
{
    mark = std::clamp(value, axis.low, axis.high);
    label = EdgeArrowText(text, value > axis.high ? 1 : value < axis.low ? -1 : 0);
}

} // namespace

QSizeF DensityPictureSize()
{
    return QSizeF(480, 280);
}

void DrawDensity(QPainter &painter, const QRectF &area, const DensityPlot &plot)
{
    painter.save();
    const PictureStyle style = PictureStyleOf(painter);
    painter.fillRect(area, style.background);
    QFont font = painter.font();
    font.setPointSizeF(std::max(7.0, area.height() / 28.0));
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const double line = metrics.height();

    // The plot between a title line above and two label lines below.
    const QRectF plotArea = area.adjusted(line, 1.5 * line, -line, -2.5 * line);
    const DensityAxis axis = DensityLayout(plot);
    const double low = axis.low;
    const double high = axis.high;
    const Curve density = DensityOf(plot);
    const Sampled sampled = Sample(plot, density, low, high);
    const std::vector<QPointF> &samples = sampled.samples;
    const double top = sampled.top;

    const auto toScreen = [&](double x, double y) {
        return QPointF(plotArea.left() + (x - low) / (high - low) * plotArea.width(),
                       plotArea.bottom() - std::min(y, top) / top * plotArea.height());
    };

    // The shaded area under the curve.
    QPainterPath shade;
    for (const auto &[from, to] : DensityShading(plot)) {
        shade.moveTo(toScreen(from, 0.0));
        shade.lineTo(toScreen(from, std::min(density(from), top)));
        for (const QPointF &s : samples)
            if (s.x() > from && s.x() < to)
                shade.lineTo(toScreen(s.x(), s.y()));
        shade.lineTo(toScreen(to, std::min(density(to), top)));
        shade.lineTo(toScreen(to, 0.0));
        shade.closeSubpath();
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(style.shade);
    painter.drawPath(shade);

    // The curve.
    QPainterPath curve;
    curve.moveTo(toScreen(samples.front().x(), samples.front().y()));
    for (const QPointF &s : samples)
        curve.lineTo(toScreen(s.x(), s.y()));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(style.curve, std::max(1.0, area.height() / 200.0)));
    painter.drawPath(curve);
    // A density that rises without bound is cut at the top: an arrow beside
    // the cut says so.
    if (axis.clipped) {
        const auto last = std::find_if(samples.rbegin(), samples.rend(),
                                       [top](const QPointF &s) { return s.y() > top; });
        const QPointF at = toScreen(last->x(), top);
        painter.drawText(QPointF(at.x() + line * 0.3, at.y() + line * 0.8),
                         QStringLiteral("\u2191"));
    }

    // The axis with its ticks, in the normal's own units when it has them.
    painter.setPen(QPen(style.ink, 1.0));
    painter.drawLine(toScreen(low, 0.0), toScreen(high, 0.0));
    const double unitLow = plot.mean + plot.sd * low;
    const double unitHigh = plot.mean + plot.sd * high;
    const double step = RoundTickStep(unitHigh - unitLow, 5.0);
    for (double u = std::ceil(unitLow / step) * step; u <= unitHigh + 1e-9 * step; u += step) {
        const QPointF at = toScreen((u - plot.mean) / plot.sd, 0.0);
        painter.drawLine(at, at + QPointF(0.0, line / 4.0));
        const QString text = QString::number(std::fabs(u) < 1e-9 * step ? 0.0 : u, 'g', 6);
        const double width = metrics.horizontalAdvance(text);
        painter.drawText(QPointF(at.x() - width / 2.0, at.y() + line * 1.1), text);
    }

    // The marks (both ends of a symmetric area of one value) and their
    // labels, each label on a line of its own; a value beyond the axis is
    // marked at its edge, with an arrow pointing on to it.
    painter.setPen(QPen(style.mark, std::max(1.0, area.height() / 250.0)));
    const double markTop = plotArea.top() + line;
    const bool mirrored = !axis.secondMark
        && (plot.area == CalcArea::Standard ? plot.kind == DensityPlot::Kind::Normal
                                            : plot.area == CalcArea::TwoSided)
        && Symmetric(plot.kind);
    // The second label sits a line lower, so its mark starts below it.
    const double secondTop = markTop + line * 1.15;
    std::vector<std::pair<double, double>> marks{{axis.mark, markTop}};
    if (mirrored)
        marks.push_back({-axis.mark, markTop});
    if (axis.secondMark)
        marks.push_back({*axis.secondMark, secondTop});
    for (const auto &[x, lineTop] : marks)
        painter.drawLine(toScreen(x, 0.0), QPointF(toScreen(x, 0.0).x(), lineTop));
    const auto label = [&](double x, const QString &text, double y) {
        const double width = metrics.horizontalAdvance(text);
        const double left = std::clamp(toScreen(x, 0.0).x() - width / 2.0, area.left() + 2.0,
                                       area.right() - width - 2.0);
        painter.drawText(QPointF(left, y), text);
    };
    label(axis.mark, axis.label, markTop - line * 0.25);
    if (axis.secondMark)
        label(*axis.secondMark, axis.secondLabel, markTop + line * 0.9);
    painter.setPen(style.ink);
    painter.drawText(
        QPointF(area.left() + line, area.bottom() - line * 0.4),
        QCoreApplication::translate("DensityPicture", "Shaded: %1").arg(plot.areaText));
    painter.drawText(QPointF(area.left() + line, area.top() + line), Title(plot));
    painter.restore();
}

DensityAxis DensityLayout(const DensityPlot &plot)
{
    DensityAxis axis;
    Range(plot, axis.low, axis.high);
    PlaceMark(axis, plot.value, plot.valueText, axis.mark, axis.label);
    if (plot.second) {
        double mark = 0.0;
        PlaceMark(axis, *plot.second, plot.secondText, mark, axis.secondLabel);
        axis.secondMark = mark;
    }
    const Sampled sampled = Sample(plot, DensityOf(plot), axis.low, axis.high);
    axis.clipped = std::any_of(sampled.samples.begin(), sampled.samples.end(),
                               [&sampled](const QPointF &s) { return s.y() > sampled.top; });
    return axis;
}

QList<QPair<double, double>> DensityShading(const DensityPlot &plot)
{
    const DensityAxis axis = DensityLayout(plot);
    const double a = axis.mark;
    const double low = axis.low;
    const double high = axis.high;
    const bool symmetric = Symmetric(plot.kind);
    switch (plot.area) {
    case CalcArea::Standard:
        if (plot.kind == DensityPlot::Kind::Normal)
            return {{-std::fabs(a), std::fabs(a)}};
        return {{a, high}};
    case CalcArea::Lower:
        return {{low, a}};
    case CalcArea::TwoSided:
        if (axis.secondMark)
            return {{low, a}, {*axis.secondMark, high}};
        if (symmetric)
            return {{low, -std::fabs(a)}, {std::fabs(a), high}};
        return {{a, high}};
    case CalcArea::Between:
        return {{a, axis.secondMark.value_or(a)}};
    case CalcArea::Upper:
        break;
    }
    return {{a, high}};
}

VectorDrawing DensityDrawing(const DensityPlot &plot)
{
    return [plot](QPainter &painter, const QRectF &area) { DrawDensity(painter, area, plot); };
}

QString DensityTitle(const DensityPlot &plot)
{
    return Title(plot);
}
