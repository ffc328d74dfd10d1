#pragma once
// Printing an editor window's text: page after page of its lines, each at the
// same left offset, one line height apart, without header or footer. Tabs go to
// the screen's tab stops; a line too wide for the page goes on over continuation
// lines that begin with a mark, so nothing is cut off.

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

// Layout of one print job, in printer device units.
struct EditorPrintLayout
{
    int left = 0;         // x of every line: the screen's pixels per inch, used as device units
    int lineHeight = 0;   // the font's size on the printer
    int linesPerPage = 0; // whole lines that fit in the printable height
};

// points: the editor's font size (its absolute value counts); printerDpi: the
// printer's vertical resolution; pageHeight: the printable height in device units.
EditorPrintLayout MakeEditorPrintLayout(int screenDpi, int points, int printerDpi, int pageHeight);

struct EditorPrintJob
{
    QString title;   // the print job's name: the window's caption
    QFont font;      // the editor's font; its size is replaced by the line height
    int points = 10; // the editor's font size in points
    QColor colour = Qt::black;
    int screenDpi = 96;
    qreal tabStop = 80;        // the screen's tab stop distance, in screen pixels
    QWidget *window = nullptr; // parent of the print dialog, when one is needed
    QStringList lines;
};

// Begins each continuation line of a line too wide for the page.
inline constexpr char16_t ContinuationMark[] = u"\u00bb ";

enum class EditorPrintResult {
    Printed,        // pages went to the printer
    NothingToPrint, // the text has no line
    FontUnusable,   // the line height is 0 or taller than the page: no line fits
    Busy,           // another editor print job is still running
    Cancelled,      // the print dialog, needed for want of a printer, was cancelled
};

// Prints job on printer; where no installed printer can take it at once, the
// print dialog asks first (PrinterReady). Between lines pending events run, so the program stays
// responsive; the job's data is its own, so a window closing meanwhile does no
// harm. Throws std::runtime_error when the printer cannot start or continue.
// pages, when given, receives the number of pages begun.
EditorPrintResult PrintEditorText(QPrinter &printer, const EditorPrintJob &job,
                                  int *pages = nullptr);
