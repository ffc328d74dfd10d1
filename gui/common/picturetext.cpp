#include "gui/common/picturetext.h"

#include "gui/common/clipboard.h"
#include "gui/common/prompts.h"
#include "gui/common/vectorpicture.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QPushButton>
#include <QStringList>

#include <cstdint>
#include <string>

namespace {

QString Number(long double value)
{
    return QString::number(static_cast<double>(value), 'g', 6);
}

QString Label(const std::string &text)
{
    return QString::fromStdString(text);
}

QString Values(std::uint64_t count)
{
    return count == 1 ? QCoreApplication::translate("PictureText", "1 value")
                      : QCoreApplication::translate("PictureText", "%1 values").arg(count);
}

// The canvas of a panel: the widget the panel hands its focus to.
QAccessibleInterface *PictureInterface(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || !qobject_cast<PicturePanel *>(widget->parentWidget())
        || !widget->objectName().endsWith(QLatin1String("Canvas")))
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Graphic);
}

} // namespace

QString HistogramText(const HistogramGeometry &g)
{
    QStringList classes;
    for (std::size_t i = 0; i < g.bars.size() && i + 1 < g.boundLabels.size(); ++i)
        classes << QCoreApplication::translate("PictureText", "%1 to %2: %3")
                       .arg(Label(g.boundLabels[i]), Label(g.boundLabels[i + 1]),
                            Values(g.bars[i].count));
    QString text = QCoreApplication::translate("PictureText", "Histogram of %1 in %2 classes: %3.")
                       .arg(Values(g.valueCount))
                       .arg(g.bars.size())
                       .arg(classes.join(QStringLiteral("; ")));
    if (g.scale == HistogramScale::Percent)
        text += QLatin1Char(' ')
            + QCoreApplication::translate("PictureText",
                                          "The bars' heights are percent of the values.");
    else if (g.scale == HistogramScale::Density)
        text += QLatin1Char(' ')
            + QCoreApplication::translate("PictureText", "The bars' heights are densities.");
    if (g.curve.size() > 1)
        text += QLatin1Char(' ')
            + QCoreApplication::translate("PictureText",
                                          "Normal curve with mean %1 and standard deviation %2.")
                  .arg(Label(g.meanLabel), Label(g.stdDevLabel));
    else
        text += QLatin1Char(' ')
            + QCoreApplication::translate("PictureText",
                                          "No normal curve: the values do not vary.");
    return text;
}

QString BoxPlotText(const BoxPlotNumbers &box, const QString &variable)
{
    QString text = QCoreApplication::translate(
                       "PictureText",
                       "Box plot of %1: lower whisker %2, first quartile %3, median %4, "
                       "third quartile %5, upper whisker %6.")
                       .arg(variable, Number(box.lowerWhisker), Number(box.q1), Number(box.median),
                            Number(box.q3), Number(box.upperWhisker));
    QStringList beyond;
    for (const auto &[value, count] : box.outliers)
        beyond << (count == 1 ? Number(value)
                              : QCoreApplication::translate("PictureText", "%1 (%2 times)")
                                    .arg(Number(value))
                                    .arg(count));
    text += QLatin1Char(' ')
        + (beyond.isEmpty()
               ? QCoreApplication::translate("PictureText", "No values beyond the whiskers.")
               : QCoreApplication::translate("PictureText", "Beyond the whiskers: %1.")
                     .arg(beyond.join(QStringLiteral(", "))));
    return text;
}

QString QQText(const QQPlot &plot, const QString &variable)
{
    if (plot.points.empty())
        return QCoreApplication::translate("PictureText", "Normal Q-Q plot of %1: no values.")
            .arg(variable);
    const QQPoint &first = plot.points.front();
    const QQPoint &last = plot.points.back();
    return QCoreApplication::translate(
               "PictureText",
               "Normal Q-Q plot of %1: %2 points of the sorted values against the normal "
               "quantiles, from the value %3 at quantile %4 to the value %5 at quantile %6. "
               "The line through the quartiles has intercept %7 and slope %8.")
        .arg(variable)
        .arg(plot.points.size())
        .arg(Number(first.sample), Number(first.theoretical), Number(last.sample),
             Number(last.theoretical), Number(plot.intercept), Number(plot.slope));
}

void InstallPictureAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(PictureInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

void NamePicture(PicturePanel &panel, const QString &name)
{
    panel.focusProxy()->setAccessibleName(name);
}

void SetPictureText(PicturePanel &panel, const QString &text)
{
    panel.focusProxy()->setAccessibleDescription(text);
}

QString PictureText(const PicturePanel &panel)
{
    return panel.focusProxy()->accessibleDescription();
}

void CopyPictureText(const PicturePanel &panel)
{
    const QString text = PictureText(panel);
    if (text.isEmpty()) {
        Prompts::current().message(
            QCoreApplication::translate("PictureText", "There is no picture to describe."));
        return;
    }
    CopyTextToClipboard(text);
    Prompts::current().message(QCoreApplication::translate(
        "PictureText", "The description of the picture is copied to clipboard."));
}

QPushButton *AddDescribeButton(PicturePanel &panel)
{
    const QList<QPushButton *> own = panel.findChildren<QPushButton *>(Qt::FindDirectChildrenOnly);
    auto *button
        = new QPushButton(QCoreApplication::translate("PictureText", "&Describe picture"), &panel);
    button->setObjectName(QStringLiteral("PictureDescribeBtn"));
    button->setToolTip(QCoreApplication::translate(
        "PictureText", "Copy a description of the picture to the clipboard."));
    button->setAutoDefault(false);
    // In the row of the panel's own buttons, after the last of them.
    bool placed = false;
    if (!own.isEmpty()) {
        for (auto *row : panel.layout()->findChildren<QBoxLayout *>())
            if (!placed && row->indexOf(own.last()) >= 0) {
                row->addWidget(button);
                placed = true;
            }
        QWidget::setTabOrder(own.last(), button);
    }
    if (!placed)
        panel.layout()->addWidget(button);
    QObject::connect(button, &QPushButton::clicked, &panel, [&panel] { CopyPictureText(panel); });
    return button;
}
