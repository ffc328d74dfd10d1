#include "shellfixture.h"

#include "gui/mainwindow/startup.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
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

QAction *Action(const QObject *window, const char *name)
{
    auto *action = window->findChild<QAction *>(QString::fromLatin1(name));
    if (!action)
        QTest::qFail(qPrintable(QStringLiteral("no action %1").arg(QString::fromLatin1(name))),
                     __FILE__, __LINE__);
    return action;
}

QToolButton *ToolButtonFor(const QMainWindow *window, QAction *action)
{
    for (QToolBar *bar : window->findChildren<QToolBar *>()) {
        if (auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(action)))
            return button;
    }
    return nullptr;
}
