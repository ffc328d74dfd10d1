#include "gui/analysis/qqpicture.h"

#include "gui/analysis/plotframe.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <memory>

namespace {

void DrawQQ(QPainter &painter, const QRectF &area, const QQPlot &qq, const QString &title,
            const QString &variable)
{
    if (qq.points.empty())
        return;
    painter.save();
    const PictureStyle style = PictureStyleOf(painter);
    painter.setFont(PlotFont(area, style.zoom));
    painter.setPen(QPen(style.ink, style.hairline()));
    const double line = QFontMetricsF(painter.font()).height();

    double xLow = double(qq.points.front().theoretical);
    double xHigh = double(qq.points.back().theoretical);
    double yLow = qq.points.front().sample;
    double yHigh = qq.points.back().sample;
    PadRange(xLow, xHigh);
    PadRange(yLow, yHigh);
    const std::vector<double> xTicks = RoundTicks(xLow, xHigh, 6);
    const std::vector<double> yTicks = RoundTicks(yLow, yHigh, 6);
    xLow = std::min(xLow, xTicks.front());
    xHigh = std::max(xHigh, xTicks.back());
    yLow = std::min(yLow, yTicks.front());
    yHigh = std::max(yHigh, yTicks.back());

    const double labels = TickLabelWidth(painter, yTicks);
    const QRectF plot = area.adjusted(labels + line * 2, line * 2.4, -line * 1.5, -line * 3.2);
    if (plot.width() <= 0 || plot.height() <= 0) {
        painter.restore();
        return;
    }
    const PlotAxes axes{plot, xLow, xHigh, yLow, yHigh};
    DrawPlotTitle(painter, area, title, line);

    // The quartile line across the whole plot, clipped to it.
    painter.save();
    painter.setClipRect(plot);
    painter.setPen(QPen(style.curve, std::max(1.0, line / 8)));
    const auto lineAt = [&](double x) { return double(qq.intercept + qq.slope * x); };
    painter.drawLine(QPointF(axes.x(xLow), axes.y(lineAt(xLow))),
                     QPointF(axes.x(xHigh), axes.y(lineAt(xHigh))));
    painter.restore();

    painter.setPen(QPen(style.edge, std::max(1.0, line / 12)));
    const double radius = std::clamp(plot.width() / 150, 1.0, line * 0.25);
    for (const QQPoint &point : qq.points)
        painter.drawEllipse(QPointF(axes.x(double(point.theoretical)), axes.y(point.sample)),
                            radius, radius);

    painter.setPen(QPen(style.ink, style.hairline()));
    DrawXAxis(painter, axes, xTicks, QCoreApplication::translate("QQPicture", "normal quantiles"),
              line);
    DrawYAxis(painter, axes, yTicks, variable, line);
    painter.restore();
}

} // namespace

QSizeF QQPictureSize()
{
    return QSizeF(600, 540);
}

VectorDrawing QQDrawing(const QQPlot &plot, const QString &title, const QString &variable)
{
    auto points = std::make_shared<const QQPlot>(plot);
    return [points, title, variable](QPainter &painter, const QRectF &area) {
        DrawQQ(painter, area, *points, title, variable);
    };
}

bool WriteQQPicture(const QQPlot &plot, const QString &title, const QString &variable,
                    const std::string &path, std::string &error)
{
    return WritePlotFile(QQDrawing(plot, title, variable), QQPictureSize(), path, error);
}
