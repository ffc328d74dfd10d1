#include "gui/common/pictures.h"

#include <QPainter>
#include <QSvgRenderer>

// The pictures live in a resource file of this static library; nothing else
// in the library refers to it, so it is registered by hand before first use.
static void RegisterPictures()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace {

// The picture of :/icons/name.svg drawn at width by height.
QPixmap Drawn(const QString &name, int width, int height)
{
    RegisterPictures();
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QSvgRenderer svg(QStringLiteral(":/icons/%1.svg").arg(name));
    Q_ASSERT_X(svg.isValid(), "Pictures", qPrintable(name));
    QPainter painter(&pixmap);
    svg.render(&painter);
    return pixmap;
}

// Tool-button pictures are drawn on a 16 by 16 grid; the icon carries the
// picture at that size and at twice it for dense screens.
QIcon ToolPicture(const QString &name)
{
    QIcon icon;
    for (int size : {16, 32})
        icon.addPixmap(Drawn(name, size, size));
    return icon;
}

} // namespace

namespace Pictures {

QPixmap ProgramPicture(int width, int height)
{
    return Drawn(QStringLiteral("program"), width, height);
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
    return ToolPicture(QStringLiteral("new-file"));
}
QIcon OpenFile()
{
    return ToolPicture(QStringLiteral("open-file"));
}
QIcon Histogram()
{
    return ToolPicture(QStringLiteral("histogram"));
}
QIcon NormalCurve()
{
    return ToolPicture(QStringLiteral("normal-curve"));
}
QIcon ChiSquared()
{
    return ToolPicture(QStringLiteral("chi-squared"));
}
QIcon StudentT()
{
    return ToolPicture(QStringLiteral("student-t"));
}
QIcon FRatio()
{
    return ToolPicture(QStringLiteral("f-ratio"));
}
QIcon Binomial()
{
    return ToolPicture(QStringLiteral("binomial"));
}
QIcon Poisson()
{
    return ToolPicture(QStringLiteral("poisson"));
}
QIcon Help()
{
    return ToolPicture(QStringLiteral("help"));
}

QIcon Print()
{
    return ToolPicture(QStringLiteral("print"));
}
QIcon Font()
{
    return ToolPicture(QStringLiteral("font"));
}
QIcon Copy()
{
    return ToolPicture(QStringLiteral("copy"));
}
QIcon Paste()
{
    return ToolPicture(QStringLiteral("paste"));
}
QIcon Cut()
{
    return ToolPicture(QStringLiteral("cut"));
}
QIcon Delete()
{
    return ToolPicture(QStringLiteral("delete"));
}

QIcon Alignment(Qt::Alignment alignment)
{
    if (alignment == Qt::AlignLeft)
        return ToolPicture(QStringLiteral("align-left"));
    if (alignment == Qt::AlignRight)
        return ToolPicture(QStringLiteral("align-right"));
    return ToolPicture(QStringLiteral("align-center"));
}

QPixmap Report()
{
    return Drawn(QStringLiteral("report"), 30, 30);
}

QIcon Leave()
{
    return ToolPicture(QStringLiteral("leave"));
}

} // namespace Pictures
