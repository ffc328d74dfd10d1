// Mervan: the windowed program.

#include "gui/common/errorbox.h"
#include "gui/common/translations.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/mainwindow/startup.h"

#include <QGuiApplication>

int main(int argc, char **argv)
{
    MervanApplication app(argc, argv);
    // Where the settings live (~/.config/mervan_stats/Mervan.conf) and the
    // desktop entry the window belongs to.
    QCoreApplication::setOrganizationName(QStringLiteral("mervan_stats"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.mervan_stats.mervan"));
    InstallTranslators();
    PrepareApplication();
    auto *window = new MainWindow;
    // Closing the main window ends the program, whatever else is open.
    window->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(window, &QObject::destroyed, &app, &QCoreApplication::quit);
    if (!window->restorePlace())
        window->placeOnScreen();
    window->show();
    ShowSplash(window);
    // mervan FILE...: each file in an editor window, once the window is up.
    const QStringList files = QCoreApplication::arguments().mid(1);
    if (!files.isEmpty())
        QMetaObject::invokeMethod(
            window, [window, files] { window->openFiles(files); }, Qt::QueuedConnection);
    return app.exec();
}
