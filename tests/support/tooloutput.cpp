#include "tooloutput.h"

#include <QProcess>
#include <QRegularExpression>

QString ToolOutput(const QString &program, const QStringList &arguments, bool *ok)
{
    QProcess process;
    process.start(program, arguments);
    const bool ran = process.waitForFinished(30000) && process.exitCode() == 0;
    if (ok)
        *ok = ran;
    return ran ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}

int PdfPages(const QString &file)
{
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                                          .match(ToolOutput(QStringLiteral("pdfinfo"), {file}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}
