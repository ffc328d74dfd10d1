#include "shellfixture.h"

#include "gui/mainwindow/startup.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QTimer>
#include <QWidget>

QStringList RunDismissingModals(const std::function<void()> &command, int limit)
{
    QStringList captions;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        captions << modal->windowTitle();
        if (captions.size() > limit)
            poll.stop(); // the test sees the surplus; ctest's time limit ends it
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
    });
    poll.start();
    command();
    poll.stop();
    return captions;
}

QString ExpectedProgramHelpFile()
{
    return QDir::cleanPath(ProgramHelpFile(QCoreApplication::applicationFilePath()));
}
