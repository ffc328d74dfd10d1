#include "gui/editor/editorprint.h"

#include "gui/common/printing.h"

#include <QCoreApplication>
#include <QFontMetricsF>
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

// A piece of text and where it starts, right of the line's left offset.
struct Piece
{
    qreal x;
    QString text;
};
using Row = QList<Piece>;

// How many leading characters of text fit in room, never splitting a
// surrogate pair; at least one when fitAny, so every row makes progress.
qsizetype Fitting(const QFontMetricsF &fm, const QString &text, qreal room, bool fitAny)
{
    qsizetype low = 0;
    qsizetype high = text.size() + 1;
    while (high - low > 1) { // text.left(low) fits, text.left(high) does not
        const qsizetype mid = (low + high) / 2;
        if (fm.horizontalAdvance(text.left(mid)) <= room + 1e-6)
            low = mid;
        else
            high = mid;
    }
    if (low > 0 && low < text.size() && text.at(low - 1).isHighSurrogate())
        --low;
    if (low == 0 && fitAny && !text.isEmpty())
        low = (text.size() > 1 && text.at(0).isHighSurrogate()) ? 2 : 1;
    return low;
}

// The printed rows of one line of text, width device units wide: tabs expanded
// to stops every tab units, the rest of a line too wide going on in rows that
// begin with the continuation mark, at a field or word boundary where the
// field or word fits on a row.
QList<Row> LayOut(const QString &line, const QFontMetricsF &fm, qreal width, qreal tab)
{
    const QString mark = QString::fromUtf16(ContinuationMark);
    const qreal indent = fm.horizontalAdvance(mark);
    QList<Row> rows{Row()};
    qreal x = 0;
    auto wrap = [&] {
        rows.append(Row{Piece{0, mark}});
        x = indent;
    };
    const QStringList runs = line.split(QLatin1Char('\t'));
    for (qsizetype i = 0; i < runs.size(); ++i) {
        if (i > 0) {
            const qreal next = (std::floor(x / tab + 1e-6) + 1) * tab;
            if (next > width)
                wrap();
            else
                x = next;
        }
        QString run = runs.at(i);
        while (!run.isEmpty()) {
            const bool rowHasText = rows.last().size() > (rows.size() > 1 ? 1 : 0);
            qsizetype count = Fitting(fm, run, width - x, !rowHasText);
            // A field (between tabs) or a word is not split across rows
            // when it fits whole on the next one: numbers stay readable.
            if (count < run.size()) {
                const qsizetype blank = run.lastIndexOf(QLatin1Char(' '), count);
                const qsizetype word = run.indexOf(QLatin1Char(' '), blank + 1);
                const QString whole = run.mid(blank + 1, word < 0 ? -1 : word - blank - 1);
                const bool fitsNext = fm.horizontalAdvance(whole) <= width - indent + 1e-6;
                if (blank >= 0 && fitsNext)
                    count = blank + 1;
                else if (rowHasText && fitsNext)
                    count = 0;
            }
            if (count == 0) {
                wrap();
                continue;
            }
            const QString part = run.left(count);
            rows.last().append({x, part});
            x += fm.horizontalAdvance(part);
            run.remove(0, count);
            if (!run.isEmpty())
                wrap();
        }
    }
    return rows;
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

    if (!PrinterReady(job.window, printer))
        return EditorPrintResult::Cancelled;

    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const EditorPrintLayout layout
        = MakeEditorPrintLayout(job.screenDpi, job.points, printer.resolution(), page.height());
    // Checked before the job starts, so that no empty job reaches the printer.
    if (layout.linesPerPage < 1)
        return EditorPrintResult::FontUnusable;

    RunningFlag running;
    printer.setDocName(job.title);
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (printer.outputFormat() == QPrinter::NativeFormat && printer.printerName().isEmpty())
            throw std::runtime_error(
                QCoreApplication::translate("EditorPrint",
                                            "There is no default printer currently selected")
                    .toStdString());
        throw std::runtime_error(
            QCoreApplication::translate("EditorPrint", "The printer could not start the print job.")
                .toStdString());
    }
    int begun = 1;

    QFont font = job.font;
    font.setPixelSize(layout.lineHeight);
    painter.setFont(font);
    painter.setPen(job.colour);
    const QFontMetricsF metrics(painter.font(), &printer);
    const qreal width = std::max(1, page.width() - layout.left);
    // The font has the same size in points on screen and on paper, so the
    // screen's tab stops scale with the resolution.
    const qreal tab
        = std::max<qreal>(1, job.tabStop * printer.resolution() / std::max(1, job.screenDpi));
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;

    int y = 0;
    int onPage = 0;
    for (qsizetype index = 0; index < job.lines.size() && !Aborted(printer); ++index) {
        for (const Row &row : LayOut(job.lines.at(index), metrics, width, tab)) {
            if (onPage == layout.linesPerPage) {
                if (!printer.newPage()) {
                    painter.end();
                    throw std::runtime_error(
                        QCoreApplication::translate("EditorPrint",
                                                    "The printer could not start a new page.")
                            .toStdString());
                }
                ++begun;
                y = 0;
                onPage = 0;
            }
            for (const Piece &piece : row)
                painter.drawText(QRectF(layout.left + piece.x, y, width, layout.lineHeight), flags,
                                 piece.text);
            y += layout.lineHeight;
            ++onPage;
        }
        QCoreApplication::processEvents();
    }
    if (!painter.end() && !Aborted(printer))
        throw std::runtime_error(QCoreApplication::translate(
                                     "EditorPrint", "The printer could not finish the print job.")
                                     .toStdString());
    if (pages)
        *pages = begun;
    return EditorPrintResult::Printed;
}
