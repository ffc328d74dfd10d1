#include "gui/analysis/plotframe.h"

#include "gui/common/fonts.h"

#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

double Step(const std::vector<double> &ticks)
{
    return ticks.size() > 1 ? ticks[1] - ticks[0] : 1.0;
}

} // namespace

std::vector<double> RoundTicks(double low, double high, int count)
{
    const double rough = (high - low) / std::max(count, 1);
    // A range beyond a double's reach, or too narrow for its magnitude: its ends.
    if (!(rough > 0) || !std::isfinite(rough))
        return {low, high};
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power;
    for (double factor : {2.0, 5.0, 10.0})
        if (rough > step * 1.5)
            step = power * factor;
    std::vector<double> ticks;
    const double first = std::ceil(low / step);
    for (int i = 0; i <= 4 * count + 4; ++i) {
        const double tick = (first + i) * step;
        if (tick > high + step * 1e-9 || (!ticks.empty() && !(tick > ticks.back())))
            break;
        ticks.push_back(tick == 0 ? 0.0 : tick);
    }
    if (ticks.size() < 2)
        return {low, high};
    return ticks;
}

QString TickLabel(double value, double step)
{
    const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
    if (std::fabs(value) >= 1e7 || (value != 0 && std::fabs(value) < 1e-4))
        return QString::number(value, 'g', 6);
    return QString::number(std::fabs(value) < step * 1e-9 ? 0.0 : value, 'f', decimals);
}

void PadRange(double &low, double &high)
{
    if (!(high > low)) {
        const double unit = low == 0 ? 1.0 : std::fabs(low) / 10;
        low -= unit;
        high += unit;
        return;
    }
    const double pad = (high - low) / 20;
    if (!std::isfinite(pad))
        return;
    low -= pad;
    high += pad;
}

QFont PlotFont(const QRectF &area, double zoom)
{
    QFont font(QStringLiteral("Univers"));
    font.setStyleHint(QFont::SansSerif);
    const double side = std::min(area.width(), area.height() * 4 / 3);
    font.setPixelSize(
        static_cast<int>(std::lround(std::clamp(static_cast<int>(side / 48), 9, 20) * zoom)));
    return font;
}

void DrawPlotTitle(QPainter &painter, const QRectF &area, const QString &title, double line)
{
    painter.save();
    QFont bold = painter.font();
    bold.setBold(true);
    bold.setPixelSize(bold.pixelSize() * 5 / 4);
    painter.setFont(bold);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), line * 1.4),
                     Qt::AlignCenter | Qt::TextDontClip, title);
    painter.restore();
}

void DrawXAxis(QPainter &painter, const PlotAxes &axes, const std::vector<double> &ticks,
               const QString &label, double line)
{
    const QRectF &plot = axes.plot;
    const double tick = line * 0.35;
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    for (double value : ticks) {
        const double x = axes.x(value);
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + tick));
        painter.drawText(QRectF(x - line * 4, plot.bottom() + tick, line * 8, line),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip,
                         TickLabel(value, Step(ticks)));
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + tick + line * 1.2, plot.width(), line),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, label);
}

void DrawYAxis(QPainter &painter, const PlotAxes &axes, const std::vector<double> &ticks,
               const QString &label, double line)
{
    const QRectF &plot = axes.plot;
    const double tick = line * 0.35;
    painter.drawLine(plot.topLeft(), plot.bottomLeft());
    for (double value : ticks) {
        const double y = axes.y(value);
        painter.drawLine(QPointF(plot.left() - tick, y), QPointF(plot.left(), y));
        painter.drawText(QRectF(0, y - line / 2, plot.left() - tick * 1.8, line),
                         Qt::AlignRight | Qt::AlignVCenter | Qt::TextDontClip,
                         TickLabel(value, Step(ticks)));
    }
    painter.save();
    painter.translate(line * 0.2, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, 0, plot.height(), line),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, label);
    painter.restore();
}

double TickLabelWidth(const QPainter &painter, const std::vector<double> &ticks)
{
    const QFontMetricsF metrics(painter.font());
    double width = 0;
    for (double value : ticks)
        width = std::max(width, metrics.horizontalAdvance(TickLabel(value, Step(ticks))));
    return width;
}

bool WritePlotFile(const VectorDrawing &drawing, const QSizeF &size, const std::string &path,
                   std::string &error)
{
    // Without an application object Qt can neither load fonts nor paint text.
    std::unique_ptr<QGuiApplication> app;
    if (!QCoreApplication::instance()) {
        static int argc = 3;
        static char name[] = "mervan-batch";
        static char option[] = "-platform";
        static char platform[] = "offscreen";
        static char *argv[] = {name, option, platform, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
        InstallFontSubstitutes();
    }
    QString reason;
    if (SavePicture(drawing, size, QFile::decodeName(QByteArray::fromStdString(path)), reason))
        return true;
    error = reason.toUtf8().toStdString();
    return false;
}
