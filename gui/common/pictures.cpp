#include "gui/common/pictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <functional>

namespace {

const QColor Navy(0, 0, 128);
const QColor BarBlue(64, 112, 200);
const QColor CurveRed(200, 32, 32);

// Tool-button pictures are drawn on a 16 by 16 grid; the icon carries the
// picture at that size and at twice it for dense screens.
QIcon Painted(const std::function<void(QPainter &)> &draw)
{
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(16 * scale, 16 * scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// A bell curve through the box: the standard normal density over -3..3.
QPainterPath BellCurve(const QRectF &box)
{
    QPainterPath path;
    const int steps = 48;
    for (int i = 0; i <= steps; ++i) {
        const double z = -3.0 + 6.0 * i / steps;
        const double y = std::exp(-z * z / 2.0);
        const QPointF p(box.left() + box.width() * i / steps, box.bottom() - box.height() * y);
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    return path;
}

void Page(QPainter &p)
{
    QPolygonF sheet;
    sheet << QPointF(3.5, 1.5) << QPointF(10.5, 1.5) << QPointF(13.5, 4.5) << QPointF(13.5, 14.5)
          << QPointF(3.5, 14.5);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(sheet);
    p.drawPolyline(QPolygonF() << QPointF(10.5, 1.5) << QPointF(10.5, 4.5) << QPointF(13.5, 4.5));
}

void Letter(QPainter &p, const QString &text, const QColor &colour, int pixelSize, bool italic)
{
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setItalic(italic);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, text);
}

} // namespace

namespace Pictures {

QPixmap ProgramPicture(int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(width / 64.0, height / 64.0);

    // A rounded plate with a histogram of seven bars and the normal curve.
    p.setPen(QPen(Navy, 2));
    p.setBrush(QColor(255, 252, 236));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 8, 8);

    const double heights[] = {6, 14, 28, 36, 27, 13, 5};
    p.setPen(QPen(Navy, 0.8));
    p.setBrush(BarBlue);
    for (int i = 0; i < 7; ++i)
        p.drawRect(QRectF(11 + 6 * i, 52 - heights[i], 6, heights[i]));
    p.setPen(QPen(Navy, 1.5));
    p.drawLine(QPointF(8, 52), QPointF(56, 52));

    p.setPen(QPen(CurveRed, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(BellCurve(QRectF(8, 12, 48, 40)));
    return pixmap;
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128})
        icon.addPixmap(ProgramPicture(size, size));
    return icon;
}

QIcon NewFile()
{
    return Painted([](QPainter &p) {
        Page(p);
        p.setPen(QPen(QColor(255, 200, 0), 1.5));
        p.drawLine(QPointF(1, 1), QPointF(5, 5));
        p.drawLine(QPointF(5, 1), QPointF(1, 5));
        p.drawLine(QPointF(3, 0), QPointF(3, 6));
    });
}

QIcon OpenFile()
{
    return Painted([](QPainter &p) {
        p.setPen(QPen(QColor(128, 96, 0), 1));
        p.setBrush(QColor(240, 200, 80));
        p.drawRect(QRectF(1.5, 4.5, 12, 9));
        QPolygonF flap;
        flap << QPointF(3.5, 7.5) << QPointF(15.5, 7.5) << QPointF(13.5, 13.5)
             << QPointF(1.5, 13.5);
        p.setBrush(QColor(255, 224, 128));
        p.drawPolygon(flap);
        p.setPen(QPen(Navy, 1.2));
        p.drawLine(QPointF(9, 1), QPointF(13, 1));
        p.drawLine(QPointF(13, 1), QPointF(13, 5));
    });
}

QIcon Histogram()
{
    return Painted([](QPainter &p) {
        const double heights[] = {3, 7, 11, 8, 4};
        p.setPen(QPen(Navy, 0.8));
        p.setBrush(BarBlue);
        for (int i = 0; i < 5; ++i)
            p.drawRect(QRectF(1.5 + 2.6 * i, 14.5 - heights[i], 2.6, heights[i]));
        p.setPen(QPen(CurveRed, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(BellCurve(QRectF(0.5, 1.5, 15, 13)));
    });
}

QIcon NormalCurve()
{
    return Painted([](QPainter &p) {
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(QPointF(0.5, 14.5), QPointF(15.5, 14.5));
        // The central area under the curve, shaded.
        QPainterPath curve = BellCurve(QRectF(0.5, 2.5, 15, 12));
        QPainterPath middle;
        middle.addRect(QRectF(4.5, 0, 7, 14.5));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(160, 190, 240));
        QPainterPath area = curve;
        area.lineTo(15.5, 14.5);
        area.lineTo(0.5, 14.5);
        area.closeSubpath();
        p.drawPath(area.intersected(middle));
        p.setPen(QPen(Navy, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(curve);
    });
}

QIcon ChiSquared()
{
    return Painted([](QPainter &p) { Letter(p, QStringLiteral("χ²"), Navy, 12, false); });
}

QIcon StudentT()
{
    return Painted([](QPainter &p) { Letter(p, QStringLiteral("t"), Navy, 15, true); });
}

QIcon FRatio()
{
    return Painted([](QPainter &p) { Letter(p, QStringLiteral("F"), Navy, 14, true); });
}

QIcon Help()
{
    return Painted([](QPainter &p) {
        p.setPen(QPen(Navy, 1));
        p.setBrush(QColor(255, 255, 160));
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        Letter(p, QStringLiteral("?"), Navy, 12, false);
    });
}

QIcon Print()
{
    return Painted([](QPainter &p) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5)); // paper going in
        p.setBrush(QColor(192, 192, 192));
        p.drawRect(QRectF(1.5, 6.5, 13, 6)); // the body
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 10.5, 7, 4)); // paper coming out
        p.setPen(QPen(QColor(0, 160, 0), 1));
        p.drawPoint(QPointF(12.5, 8.5));
    });
}

QIcon Font()
{
    return Painted([](QPainter &p) {
        QFont font(QStringLiteral("Liberation Serif"));
        font.setPixelSize(13);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Navy);
        p.drawText(QRectF(0, 0, 10, 16), Qt::AlignCenter, QStringLiteral("A"));
        font.setPixelSize(9);
        p.setFont(font);
        p.setPen(CurveRed);
        p.drawText(QRectF(8, 4, 8, 12), Qt::AlignCenter, QStringLiteral("a"));
    });
}

QIcon Copy()
{
    return Painted([](QPainter &p) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5, 1.5, 8, 10));
        p.drawRect(QRectF(6.5, 4.5, 8, 10));
        p.setPen(QPen(Navy, 1));
        for (double y : {7.5, 9.5, 11.5})
            p.drawLine(QPointF(8, y), QPointF(13, y));
    });
}

QIcon Paste()
{
    return Painted([](QPainter &p) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(160, 110, 50));
        p.drawRect(QRectF(1.5, 2.5, 10, 12)); // the clipboard
        p.setBrush(QColor(192, 192, 192));
        p.drawRect(QRectF(4.5, 0.5, 4, 3)); // its clip
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 6.5, 8, 9)); // the sheet laid on it
        p.setPen(QPen(Navy, 1));
        for (double y : {9.5, 11.5, 13.5})
            p.drawLine(QPointF(8, y), QPointF(13, y));
    });
}

QIcon Cut()
{
    return Painted([](QPainter &p) {
        p.setPen(QPen(QColor(96, 96, 96), 1.2));
        p.drawLine(QPointF(4, 1), QPointF(10, 10));
        p.drawLine(QPointF(12, 1), QPointF(6, 10));
        p.setPen(QPen(Qt::black, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(2, 10, 4, 4));
        p.drawEllipse(QRectF(10, 10, 4, 4));
    });
}

QIcon Delete()
{
    return Painted([](QPainter &p) {
        p.setPen(QPen(CurveRed, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    });
}

QIcon Alignment(Qt::Alignment alignment)
{
    return Painted([alignment](QPainter &p) {
        const int widths[] = {14, 9, 12, 7};
        for (int row = 0; row < 4; ++row) {
            const int w = widths[row];
            const int x = alignment == Qt::AlignLeft ? 1
                : alignment == Qt::AlignRight        ? 15 - w
                                                     : (16 - w) / 2;
            p.fillRect(QRectF(x, 2 + row * 3, w, 2), Qt::black);
        }
    });
}

QPixmap Report()
{
    QPixmap pixmap(30, 30);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    const int heights[] = {6, 14, 22, 14, 6};
    for (int i = 0; i < 5; ++i)
        p.fillRect(QRect(3 + i * 5, 28 - heights[i], 5, heights[i]),
                   i == 2 ? Qt::blue : Qt::darkCyan);
    p.drawLine(1, 28, 29, 28);
    QPainterPath curve;
    curve.moveTo(1, 27);
    curve.cubicTo(10, 26, 11, 2, 15, 2);
    curve.cubicTo(19, 2, 20, 26, 29, 27);
    p.setPen(QPen(Qt::red, 1.5));
    p.drawPath(curve);
    return pixmap;
}

QIcon Leave()
{
    return Painted([](QPainter &p) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(120, 70, 30));
        p.drawRect(QRectF(1.5, 1.5, 8, 13));
        p.setBrush(QColor(200, 150, 80));
        p.drawPolygon(QPolygonF() << QPointF(1.5, 1.5) << QPointF(5.5, 3.5) << QPointF(5.5, 14.5)
                                  << QPointF(1.5, 14.5));
        p.setPen(QPen(Qt::darkGreen, 2));
        p.drawLine(QPointF(8, 8), QPointF(15, 8));
        p.drawLine(QPointF(12, 5), QPointF(15, 8));
        p.drawLine(QPointF(12, 11), QPointF(15, 8));
    });
}

} // namespace Pictures
