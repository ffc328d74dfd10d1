#include "gui/editor/editorprint.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

EditorPrintLayout MakeEditorPrintLayout(int screenDpi, int points, int printerDpi, int pageHeight)
{
    EditorPrintLayout layout;
    layout.left = screenDpi;
    // Points are 1/72 inch; to the nearest device unit (10 pt at 600 dpi: 83).
    const long double height = std::abs(static_cast<long double>(points)) * printerDpi / 72.0L;
    layout.lineHeight = height > pageHeight ? pageHeight + 1 : static_cast<int>(std::lrint(height));
    layout.linesPerPage = layout.lineHeight > 0 ? pageHeight / layout.lineHeight : 0;
    return layout;
}

namespace {

// One editor print job at a time: events run while printing, and a second
// Print would start another job on the same printer.
bool PrintRunning = false;

class RunningFlag
{
public:
    RunningFlag() { PrintRunning = true; }
    ~RunningFlag() { PrintRunning = false; }
    RunningFlag(const RunningFlag &) = delete;
    RunningFlag &operator=(const RunningFlag &) = delete;
};

bool Aborted(const QPrinter &printer)
{
    return printer.printerState() == QPrinter::Aborted;
}

} // namespace

EditorPrintResult PrintEditorText(QPrinter &printer, const EditorPrintJob &job, int *pages)
{
    if (pages)
        *pages = 0;
    if (job.lines.isEmpty())
        return EditorPrintResult::NothingToPrint;
    if (PrintRunning)
        return EditorPrintResult::Busy;

    const int pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    const EditorPrintLayout layout
        = MakeEditorPrintLayout(job.screenDpi, job.points, printer.resolution(), pageHeight);
    // Checked before the job starts, so that no empty job reaches the printer.
    if (layout.linesPerPage < 1)
        return EditorPrintResult::FontUnusable;

    RunningFlag running;
    printer.setDocName(job.title);
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (printer.outputFormat() == QPrinter::NativeFormat && printer.printerName().isEmpty())
            throw std::runtime_error("There is no default printer currently selected");
        throw std::runtime_error("The printer could not start the print job.");
    }
    int begun = 1;

    QFont font = job.font;
    font.setPixelSize(layout.lineHeight);
    painter.setFont(font);
    painter.setPen(job.colour);
    const int width = printer.pageLayout().paintRectPixels(printer.resolution()).width();
    const int flags
        = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextExpandTabs | Qt::TextDontClip;

    qsizetype index = 0;
    const qsizetype count = job.lines.size();
    while (index < count && !Aborted(printer)) {
        int y = 0;
        for (int onPage = 0; onPage < layout.linesPerPage && index < count && !Aborted(printer);
             ++onPage) {
            const QString &line = job.lines.at(index);
            if (!line.isEmpty())
                painter.drawText(
                    QRect(layout.left, y, std::max(1, width - layout.left), layout.lineHeight),
                    flags, line);
            y += layout.lineHeight;
            ++index;
            QCoreApplication::processEvents();
        }
        if (index < count && !Aborted(printer)) {
            if (!printer.newPage()) {
                painter.end();
                throw std::runtime_error("The printer could not start a new page.");
            }
            ++begun;
        }
    }
    if (!painter.end() && !Aborted(printer))
        throw std::runtime_error("The printer could not finish the print job.");
    if (pages)
        *pages = begun;
    return EditorPrintResult::Printed;
}
