#include "gui/mainwindow/startup.h"

#include "gui/analysis/histoform.h"
#include "gui/calculators/fform.h"
#include "gui/calculators/normalform.h"
#include "gui/calculators/ttform.h"
#include "gui/calculators/x2form.h"
#include "gui/common/help.h"
#include "gui/common/prompts.h"
#include "gui/mainwindow/about.h"
#include "gui/mainwindow/mdiframe.h"
#include "gui/viewers/graph.h"
#include "gui/viewers/messageform.h"
#include "gui/viewers/viewfile.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QWindow>
#include <chrono>
#include <thread>

qint64 TickCount()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

qint64 SplashEndTick(qint64 startTick)
{
    return (startTick / 1000 + 3) * 1000;
}

void ShowSplash()
{
    TAboutBox splash;
    splash.show();
    // Paint it at once: the window system has to map the box before a
    // picture of it can reach the screen.
    QElapsedTimer mapping;
    mapping.start();
    while (mapping.elapsed() < 500
           && !(splash.windowHandle() && splash.windowHandle()->isExposed()))
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    splash.repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    // The program does not answer while the box is up; short sleeps keep the
    // wait from spinning the processor.
    const qint64 end = SplashEndTick(TickCount());
    while (TickCount() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    splash.hide();
}

void PrepareApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Mervan"));
    SetApplicationHelpFile(QStringLiteral("Mervan.hlp"));
}

ProgramWindows::ProgramWindows(const StartUpOptions &options)
{
    PrepareApplication();

    TFrameForm::Options frameOptions;
    frameOptions.splash = options.splash;
    frameOptions.endsProgram = options.endsProgram;
    FrameForm = new TFrameForm(frameOptions);

    AboutBox = new TAboutBox;
    MyGraph = new TMyGraph;
    Histo = new THisto;
    Normal = new TNormal;
    TCompute = new TTCompute;
    X2 = new TX2;
    FCompute = new TFCompute;
    MsgForm = new TMsgForm;
    ViewForm = new TViewForm;

    if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance()))
        InstallHelpKeys(*app);
}

template <class Window>
static void Destroy(Window *&window)
{
    delete window;
    window = nullptr;
}

ProgramWindows::~ProgramWindows()
{
    // The frame first: its editor windows go without asking anything.
    Destroy(FrameForm);
    Destroy(ViewForm);
    Destroy(MsgForm);
    Destroy(FCompute);
    Destroy(X2);
    Destroy(TCompute);
    Destroy(Normal);
    Destroy(Histo);
    Destroy(MyGraph);
    Destroy(AboutBox);
}

TFrameForm *ProgramWindows::frame() const
{
    return FrameForm;
}

void ProgramWindows::showFrame()
{
    FrameForm->placeOnScreen();
    FrameForm->show();
}
