// Mervan: the windowed program.

#include "gui/common/errorbox.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/mainwindow/startup.h"

int main(int argc, char **argv)
{
    MervanApplication app(argc, argv);
    PrepareApplication();
    auto *window = new MainWindow;
    // Closing the main window ends the program, whatever else is open.
    window->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(window, &QObject::destroyed, &app, &QCoreApplication::quit);
    window->placeOnScreen();
    window->show();
    ShowSplash(window);
    return app.exec();
}
