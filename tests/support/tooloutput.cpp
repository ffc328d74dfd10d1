#include "tooloutput.h"

#include <QProcess>

QString ToolOutput(const QString &program, const QStringList &arguments, bool *ok)
{
    QProcess process;
    process.start(program, arguments);
    const bool ran = process.waitForFinished(30000) && process.exitCode() == 0;
    if (ok)
        *ok = ran;
    return ran ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}
