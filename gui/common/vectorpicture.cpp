#include "gui/common/vectorpicture.h"

#include "core/files/safewrite.h"

#include "gui/common/clipboard.h"
#include "gui/common/fonts.h"
#include "gui/common/printing.h"
#include "gui/common/prompts.h"
#include "gui/common/translations.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QSvgGenerator>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

namespace {

QString Extension(const QString &path)
{
    return QFileInfo(path).suffix().toLower();
}

// The drawing scaled from its logical size into target, proportions kept.
void DrawScaled(QPainter &painter, const VectorDrawing &drawing, const QSizeF &logical,
                const QRectF &target)
{
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / logical.width(), target.height() / logical.height());
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    drawing(painter, QRectF(QPointF(0, 0), logical));
    painter.restore();
}

// Paints drawing on device (an SVG generator or a PDF writer that the caller
// has set up for area) and ends the painting.
bool PaintOn(QPaintDevice &device, const VectorDrawing &drawing, const QRectF &area)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.fillRect(area, PaperStyle().background);
    DrawScaled(painter, drawing, area.size(), area);
    return painter.end();
}

// The file's bytes, made in memory so that nothing reaches the disk unless
// the whole picture was made.
bool Encode(const VectorDrawing &drawing, const QSizeF &size, const QString &kind,
            QByteArray &bytes, QString &error)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QRectF area(QPointF(0, 0), size);
    bool made = false;
    if (kind == QLatin1String("png")) {
        QImageWriter writer(&buffer, "png");
        made = writer.write(RenderPicture(drawing, size));
        if (!made)
            error = writer.errorString();
    } else if (kind == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size.toSize());
        svg.setViewBox(area);
        svg.setTitle(QStringLiteral("Mervan"));
        made = PaintOn(svg, drawing, area);
    } else {
        // One page exactly the picture's size, a point to a device unit.
        QPdfWriter pdf(&buffer);
        pdf.setCreator(QStringLiteral("Mervan"));
        pdf.setResolution(72);
        pdf.setPageSize(QPageSize(size, QPageSize::Point, QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        made = PaintOn(pdf, drawing, area);
    }
    if (made && bytes.isEmpty())
        made = false;
    if (!made && error.isEmpty())
        error = QCoreApplication::translate("VectorPicture", "The picture could not be drawn.");
    return made;
}

// Where the drawing is shown: drawn anew into the whole widget at every paint,
// so at the screen's own resolution, in the widget's colours and zoom.
class PictureCanvas : public QWidget
{
public:
    explicit PictureCanvas(const VectorDrawing &drawing, QWidget *parent)
        : QWidget(parent)
        , m_drawing(drawing)
    {
        setObjectName(QStringLiteral("PictureCanvas"));
        setMinimumSize(150, 120);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        // Reached by Tab too, so that a screen reader reads its description;
        // a frame in the highlight colour shows the focus.
        setFocusPolicy(Qt::StrongFocus);
        // The drawings write in the application's font, as on paper, not
        // in the font of the window the panel stands in.
        FollowZoom(this, QFont());
    }

    PictureStyle style() const { return ScreenStyle(palette(), ZoomPercentOf(this) / 100.0); }

protected:
    void changeEvent(QEvent *event) override
    {
        // A new zoom comes with a new font.
        if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
            update();
        QWidget::changeEvent(event);
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), style().background);
        if (!m_drawing)
            return;
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        m_drawing(painter, QRectF(rect()));
        if (hasFocus()) {
            painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
        }
    }

private:
    const VectorDrawing &m_drawing;
};

// Relative luminance after WCAG 2: the sRGB channels made linear.
double Luminance(const QColor &colour)
{
    const auto linear
        = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
        + 0.0722 * linear(colour.blueF());
}

// a and b mixed, share parts of b.
QColor Mixed(const QColor &a, const QColor &b, double share)
{
    const auto mix = [share](double x, double y) { return x + (y - x) * share; };
    return QColor::fromRgbF(mix(a.redF(), b.redF()), mix(a.greenF(), b.greenF()),
                            mix(a.blueF(), b.blueF()), mix(a.alphaF(), b.alphaF()));
}

bool Dark(const QColor &colour)
{
    return Luminance(colour) < 0.18;
}

QPushButton *Button(QWidget *parent, const QString &name, const QString &caption,
                    const QString &hint)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setAutoDefault(false);
    return button;
}

} // namespace

PictureStyle PaperStyle()
{
    PictureStyle style;
    style.background = Qt::white;
    style.ink = Qt::black;
    style.faint = QColor(225, 225, 225);
    style.fill = QColor(214, 160, 160);
    style.edge = QColor(128, 0, 0);
    style.curve = QColor(0, 0, 255);
    style.shade = QColor(70, 130, 200, 110);
    style.mark = QColor(180, 30, 30);
    style.muted = QColor(150, 170, 200);
    return style;
}

PictureStyle ScreenStyle(const QPalette &palette, double zoom)
{
    // The paper's hues, made to stand out from the palette's base: on a dark
    // base the lines grow light and the fills dark.
    const PictureStyle paper = PaperStyle();
    PictureStyle style = paper;
    style.zoom = zoom;
    style.background = palette.color(QPalette::Active, QPalette::Base);
    style.ink = ReadableColour(palette.color(QPalette::Active, QPalette::Text), style.background);
    style.faint = Mixed(style.background, style.ink, 0.15);
    const bool dark = Dark(style.background);
    style.curve
        = ReadableColour(dark ? palette.color(QPalette::Active, QPalette::Highlight) : paper.curve,
                         style.background);
    style.edge = ReadableColour(paper.edge, style.background);
    style.mark = ReadableColour(paper.mark, style.background);
    style.fill = dark ? Mixed(style.background, style.edge, 0.45) : paper.fill;
    style.muted = dark ? Mixed(style.background, paper.muted, 0.45) : paper.muted;
    if (dark) {
        style.shade = style.curve;
        style.shade.setAlpha(90);
    }
    return style;
}

PictureStyle PictureStyleOf(const QPainter &painter)
{
    if (const auto *canvas = dynamic_cast<const PictureCanvas *>(painter.device()))
        return canvas->style();
    return PaperStyle();
}

double ContrastRatio(const QColor &a, const QColor &b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableColour(const QColor &colour, const QColor &background, double ratio)
{
    // Towards white on a dark background, towards black on a light one, in
    // small steps of lightness so that the hue stays.
    const QColor end = Dark(background) ? QColor(Qt::white) : QColor(Qt::black);
    QColor readable = colour;
    for (int step = 1; step <= 20 && ContrastRatio(readable, background) < ratio; ++step)
        readable = Mixed(colour, end, step / 20.0);
    readable.setAlpha(colour.alpha());
    return readable;
}

bool IsPictureFileName(const QString &path)
{
    const QString kind = Extension(path);
    return kind == QLatin1String("png") || kind == QLatin1String("svg")
        || kind == QLatin1String("pdf");
}

QString PictureFileNameProblem(const QString &path)
{
    return QCoreApplication::translate(
               "VectorPicture", "The picture \"%1\" needs a name ending in .png, .svg or .pdf.")
        .arg(path);
}

QImage RenderPicture(const VectorDrawing &drawing, const QSizeF &logicalSize, qreal scale)
{
    QImage image((logicalSize * scale).toSize().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(PaperStyle().background);
    if (drawing && !logicalSize.isEmpty()) {
        QPainter painter(&image);
        DrawScaled(painter, drawing, logicalSize, QRectF(image.rect()));
    }
    return image;
}

bool SavePicture(const VectorDrawing &drawing, const QSizeF &logicalSize, const QString &path,
                 QString &error)
{
    if (!IsPictureFileName(path)) {
        error = PictureFileNameProblem(path);
        return false;
    }
    if (!drawing || logicalSize.isEmpty()) {
        error = QCoreApplication::translate("VectorPicture", "There is no picture to save.");
        return false;
    }
    QByteArray bytes;
    if (!Encode(drawing, logicalSize, Extension(path), bytes, error))
        return false;

    // Only a regular file or a new name is replaced, and only completely,
    // keeping the owner and permissions of the file it replaces.
    const FilePlace place = ExaminePlace(QFile::encodeName(path).toStdString());
    if (place.problem != PlaceProblem::None) {
        error = QString::fromStdString(PlaceProblemText(place, CoreTranslator()));
        return false;
    }
    const int failure = WriteWholeFile(place, [&bytes](const PieceSink &sink) {
        std::string piece(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        return sink(piece);
    });
    if (failure != 0) {
        error = QString::fromLocal8Bit(std::strerror(failure)) + QLatin1Char('.');
        return false;
    }
    return true;
}

PicturePanel::PicturePanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("PicturePanel"));
    m_canvas = new PictureCanvas(m_drawing, this);
    auto *printButton = Button(this, QStringLiteral("PicturePrintBtn"), tr("Print p&icture..."),
                               tr("Print the picture."));
    auto *copyButton = Button(this, QStringLiteral("PictureCopyBtn"), tr("Cop&y picture"),
                              tr("Copy the picture to the clipboard."));
    auto *saveButton = Button(this, QStringLiteral("PictureSaveBtn"), tr("Sa&ve picture..."),
                              tr("Save the picture as PNG, SVG or PDF (Ctrl+S)."));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(printButton);
    buttons->addWidget(copyButton);
    buttons->addWidget(saveButton);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_canvas, 1);
    layout->addLayout(buttons);
    setFocusProxy(m_canvas);

    connect(printButton, &QPushButton::clicked, this, &PicturePanel::print);
    connect(copyButton, &QPushButton::clicked, this, &PicturePanel::copy);
    connect(saveButton, &QPushButton::clicked, this, &PicturePanel::save);
    auto *saveKey = new QShortcut(QKeySequence::Save, this);
    saveKey->setContext(Qt::WidgetWithChildrenShortcut);
    connect(saveKey, &QShortcut::activated, this, &PicturePanel::save);
}

void PicturePanel::setDrawing(VectorDrawing drawing, const QSizeF &logicalSize)
{
    m_drawing = std::move(drawing);
    if (!logicalSize.isEmpty())
        m_logicalSize = logicalSize;
    m_canvas->update();
}

bool PicturePanel::printTo(QPrinter &printer) const
{
    QPainter painter;
    if (!m_drawing || !painter.begin(&printer))
        return false;
    // As large as the page allows, in the picture's own proportions.
    const QRectF page = painter.viewport();
    const QSizeF fitted = m_logicalSize.scaled(page.size(), Qt::KeepAspectRatio);
    DrawScaled(painter, m_drawing, m_logicalSize, QRectF(page.topLeft(), fitted));
    return painter.end() && printer.printerState() != QPrinter::Error;
}

void PicturePanel::print()
{
    QPrinter &printer = ProgramPrinter();
    if (!PrinterReady(this, printer))
        return;
    // Printed to a file, the message says where it went.
    if (printTo(printer))
        Prompts::current().message(
            printer.outputFileName().isEmpty()
                ? tr("Image sent to default printer.")
                : tr("Image written to %1.")
                      .arg(QDir::toNativeSeparators(printer.outputFileName())));
    else
        Prompts::current().message(tr("Sorry, error writing to printer."));
}

void PicturePanel::copy()
{
    CopyImageToClipboard(RenderPicture(m_drawing, m_logicalSize, 2));
    Prompts::current().message(tr("Image is copied to clipboard."));
}

void PicturePanel::save()
{
    FileDialogRequest request;
    request.title = tr("Save Picture As");
    request.fileName = m_suggestedName.isEmpty() ? QStringLiteral("picture.png")
                                                 : m_suggestedName + QStringLiteral(".png");
    request.filters = QStringList{tr("PNG image (*.png)"), tr("SVG drawing (*.svg)"),
                                  tr("PDF document (*.pdf)")};
    request.defaultSuffix = QStringLiteral("png");
    const QString path = Prompts::current().saveFileName(this, request);
    if (path.isEmpty())
        return;
    QString error;
    if (!IsPictureFileName(path))
        Prompts::current().message(PictureFileNameProblem(path));
    else if (!SavePicture(m_drawing, m_logicalSize, path, error))
        Prompts::current().message(tr("Cannot save the picture \"%1\": %2").arg(path, error));
    else
        emit saved(path);
}
