#include "gui/calculators/densitytext.h"

#include <QCoreApplication>

#include <cmath>

namespace {

QString Number(double value)
{
    return QString::number(value == 0.0 ? 0.0 : value, 'g', 6);
}

} // namespace

QString DensityText(const DensityPlot &plot)
{
    // A normal in its own units keeps z in the plot; say the data's values.
    const auto shown = [&](double z) { return Number(plot.mean + plot.sd * z); };
    const QString first = shown(plot.value);
    const QString second = plot.second ? shown(*plot.second) : first;
    QString area;
    switch (plot.area) {
    case CalcArea::Standard:
        // The normal's default area is the central one between -|z| and |z|;
        // the others' the upper tail from the mark on.
        area = plot.kind == DensityPlot::Kind::Normal
            ? QCoreApplication::translate("DensityText", "the central area between %1 and %2")
                  .arg(Number(-std::fabs(plot.value)), Number(std::fabs(plot.value)))
            : QCoreApplication::translate("DensityText", "the upper tail above %1").arg(first);
        break;
    case CalcArea::Lower:
        area = QCoreApplication::translate("DensityText", "the lower tail below %1").arg(first);
        break;
    case CalcArea::Upper:
        area = QCoreApplication::translate("DensityText", "the upper tail above %1").arg(first);
        break;
    case CalcArea::TwoSided:
        area = QCoreApplication::translate("DensityText", "both tails, below %1 and above %2")
                   .arg(first, second);
        break;
    case CalcArea::Between:
        area = QCoreApplication::translate("DensityText", "the area between %1 and %2")
                   .arg(first, second);
        break;
    }
    QString marks = plot.valueText;
    if (plot.second)
        marks = QCoreApplication::translate("DensityText", "%1 and %2")
                    .arg(plot.valueText, plot.secondText);
    return QCoreApplication::translate("DensityText",
                                       "%1: the density, marked at %2. Shaded: %3, %4.")
        .arg(DensityTitle(plot), marks, area, plot.areaText);
}

QString DiscreteText(const DiscretePlot &plot)
{
    const QString asked = plot.first == plot.last
        ? QCoreApplication::translate("DensityText", "the bar of %1 is coloured").arg(plot.first)
        : QCoreApplication::translate("DensityText", "the bars from %1 to %2 are coloured")
              .arg(plot.first)
              .arg(plot.last);
    QString text
        = QCoreApplication::translate("DensityText", "%1: the probabilities as bars; %2. %3.")
              .arg(DiscreteTitle(plot.request), asked, plot.answerText);
    if (plot.normalOverlay)
        text += QLatin1Char(' ')
            + QCoreApplication::translate(
                    "DensityText", "The normal approximation's density is drawn over the bars.");
    return text;
}
