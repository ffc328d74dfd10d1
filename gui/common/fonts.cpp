#include "gui/common/fonts.h"

#include "gui/common/settings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QStringList>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The steps of Zoom In and Zoom Out, as a browser takes them.
constexpr std::array<int, 13> ZoomSteps{50,  67,  80,  90,  100, 110, 125,
                                        150, 175, 200, 250, 300, 400};

// The properties that tie a widget to the zoom.
constexpr char BaseFontProperty[] = "mervanBaseFont";
constexpr char ZoomProperty[] = "mervanZoomPercent";

void Zoom(QWidget *widget, const QFont &base, int percent)
{
    widget->setProperty(ZoomProperty, percent);
    widget->setFont(ZoomedFont(base, percent));
}

} // namespace

void InstallFontSubstitutes()
{
    const QStringList sans = {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                              QStringLiteral("DejaVu Sans")};
    const QStringList serif = {QStringLiteral("Liberation Serif"), QStringLiteral("Times"),
                               QStringLiteral("DejaVu Serif")};
    const QStringList mono = {QStringLiteral("Liberation Mono"), QStringLiteral("Courier"),
                              QStringLiteral("DejaVu Sans Mono")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("System"), sans);
    QFont::insertSubstitutions(QStringLiteral("Univers"), sans);
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"), serif);
    QFont::insertSubstitutions(QStringLiteral("Courier New"), mono);
}

QFont PixelFont(const QString &family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

int BoundedZoom(int percent)
{
    return std::clamp(percent, MinZoomPercent, MaxZoomPercent);
}

int SteppedZoom(int percent, int direction)
{
    const int current = BoundedZoom(percent);
    if (direction > 0) {
        const auto next = std::upper_bound(ZoomSteps.begin(), ZoomSteps.end(), current);
        return next == ZoomSteps.end() ? MaxZoomPercent : *next;
    }
    const auto next = std::lower_bound(ZoomSteps.begin(), ZoomSteps.end(), current);
    return next == ZoomSteps.begin() ? MinZoomPercent : *std::prev(next);
}

QFont ZoomedFont(const QFont &font, int percent)
{
    QFont zoomed = font;
    const double factor = BoundedZoom(percent) / 100.0;
    if (font.pixelSize() > 0)
        zoomed.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * factor))));
    else if (font.pointSizeF() > 0)
        zoomed.setPointSizeF(font.pointSizeF() * factor);
    return zoomed;
}

void FollowZoom(QWidget *widget, const QFont &base)
{
    widget->setProperty(BaseFontProperty, base);
    Zoom(widget, base, BoundedZoom(Settings().zoomPercent()));
}

QFont UnzoomedFont(const QWidget *widget)
{
    const QVariant base = widget->property(BaseFontProperty);
    return base.isValid() ? base.value<QFont>() : widget->font();
}

int ZoomPercentOf(const QWidget *widget)
{
    const QVariant percent = widget->property(ZoomProperty);
    return percent.isValid() ? percent.toInt() : 100;
}

void ApplyZoom(int percent)
{
    const int bounded = BoundedZoom(percent);
    const QWidgetList widgets = QApplication::allWidgets();
    for (QWidget *widget : widgets) {
        const QVariant base = widget->property(BaseFontProperty);
        if (base.isValid())
            Zoom(widget, base.value<QFont>(), bounded);
    }
}

int CaptionedWidth(const QAbstractButton &button, int classic, const QString &english)
{
    const QFontMetrics metrics = button.fontMetrics();
    const int wider = metrics.horizontalAdvance(QString(button.text()).remove(QLatin1Char('&')))
        - metrics.horizontalAdvance(english);
    return classic + std::max(0, wider);
}
