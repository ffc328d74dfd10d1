// Mervan: the windowed program.

#include "gui/common/errorbox.h"
#include "gui/mainwindow/startup.h"

int main(int argc, char **argv)
{
    MervanApplication app(argc, argv);
    ProgramWindows windows;
    windows.showFrame();
    return app.exec();
}
