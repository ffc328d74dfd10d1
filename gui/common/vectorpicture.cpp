#include "gui/common/vectorpicture.h"

#include "core/files/safewrite.h"

#include "gui/common/clipboard.h"
#include "gui/common/printing.h"
#include "gui/common/prompts.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QSvgGenerator>
#include <QVBoxLayout>

#include <algorithm>
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
    painter.fillRect(area, Qt::white);
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
        error = QStringLiteral("The picture could not be drawn.");
    return made;
}

// Where the drawing is shown: drawn anew into the whole widget at every paint,
// so at the screen's own resolution.
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
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
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

bool IsPictureFileName(const QString &path)
{
    const QString kind = Extension(path);
    return kind == QLatin1String("png") || kind == QLatin1String("svg")
        || kind == QLatin1String("pdf");
}

QString PictureFileNameProblem(const QString &path)
{
    return QStringLiteral("The picture \"%1\" needs a name ending in .png, .svg or .pdf.")
        .arg(path);
}

QImage RenderPicture(const VectorDrawing &drawing, const QSizeF &logicalSize, qreal scale)
{
    QImage image((logicalSize * scale).toSize().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
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
        error = QStringLiteral("There is no picture to save.");
        return false;
    }
    QByteArray bytes;
    if (!Encode(drawing, logicalSize, Extension(path), bytes, error))
        return false;

    // Only a regular file or a new name is replaced, and only completely,
    // keeping the owner and permissions of the file it replaces.
    const FilePlace place = ExaminePlace(QFile::encodeName(path).toStdString());
    if (place.problem != PlaceProblem::None) {
        error = QString::fromStdString(PlaceProblemText(place));
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
    auto *printButton
        = Button(this, QStringLiteral("PicturePrintBtn"), QStringLiteral("Print p&icture..."),
                 QStringLiteral("Print the picture."));
    auto *copyButton
        = Button(this, QStringLiteral("PictureCopyBtn"), QStringLiteral("Cop&y picture"),
                 QStringLiteral("Copy the picture to the clipboard."));
    auto *saveButton
        = Button(this, QStringLiteral("PictureSaveBtn"), QStringLiteral("Sa&ve picture..."),
                 QStringLiteral("Save the picture as PNG, SVG or PDF (Ctrl+S)."));

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
                ? QStringLiteral("Image sent to default printer.")
                : QStringLiteral("Image written to %1.")
                      .arg(QDir::toNativeSeparators(printer.outputFileName())));
    else
        Prompts::current().message(QStringLiteral("Sorry, error writing to printer."));
}

void PicturePanel::copy()
{
    CopyImageToClipboard(RenderPicture(m_drawing, m_logicalSize, 2));
    Prompts::current().message(QStringLiteral("Image is copied to clipboard."));
}

void PicturePanel::save()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Save Picture As");
    request.fileName = m_suggestedName.isEmpty() ? QStringLiteral("picture.png")
                                                 : m_suggestedName + QStringLiteral(".png");
    request.filters
        = QStringList{QStringLiteral("PNG image (*.png)"), QStringLiteral("SVG drawing (*.svg)"),
                      QStringLiteral("PDF document (*.pdf)")};
    request.defaultSuffix = QStringLiteral("png");
    const QString path = Prompts::current().saveFileName(this, request);
    if (path.isEmpty())
        return;
    QString error;
    if (!IsPictureFileName(path))
        Prompts::current().message(PictureFileNameProblem(path));
    else if (!SavePicture(m_drawing, m_logicalSize, path, error))
        Prompts::current().message(
            QStringLiteral("Cannot save the picture \"%1\": %2").arg(path, error));
    else
        emit saved(path);
}
