#pragma once
// Running a command-line tool (pdftotext, pdfinfo) from a window test.

#include <QString>
#include <QStringList>

// The tool's standard output as text. When the tool cannot be started, runs
// longer than 30 seconds or exits with an error, the result is empty and *ok
// (if given) is false.
QString ToolOutput(const QString &program, const QStringList &arguments, bool *ok = nullptr);

// The page count pdfinfo reports for a PDF file; -1 when it reports none.
int PdfPages(const QString &file);
