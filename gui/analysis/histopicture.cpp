#include "gui/analysis/histopicture.h"

#include "gui/analysis/plotframe.h"
#include "gui/common/fonts.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// The console companion has no application object, and without one Qt can
// neither load fonts nor paint text. A window-less one is made for as long
// as the picture takes.
class HeadlessApplication
{
public:
    HeadlessApplication()
    {
        if (QCoreApplication::instance())
            return;
        static int argc = 3;
        static char name[] = "mervan-batch";
        static char option[] = "-platform";
        static char platform[] = "offscreen";
        static char *argv[] = {name, option, platform, nullptr};
        m_app = std::make_unique<QGuiApplication>(argc, argv);
        InstallFontSubstitutes();
    }

private:
    std::unique_ptr<QGuiApplication> m_app;
};

QString Number(double value)
{
    // Counts are whole, percent and density ticks short decimals; -0 shows
    // as 0.
    return QString::number(value == 0.0 ? 0.0 : value, 'g', 6);
}

QString Label(const std::string &text)
{
    return QString::fromStdString(text);
}

// What the bars stand for, in the legend and along the y axis.
QString BarsName(HistogramScale scale)
{
    switch (scale) {
    case HistogramScale::Percent:
        return QCoreApplication::translate("HistogramPicture", "percent");
    case HistogramScale::Density:
        return QCoreApplication::translate("HistogramPicture", "density");
    case HistogramScale::Counts:
        break;
    }
    return QCoreApplication::translate("HistogramPicture", "counts");
}

QString AxisTitle(HistogramScale scale)
{
    return scale == HistogramScale::Counts
        ? QCoreApplication::translate("HistogramPicture", "count")
        : BarsName(scale);
}

// Maps data units (x, counts) to the plot's rectangle.
struct Axes
{
    QRectF plot;
    double xLow;
    double xHigh;
    double top;
    double x(double v) const { return plot.left() + (v - xLow) / (xHigh - xLow) * plot.width(); }
    double y(double count) const { return plot.bottom() - count / top * plot.height(); }
};

void DrawTitleAndLegend(QPainter &painter, const QRectF &area, const HistogramGeometry &g,
                        const QString &title, double line, const PictureStyle &style)
{
    QFont bold = painter.font();
    bold.setBold(true);
    bold.setPixelSize(bold.pixelSize() * 5 / 4);
    painter.save();
    painter.setFont(bold);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), line * 1.4),
                     Qt::AlignCenter | Qt::TextDontClip, title);
    painter.restore();

    // Swatches for the bars and the curve, then the sample's numbers.
    const QFontMetricsF metrics(painter.font());
    const QString bars = BarsName(g.scale);
    const QString curve = QCoreApplication::translate("HistogramPicture", "normal curve");
    QString numbers = QCoreApplication::translate("HistogramPicture",
                                                  "n = %1   mean = %2   standard deviation = %3")
                          .arg(g.valueCount)
                          .arg(Label(g.meanLabel), Label(g.stdDevLabel));
    const double swatch = line;
    const double gap = line * 0.4;
    const double swatches = 2 * (swatch + gap + 2 * line) + metrics.horizontalAdvance(bars)
        + metrics.horizontalAdvance(curve);
    // In a narrow window the standard deviation goes by its short name. The
    // margin of a line at each side leaves room for the text being drawn a
    // little wider on screen than measured while the picture is recorded.
    if (swatches + metrics.horizontalAdvance(numbers) > area.width() - 2 * line)
        numbers = QCoreApplication::translate("HistogramPicture", "n = %1   mean = %2   s.d. = %3")
                      .arg(g.valueCount)
                      .arg(Label(g.meanLabel), Label(g.stdDevLabel));
    const double width = swatches + metrics.horizontalAdvance(numbers);
    double x = area.center().x() - width / 2;
    const double y = area.top() + line * 1.5;
    const QRectF textLine(0, y, area.width(), line);

    painter.save();
    painter.setPen(QPen(style.edge, style.hairline()));
    painter.setBrush(style.fill);
    painter.drawRect(QRectF(x, y + line * 0.2, swatch, line * 0.6));
    x += swatch + gap;
    painter.setPen(style.ink);
    painter.drawText(textLine.translated(x, 0), Qt::AlignLeft | Qt::AlignVCenter, bars);
    x += metrics.horizontalAdvance(bars) + 2 * line;
    painter.setPen(QPen(style.curve, std::max(1.0, line / 7)));
    painter.drawLine(QPointF(x, y + line / 2), QPointF(x + swatch, y + line / 2));
    x += swatch + gap;
    painter.setPen(style.ink);
    painter.drawText(textLine.translated(x, 0), Qt::AlignLeft | Qt::AlignVCenter, curve);
    x += metrics.horizontalAdvance(curve) + 2 * line;
    painter.drawText(textLine.translated(x, 0), Qt::AlignLeft | Qt::AlignVCenter, numbers);
    painter.restore();
}

// The x axis with the class bounds; a label never reaches past right (in the
// axes' coordinates), so the last one stays inside the drawing.
void DrawXAxis(QPainter &painter, const Axes &axes, const HistogramGeometry &g, double line,
               double right)
{
    const QFontMetricsF metrics(painter.font());
    const double tick = line * 0.35;
    painter.drawLine(QPointF(axes.plot.left(), axes.plot.bottom()),
                     QPointF(axes.plot.right(), axes.plot.bottom()));
    // A label that would touch the last one drawn is left out, so with many
    // narrow classes every other bound or fewer is written.
    double free = -1e300;
    for (std::size_t i = 0; i < g.boundLabels.size(); ++i) {
        const double bound = i < g.bars.size() ? g.bars[i].low : g.bars.back().high;
        const double x = axes.x(bound);
        painter.drawLine(QPointF(x, axes.plot.bottom()), QPointF(x, axes.plot.bottom() + tick));
        const QString label = Label(g.boundLabels[i]);
        const double half = metrics.horizontalAdvance(label) / 2;
        const double middle = std::min(x, right - half);
        if (middle - half < free)
            continue;
        painter.drawText(
            QRectF(middle - half - line, axes.plot.bottom() + tick, 2 * (half + line), line),
            Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, label);
        free = middle + half + line * 0.6;
    }
    painter.drawText(
        QRectF(axes.plot.left(), axes.plot.bottom() + tick + line * 1.2, axes.plot.width(), line),
        Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip,
        QCoreApplication::translate("HistogramPicture", "class bounds"));
}

void DrawYAxis(QPainter &painter, const Axes &axes, const HistogramGeometry &g, double line)
{
    const double tick = line * 0.35;
    painter.drawLine(QPointF(axes.plot.left(), axes.plot.top()),
                     QPointF(axes.plot.left(), axes.plot.bottom()));
    for (double count : g.countTicks) {
        const double y = axes.y(count);
        painter.drawLine(QPointF(axes.plot.left() - tick, y), QPointF(axes.plot.left(), y));
        painter.drawText(QRectF(0, y - line / 2, axes.plot.left() - tick * 1.8, line),
                         Qt::AlignRight | Qt::AlignVCenter | Qt::TextDontClip, Number(count));
    }
    painter.save();
    painter.translate(line * 0.2, axes.plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-axes.plot.height() / 2, 0, axes.plot.height(), line),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, AxisTitle(g.scale));
    painter.restore();
}

} // namespace

QSizeF HistogramPictureSize()
{
    return QSizeF(720, 540);
}

void DrawHistogram(QPainter &painter, const QRectF &area, const HistogramGeometry &g,
                   const QString &title)
{
    painter.save();
    const PictureStyle style = PictureStyleOf(painter);
    painter.setFont(PlotFont(area, style.zoom));
    painter.setPen(QPen(style.ink, style.hairline()));
    const QFontMetricsF metrics(painter.font());
    const double line = metrics.height();
    double labelWidth = 0;
    for (double count : g.countTicks)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(Number(count)));

    // Room on the right for half of the last bound's label, which stands
    // under the plot's right end when the bars reach it.
    const double lastHalf
        = g.boundLabels.empty() ? 0.0 : metrics.horizontalAdvance(Label(g.boundLabels.back())) / 2;
    const double margin = std::max(line * 1.5, lastHalf + line * 0.5);

    const double top = g.countTicks.back();
    const QRectF plot = area.adjusted(labelWidth + line * 2, line * 3.6, -margin, -line * 3);
    if (plot.width() <= 0 || plot.height() <= 0 || !(top > 0)) {
        painter.restore();
        return;
    }
    painter.translate(area.topLeft());
    const Axes axes{plot.translated(-area.topLeft()), g.xLow, g.xHigh, top};

    DrawTitleAndLegend(painter, QRectF(QPointF(0, 0), area.size()), g, title, line, style);

    // Faint lines across at the count ticks.
    painter.setPen(QPen(style.faint, style.hairline()));
    for (double count : g.countTicks)
        painter.drawLine(QPointF(axes.plot.left(), axes.y(count)),
                         QPointF(axes.plot.right(), axes.y(count)));

    // The bars touch: each stands from its lower to its upper class bound.
    painter.setPen(QPen(style.edge, std::max(0.5, line / 14)));
    painter.setBrush(style.fill);
    for (const HistogramBar &bar : g.bars) {
        if (bar.count == 0)
            continue;
        // Classes without width (every value equal) still show as a narrow bar.
        const double middle = (axes.x(bar.low) + axes.x(bar.high)) / 2;
        const double half = std::max(axes.x(bar.high) - middle, line / 2);
        painter.drawRect(
            QRectF(QPointF(middle - half, axes.y(bar.height)), QPointF(middle + half, axes.y(0))));
    }

    if (g.curve.size() > 1) {
        QPainterPath curve;
        curve.moveTo(axes.x(g.curve.front().x), axes.y(g.curve.front().count));
        for (const CurvePoint &point : g.curve)
            curve.lineTo(axes.x(point.x), axes.y(point.count));
        painter.setPen(QPen(style.curve, std::max(1.0, line / 7)));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(curve);
    }

    painter.setPen(QPen(style.ink, style.hairline()));
    painter.setBrush(Qt::NoBrush);
    DrawXAxis(painter, axes, g, line, area.width() - line * 0.25);
    DrawYAxis(painter, axes, g, line);
    painter.restore();
}

VectorDrawing HistogramDrawing(const AnalysisResult &analysis)
{
    const Sample &sample = analysis.sample;
    const QString name
        = QFileInfo(QFile::decodeName(QByteArray::fromStdString(sample.dataFileName))).fileName();
    const QString title = sample.columnName.empty()
        ? QCoreApplication::translate("HistogramPicture", "Histogram of %1").arg(name)
        : QCoreApplication::translate("HistogramPicture", "Histogram of %1 in %2")
              .arg(QString::fromStdString(sample.columnName), name);
    auto geometry = std::make_shared<const HistogramGeometry>(HistogramPicture(analysis));
    return [geometry, title](QPainter &painter, const QRectF &area) {
        DrawHistogram(painter, area, *geometry, title);
    };
}

bool WriteHistogramPicture(const AnalysisResult &analysis, const std::string &path,
                           std::string &error)
{
    HeadlessApplication app;
    QString reason;
    if (SavePicture(HistogramDrawing(analysis), HistogramPictureSize(),
                    QFile::decodeName(QByteArray::fromStdString(path)), reason))
        return true;
    error = reason.toUtf8().toStdString();
    return false;
}
