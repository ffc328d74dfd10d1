// Mervan: the windowed program.

#include "shell/startup.h"
#include "ui/errorbox.h"

int main(int argc, char **argv)
{
    MervanApplication app(argc, argv);
    ProgramWindows windows;
    windows.showFrame();
    return app.exec();
}
