// Mervan: the windowed program.

#include "gui/mainwindow/startup.h"
#include "gui/common/errorbox.h"

int main(int argc, char **argv)
{
    MervanApplication app(argc, argv);
    ProgramWindows windows;
    windows.showFrame();
    return app.exec();
}
