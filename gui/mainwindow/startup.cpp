#include "gui/mainwindow/startup.h"

#include "gui/common/help.h"
#include "gui/common/prompts.h"
#include "gui/mainwindow/aboutdialog.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

namespace {

// Sends the splash away at the first click on it or key pressed in it.
class SplashDismisser : public QObject
{
public:
    explicit SplashDismisser(QWidget *splash)
        : QObject(splash)
        , m_splash(splash)
    {
        splash->installEventFilter(this);
        for (QWidget *child : splash->findChildren<QWidget *>())
            child->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress) {
            m_splash->close();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_splash;
};

} // namespace

void PrepareApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Mervan"));
    SetApplicationHelpFile(QStringLiteral("Mervan.hlp"));
    if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance()))
        InstallHelpKeys(*app);
}

QWidget *ShowSplash(QWidget *window, int milliseconds)
{
    auto *splash = new AboutDialog(window);
    splash->setObjectName(QStringLiteral("splash"));
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->setAttribute(Qt::WA_ShowWithoutActivating);
    splash->setModal(false);
    new SplashDismisser(splash);
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, splash, &QWidget::close);
    splash->show();
    return splash;
}
