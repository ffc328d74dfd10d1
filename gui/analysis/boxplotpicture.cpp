#include "gui/analysis/boxplotpicture.h"

#include "gui/analysis/plotframe.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <memory>

namespace {

void DrawBoxPlot(QPainter &painter, const QRectF &area, const BoxPlotNumbers &box,
                 const QString &title, const QString &variable)
{
    painter.save();
    const PictureStyle style = PictureStyleOf(painter);
    painter.setFont(PlotFont(area, style.zoom));
    painter.setPen(QPen(style.ink, style.hairline()));
    const double line = QFontMetricsF(painter.font()).height();

    double low = box.lowerWhisker;
    double high = box.upperWhisker;
    for (const auto &outlier : box.outliers) {
        low = std::min(low, outlier.first);
        high = std::max(high, outlier.first);
    }
    PadRange(low, high);
    const std::vector<double> ticks = RoundTicks(low, high, 6);
    low = std::min(low, ticks.front());
    high = std::max(high, ticks.back());

    const QRectF plot = area.adjusted(line * 2, line * 3, -line * 2, -line * 3.2);
    if (plot.width() <= 0 || plot.height() <= 0) {
        painter.restore();
        return;
    }
    const PlotAxes axes{plot, low, high, 0, 1};
    DrawPlotTitle(painter, area, title, line);

    // The box stands across the middle of the plot, half its height.
    const double middle = axes.y(0.5);
    const double half = std::min(plot.height() / 4, line * 4);
    painter.setPen(QPen(style.edge, std::max(1.0, line / 10)));
    const auto whisker = [&](double end, double edge) {
        painter.drawLine(QPointF(axes.x(end), middle), QPointF(axes.x(edge), middle));
        painter.drawLine(QPointF(axes.x(end), middle - half / 2),
                         QPointF(axes.x(end), middle + half / 2));
    };
    // A whisker that ends inside the box (very few values) is not drawn.
    if (box.lowerWhisker < box.q1)
        whisker(box.lowerWhisker, double(box.q1));
    if (box.upperWhisker > box.q3)
        whisker(box.upperWhisker, double(box.q3));
    painter.setBrush(style.fill);
    painter.drawRect(QRectF(QPointF(axes.x(double(box.q1)), middle - half),
                            QPointF(axes.x(double(box.q3)), middle + half)));
    painter.setPen(QPen(style.edge, std::max(2.0, line / 5)));
    painter.drawLine(QPointF(axes.x(double(box.median)), middle - half),
                     QPointF(axes.x(double(box.median)), middle + half));

    // The values beyond the whiskers, one mark each; several equal ones say how many.
    painter.setPen(QPen(style.ink, std::max(1.0, line / 12)));
    painter.setBrush(Qt::NoBrush);
    const double radius = line * 0.3;
    for (const auto &[value, count] : box.outliers) {
        const QPointF at(axes.x(value), middle);
        painter.drawEllipse(at, radius, radius);
        if (count > 1)
            painter.drawText(
                QRectF(at.x() - line * 2, middle - radius - line * 1.1, line * 4, line),
                Qt::AlignHCenter | Qt::AlignBottom | Qt::TextDontClip,
                QStringLiteral("%1\u00d7").arg(count));
    }

    painter.setPen(QPen(style.ink, style.hairline()));
    DrawXAxis(painter, axes, ticks, variable, line);
    painter.restore();
}

} // namespace

QSizeF BoxPlotPictureSize()
{
    return QSizeF(720, 360);
}

VectorDrawing BoxPlotDrawing(const BoxPlotNumbers &box, const QString &title,
                             const QString &variable)
{
    auto numbers = std::make_shared<const BoxPlotNumbers>(box);
    return [numbers, title, variable](QPainter &painter, const QRectF &area) {
        DrawBoxPlot(painter, area, *numbers, title, variable);
    };
}

bool WriteBoxPlotPicture(const BoxPlotNumbers &box, const QString &title, const QString &variable,
                         const std::string &path, std::string &error)
{
    return WritePlotFile(BoxPlotDrawing(box, title, variable), BoxPlotPictureSize(), path, error);
}
