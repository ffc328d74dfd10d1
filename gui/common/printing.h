#pragma once
// The program-wide printer and the printer text channel.

#include <QFont>
#include <QPainter>
#include <QString>
#include <memory>

class QPrinter;
class QWidget;

// The printer every print command uses; its settings carry from one print
// to the next, as the print and printer set-up dialogs leave them. Ask for it
// afresh in every command: a printer left unusable by a job that could not
// start is replaced by a new one with the same settings.
QPrinter &ProgramPrinter();

// Commands that print without a print dialog ask this first. An installed
// printer takes the job at once. Otherwise (no printer on this machine, or
// output to a file, whose name is asked afresh every time so that an earlier
// file is never overwritten unseen) the print dialog decides; false means the
// user cancelled it or the file chosen was refused (see AskPrinter).
bool PrinterReady(QWidget *parent, QPrinter &printer);

// The print dialog; false when the user cancelled it, or when output goes to
// a file that may not be replaced (it is, or links to, anything but a
// regular file or a new name, or it is read-only), which the user is told.
bool AskPrinter(QWidget *parent, QPrinter &printer);

// Plain text printed line by line, as a text file written to the printer.
//
// open() begins a print job. Text is drawn with the current font from the
// top-left corner of the printable page. A line end moves to the start of the
// next line: the advance is the height of the tallest text drawn on the line
// plus 2 printer pixels, or the font's height for an empty line. Text that does
// not fit in the rest of the line is split, the rest continuing on the next
// line, indented two average character widths beyond the line's own indent so
// that it cannot be taken for a line of its own. A new page begins when the next line would pass
// the page height less twice the line advance, and at a form feed; a lone CR is ignored; a tab
// moves to the next stop, one every eight average character widths. A page that a line end begins
// stays unprinted until text follows, so output that fills its last page exactly ends without a
// blank sheet. close() ends the job, and so does the destructor.
class PrinterTextChannel
{
public:
    explicit PrinterTextChannel(QPrinter &printer);
    ~PrinterTextChannel();
    PrinterTextChannel(const PrinterTextChannel &) = delete;
    PrinterTextChannel &operator=(const PrinterTextChannel &) = delete;

    bool open(const QString &jobTitle = QString());
    bool isOpen() const;
    void setFont(const QFont &font); // a font of pixel size is scaled to the printer
    void write(const QString &text); // "\r\n" and "\n" end lines, "\f" ends pages
    void writeLine(const QString &text = QString());
    void close();

    int pageCount() const;

private:
    struct State;
    std::unique_ptr<State> d;
};
