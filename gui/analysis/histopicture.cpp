#include "gui/analysis/histopicture.h"

#include "gui/common/fonts.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

#include <memory>

namespace {

constexpr int PictureSide = 450;

QColor ToColor(const PictureColor &color)
{
    return QColor(color.red, color.green, color.blue);
}

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
        // The same stand-ins for the program's fonts as in the windows.
        InstallFontSubstitutes();
    }

private:
    std::unique_ptr<QGuiApplication> m_app;
};

} // namespace

QFont PictureFont()
{
    // The graphics viewer's own font, in plain pixels without smoothing, so
    // that the picture comes out the same on every screen and in every file.
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setPixelSize(11);
    return font;
}

void PaintHistogramPicture(QImage &image, const PictureLayout &layout)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);

    if (layout.Curve.size() > 1) {
        QPen pen(ToColor(CurveColor));
        pen.setWidth(CurvePenWidth);
        painter.setPen(pen);
        QPolygon curve;
        curve.reserve(static_cast<int>(layout.Curve.size()));
        for (const PicturePoint &point : layout.Curve)
            curve << QPoint(point.x, point.y);
        painter.drawPolyline(curve);
    }

    // A bar is a 10-pixel stroke with square-cut ends: exactly the rectangle
    // from its top down to the baseline, nothing for an empty class.
    painter.setPen(Qt::NoPen);
    for (const PictureBar &bar : layout.Bars) {
        if (bar.top >= bar.baseline)
            continue;
        painter.fillRect(
            QRect(bar.x - BarPenWidth / 2, bar.top, BarPenWidth, bar.baseline - bar.top),
            ToColor(BarColor));
    }

    painter.setPen(QPen(Qt::black, 1));
    painter.setFont(PictureFont());
    const QRect nameBox(layout.NamePosition.x, layout.NamePosition.y, image.width(),
                        image.height());
    painter.drawText(nameBox, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                     QString::fromLatin1(layout.Name.data(), static_cast<int>(layout.Name.size())));
}

bool WriteHistogramPicture(const AnalysisState &state, const std::string &path, std::string &error)
{
    HeadlessApplication app;
    const QString fileName = QString::fromLocal8Bit(path.c_str());

    QImage image(PictureSide, PictureSide, QImage::Format_RGB32);
    image.fill(Qt::white);
    PaintHistogramPicture(image, LayoutHistogram(state, image.width(), image.height()));

    QSaveFile file(fileName);
    QString reason;
    if (!file.open(QIODevice::WriteOnly)) {
        reason = file.errorString();
    } else {
        QImageWriter writer(&file, "png");
        if (!writer.write(image)) {
            reason = writer.errorString();
            file.cancelWriting();
        } else if (!file.commit()) {
            reason = file.errorString();
        }
    }
    if (!reason.isEmpty()) {
        error = reason.toLocal8Bit().toStdString();
        return false;
    }
    return true;
}
