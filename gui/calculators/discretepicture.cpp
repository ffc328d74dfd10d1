#include "gui/calculators/discretepicture.h"

#include "gui/calculators/pictureaxis.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The values shown: the bulk of the distribution (4.5 standard deviations
// each way) and the asked values when they are not too far from it.
void Range(const DiscretePlot &plot, std::int64_t &low, std::int64_t &high)
{
    const DiscreteRequest &r = plot.request;
    const double mean = static_cast<double>(DiscreteMean(r));
    const double spread = 4.5 * static_cast<double>(DiscreteSd(r)) + 1.0;
    const std::int64_t end = DiscreteSupportEnd(r);
    low = std::max<std::int64_t>(0, static_cast<std::int64_t>(std::floor(mean - spread)));
    high = std::min(end, static_cast<std::int64_t>(std::ceil(mean + spread)));
    high = std::max(high, std::min<std::int64_t>(end, low + 10));
    // The asked ends join the range when they are not too far out.
    const std::int64_t room = std::max<std::int64_t>(3 * (high - low), 40);
    if (plot.first < low && plot.first - 1 >= high - room)
        low = std::max<std::int64_t>(plot.first - 1, 0);
    if (plot.last > high && plot.last + 1 <= low + room)
        high = std::min(plot.last + 1, end);
}

// A round step for about six ticks over span.
QString Title(const DiscreteRequest &r)
{
    if (r.family == DiscreteFamily::Binomial)
        return QCoreApplication::translate("DiscretePicture", "Binomial, n = %1, p = %2")
            .arg(r.n)
            .arg(static_cast<double>(r.p), 0, 'g', 10);
    return QCoreApplication::translate("DiscretePicture", "Poisson, \u03bb = %1")
        .arg(static_cast<double>(r.lambda), 0, 'g', 10);
}

} // namespace

DiscretePlot PlotOf(const DiscreteResult &result, bool normalOverlay)
{
    DiscretePlot plot;
    plot.request = result.request;
    plot.normalOverlay = normalOverlay;
    const DiscreteRequest &r = result.request;
    switch (r.question) {
    case DiscreteQuestion::Exact:
        plot.first = plot.last = r.a;
        break;
    case DiscreteQuestion::AtMost:
        plot.first = 0;
        plot.last = r.a;
        break;
    case DiscreteQuestion::AtLeast:
        plot.first = r.a;
        plot.last = DiscreteSupportEnd(r);
        break;
    case DiscreteQuestion::Between:
        plot.first = r.a;
        plot.last = r.b;
        break;
    case DiscreteQuestion::Quantile:
        plot.first = 0;
        plot.last = static_cast<std::int64_t>(result.value);
        break;
    }
    const QString value = QString::fromStdString(result.valueText);
    plot.answerText = r.question == DiscreteQuestion::Quantile
        ? QStringLiteral("k = %1, P(X \u2264 %1) = %2")
              .arg(value,
                   QString::fromStdString(DiscreteProbabilityText(result.logValue, r.digits)))
        : QString::fromStdString(result.report.substr(result.report.rfind("\r\n\r\n") + 4))
              .section(QStringLiteral("\r\n"), 0, 0)
              .trimmed()
              .replace(QStringLiteral("<="), QStringLiteral("\u2264"))
              .replace(QStringLiteral(">="), QStringLiteral("\u2265"));
    return plot;
}

void DrawDiscrete(QPainter &painter, const QRectF &area, const DiscretePlot &plot)
{
    painter.save();
    const PictureStyle style = PictureStyleOf(painter);
    painter.fillRect(area, style.background);
    QFont font = painter.font();
    font.setPointSizeF(std::max(7.0, area.height() / 28.0));
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const double line = metrics.height();
    const QRectF plotArea = area.adjusted(line, 2.6 * line, -line, -2.0 * line);

    std::int64_t low = 0;
    std::int64_t high = 0;
    Range(plot, low, high);
    const DiscreteRequest &r = plot.request;
    const double mean = static_cast<double>(DiscreteMean(r));
    const double sd = static_cast<double>(DiscreteSd(r));
    const auto normal = [&](double x) {
        return std::exp(-0.5 * (x - mean) * (x - mean) / (sd * sd))
            / (sd * std::sqrt(2.0 * std::numbers::pi));
    };

    std::vector<double> heights;
    heights.reserve(static_cast<std::size_t>(high - low + 1));
    double top = 0.0;
    for (std::int64_t k = low; k <= high; ++k) {
        heights.push_back(static_cast<double>(std::exp(DiscreteLogPmf(r, k))));
        top = std::max(top, heights.back());
    }
    if (plot.normalOverlay && sd > 0.0)
        top = std::max(top, normal(mean));
    top = top > 0.0 ? 1.08 * top : 1.0;

    // Each value k stands over k - 0.5 .. k + 0.5.
    const double left = static_cast<double>(low) - 0.5;
    const double span = static_cast<double>(high - low) + 1.0;
    const auto toScreen = [&](double x, double y) {
        return QPointF(plotArea.left() + (x - left) / span * plotArea.width(),
                       plotArea.bottom() - std::min(y, top) / top * plotArea.height());
    };
    const double barWidth = plotArea.width() / span;
    const double gap = barWidth > 4.0 ? 0.15 * barWidth : 0.0;
    for (std::int64_t k = low; k <= high; ++k) {
        const bool asked = k >= plot.first && k <= plot.last;
        const QPointF corner
            = toScreen(static_cast<double>(k) - 0.5, heights[std::size_t(k - low)]);
        const QRectF bar(corner.x() + gap / 2.0, corner.y(), std::max(barWidth - gap, 0.5),
                         plotArea.bottom() - corner.y());
        painter.fillRect(bar, asked ? style.mark : style.muted);
    }

    if (plot.normalOverlay && sd > 0.0) {
        QPainterPath curve;
        const int samples = 400;
        for (int i = 0; i <= samples; ++i) {
            const double x = left + span * i / samples;
            const QPointF at = toScreen(x, normal(x));
            i == 0 ? curve.moveTo(at) : curve.lineTo(at);
        }
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(style.curve, std::max(1.0, area.height() / 200.0)));
        painter.drawPath(curve);
    }

    painter.setPen(QPen(style.ink, 1.0));
    painter.drawLine(toScreen(left, 0.0), toScreen(left + span, 0.0));
    const double step = RoundTickStep(span, 6.0, 1.0);
    for (double x = std::ceil(static_cast<double>(low) / step) * step;
         x <= static_cast<double>(high); x += step) {
        const QPointF at = toScreen(x, 0.0);
        painter.drawLine(at, at + QPointF(0.0, line / 4.0));
        const QString text = QString::number(x, 'f', 0);
        painter.drawText(
            QPointF(at.x() - metrics.horizontalAdvance(text) / 2.0, at.y() + line * 1.1), text);
    }
    // Asked values too far out for the picture are pointed at.
    const int side = plot.last < low ? -1 : plot.first > high ? 1 : 0;
    const QString outside = side == 0
        ? QString()
        : EdgeArrowText(QCoreApplication::translate("DiscretePicture", "the asked values"), side);
    if (!outside.isEmpty()) {
        const double width = metrics.horizontalAdvance(outside);
        const double x = plot.last < low ? plotArea.left() : plotArea.right() - width;
        painter.drawText(QPointF(x, plotArea.top() + line), outside);
    }
    painter.drawText(QPointF(area.left() + line, area.top() + line), Title(r));
    painter.setPen(style.mark);
    painter.drawText(QPointF(area.left() + line, area.top() + 2.1 * line), plot.answerText);
    painter.restore();
}

VectorDrawing DiscreteDrawing(const DiscretePlot &plot)
{
    return [plot](QPainter &painter, const QRectF &area) { DrawDiscrete(painter, area, plot); };
}

QString DiscreteTitle(const DiscreteRequest &request)
{
    return Title(request);
}
