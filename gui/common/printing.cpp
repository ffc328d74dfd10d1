#include "gui/common/printing.h"

#include "gui/common/prompts.h"
#include "gui/common/translations.h"

#include "core/files/safewrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <cmath>

namespace {

QPrinter *TheProgramPrinter = nullptr;

void DeleteProgramPrinter()
{
    delete TheProgramPrinter;
    TheProgramPrinter = nullptr;
}

// Window fonts are sized in logical pixels of a 96 dpi screen; the printer
// counts its own, far smaller pixels. Points mean the same on both.
QFont PrinterFont(const QFont &font)
{
    QFont scaled = font;
    if (font.pixelSize() > 0)
        scaled.setPointSizeF(font.pixelSize() * 72.0 / 96.0);
    return scaled;
}

// A printer whose job could not start (no such printer, no print service)
// can stay marked as printing although nothing paints on it; it then refuses
// every later job and every change of its settings. A fresh printer with the
// same settings takes its place.
bool Stuck(const QPrinter &printer)
{
    return printer.printerState() == QPrinter::Active && !printer.paintingActive();
}

// Paper margins until the user sets others. A printer that cannot print so
// close to the edge keeps its own, larger minimum.
constexpr qreal DefaultMarginMm = 15;

QPrinter *Renewed(const QPrinter &old)
{
    auto *printer = new QPrinter(QPrinter::HighResolution);
    printer->setOutputFormat(old.outputFormat());
    if (old.outputFormat() == QPrinter::NativeFormat)
        printer->setPrinterName(old.printerName());
    else
        printer->setOutputFileName(old.outputFileName());
    printer->setPageLayout(old.pageLayout());
    printer->setPageOrder(old.pageOrder());
    printer->setPaperSource(old.paperSource());
    printer->setCopyCount(old.copyCount());
    printer->setCollateCopies(old.collateCopies());
    printer->setDuplex(old.duplex());
    printer->setColorMode(old.colorMode());
    printer->setFullPage(old.fullPage());
    printer->setFontEmbeddingEnabled(old.fontEmbeddingEnabled());
    return printer;
}

} // namespace

QPrinter &ProgramPrinter()
{
    if (!TheProgramPrinter) {
        TheProgramPrinter = new QPrinter(QPrinter::HighResolution);
        const QMarginsF margins(DefaultMarginMm, DefaultMarginMm, DefaultMarginMm, DefaultMarginMm);
        TheProgramPrinter->setPageMargins(margins, QPageLayout::Millimeter);
        // Gone with the application object, before the print system is.
        qAddPostRoutine(DeleteProgramPrinter);
    } else if (Stuck(*TheProgramPrinter)) {
        QPrinter *stuck = TheProgramPrinter;
        TheProgramPrinter = Renewed(*stuck);
        delete stuck;
    }
    return *TheProgramPrinter;
}

bool PrinterReady(QWidget *parent, QPrinter &printer)
{
    if (printer.outputFormat() == QPrinter::NativeFormat && !printer.printerName().isEmpty()
        && QPrinterInfo::availablePrinterNames().contains(printer.printerName()))
        return true;
    return AskPrinter(parent, printer);
}

bool AskPrinter(QWidget *parent, QPrinter &printer)
{
    if (!Prompts::current().printDialog(parent, printer))
        return false;
    // Printing to a file replaces what is there: only a regular file or a new
    // name, as for every file the program writes.
    const QString file = printer.outputFileName();
    if (printer.outputFormat() != QPrinter::PdfFormat || file.isEmpty())
        return true;
    const FilePlace place = ExaminePlace(QFile::encodeName(file).toStdString());
    if (place.problem == PlaceProblem::None)
        return true;
    Prompts::current().message(
        QCoreApplication::translate("Printing", "Cannot print to the file \"%1\": %2")
            .arg(QDir::toNativeSeparators(file),
                 QString::fromStdString(PlaceProblemText(place, CoreTranslator()))));
    return false;
}

struct PrinterTextChannel::State
{
    explicit State(QPrinter &p)
        : printer(p)
    { }

    QPrinter &printer;
    QPainter painter;
    QFont font = QGuiApplication::font();
    bool open = false;
    int width = 0; // printable page, printer pixels
    int height = 0;
    qreal x = 0;          // where the next text goes
    int y = 0;            // top of the current line
    int tallest = 0;      // height of the tallest text drawn on the current line
    qreal rowStart = 0;   // x where the current printed line began
    qreal textStart = -1; // x of the line's first non-blank character, -1 before it
    int pages = 0;
    // A line end at the foot of a page moves to the next page, but the sheet is
    // only begun when something follows, so a report that fills its last page
    // exactly does not end with a blank one.
    bool pageDue = false;

    QFontMetrics metrics() const { return painter.fontMetrics(); }
    // Positions along the line keep fractions, so that eight characters of a
    // fixed-pitch font end exactly on a tab stop.
    QFontMetricsF fineMetrics() const { return QFontMetricsF(painter.font(), painter.device()); }

    // The line that moved to the due page keeps its place on it.
    void beginDuePage()
    {
        if (pageDue) {
            pageDue = false;
            printer.newPage();
            ++pages;
        }
    }

    void newPage()
    {
        beginDuePage();
        printer.newPage();
        ++pages;
        x = 0;
        y = 0;
        tallest = 0;
        rowStart = 0;
        textStart = -1;
    }

    // Where the rest of a split line goes: two characters in from the line's
    // own indent, but never past the middle of the page.
    qreal continuation() const
    {
        const qreal indent = std::max<qreal>(0, textStart) + 2 * fineMetrics().averageCharWidth();
        return std::min<qreal>(indent, width / 2);
    }

    // wrapped: the same line of text goes on, split because it did not fit.
    void newLine(bool wrapped = false)
    {
        beginDuePage();
        const int advance = tallest > 0 ? tallest + 2 : metrics().height();
        y += advance;
        tallest = 0;
        if (y > height - 2 * advance) {
            y = 0;
            pageDue = true;
        }
        if (!wrapped)
            textStart = -1;
        x = wrapped ? continuation() : 0;
        rowStart = x;
    }

    void tab()
    {
        beginDuePage();
        const qreal stop = std::max<qreal>(1, 8 * fineMetrics().averageCharWidth());
        const qreal next = (std::floor(x / stop + 1e-6) + 1) * stop;
        if (next > width)
            newLine(true);
        else
            x = next;
    }

    // The number of leading characters of text that fit in room, never
    // splitting a surrogate pair.
    qsizetype fitting(const QString &text, qreal room) const
    {
        const QFontMetricsF fm = fineMetrics();
        room += 1e-6;
        qsizetype low = 0;            // fits
        qsizetype high = text.size(); // candidate
        if (fm.horizontalAdvance(text) <= room)
            return text.size();
        while (high - low > 1) {
            const qsizetype mid = (low + high) / 2;
            if (fm.horizontalAdvance(text.left(mid)) <= room)
                low = mid;
            else
                high = mid;
        }
        if (low > 0 && low < text.size() && text.at(low - 1).isHighSurrogate())
            --low;
        return low;
    }

    void draw(QString run)
    {
        while (!run.isEmpty()) {
            beginDuePage();
            qsizetype count = fitting(run, width - x);
            if (count == 0) {
                if (x > rowStart) {
                    newLine(true);
                    continue;
                }
                // Not even one character fits on an empty line: print it anyway
                // rather than loop for ever.
                count = (run.size() > 1 && run.at(0).isHighSurrogate()) ? 2 : 1;
            }
            const QString part = run.left(count);
            if (textStart < 0) {
                qsizetype blanks = 0;
                while (blanks < part.size() && part.at(blanks) == u' ')
                    ++blanks;
                if (blanks < part.size())
                    textStart = x + fineMetrics().horizontalAdvance(part.left(blanks));
            }
            const QFontMetrics fm = metrics();
            painter.drawText(QPointF(x, y + fm.ascent()), part);
            x += fineMetrics().horizontalAdvance(part);
            tallest = std::max(tallest, fm.height());
            run.remove(0, count);
            if (!run.isEmpty())
                newLine(true);
        }
    }
};

PrinterTextChannel::PrinterTextChannel(QPrinter &printer)
    : d(std::make_unique<State>(printer))
{ }

PrinterTextChannel::~PrinterTextChannel()
{
    close();
}

bool PrinterTextChannel::open(const QString &jobTitle)
{
    if (d->open)
        return true;
    d->printer.setDocName(jobTitle);
    if (!d->painter.begin(&d->printer))
        return false;
    const QRect page = d->printer.pageLayout().paintRectPixels(d->printer.resolution());
    d->width = page.width();
    d->height = page.height();
    d->painter.setFont(PrinterFont(d->font));
    d->painter.setPen(Qt::black);
    d->open = true;
    d->x = d->y = d->tallest = 0;
    d->rowStart = 0;
    d->textStart = -1;
    d->pages = 1;
    d->pageDue = false;
    return true;
}

bool PrinterTextChannel::isOpen() const
{
    return d->open;
}

void PrinterTextChannel::setFont(const QFont &font)
{
    d->font = font;
    if (d->open)
        d->painter.setFont(PrinterFont(font));
}

void PrinterTextChannel::write(const QString &text)
{
    if (!d->open)
        return;
    qsizetype start = 0;
    auto flush = [&](qsizetype end) {
        if (end > start)
            d->draw(text.mid(start, end - start));
        start = end + 1;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        switch (text.at(i).unicode()) {
        case u'\n':
            flush(i);
            d->newLine();
            break;
        case u'\r':
            flush(i);
            break;
        case u'\f':
            flush(i);
            d->newPage();
            break;
        case u'\t':
            flush(i);
            d->tab();
            break;
        default:
            break;
        }
    }
    flush(text.size());
}

void PrinterTextChannel::writeLine(const QString &text)
{
    write(text);
    write(QStringLiteral("\n"));
}

void PrinterTextChannel::close()
{
    if (!d->open)
        return;
    d->painter.end();
    d->open = false;
}

int PrinterTextChannel::pageCount() const
{
    return d->pages;
}
