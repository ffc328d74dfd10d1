#include "gui/mainwindow/mdiframe.h"

#include "gui/analysis/histogram.h"
#include "gui/calculators/calculators.h"
#include "gui/common/errorbox.h"
#include "gui/common/fonts.h"
#include "gui/common/help.h"
#include "gui/common/pictures.h"
#include "gui/editor/mdichild.h"
#include "gui/mainwindow/about.h"
#include "gui/mainwindow/menumerge.h"
#include "gui/mainwindow/startup.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>
#include <memory>

TFrameForm *FrameForm = nullptr;

namespace {

// Sizes of windows and panels are halves and fractions of a screen or of the
// frame; a half goes to the even neighbour.
int RoundHalfEven(double value)
{
    return static_cast<int>(std::lrint(value));
}

QSize PrimaryScreenSize()
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        return screen->geometry().size();
    return QSize(800, 600);
}

QString ShortDate(const QDate &date)
{
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

QString LongTime(const QTime &time)
{
    return QLocale::system().toString(time, QLocale::LongFormat);
}

QAction *MenuItem(QObject *owner, const QString &name, const QString &caption, const QString &hint,
                  int context)
{
    auto *action = new QAction(caption, owner);
    action->setObjectName(name);
    action->setStatusTip(hint);
    if (context)
        setHelpContext(action, context);
    return action;
}

QMenu *TopMenu(QWidget *owner, const QString &name, const QString &caption, const QString &hint,
               int context)
{
    auto *menu = new QMenu(caption, owner);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    menu->setStatusTip(hint);
    setMenuHelp(menu, hint, context);
    return menu;
}

// The long-lived window serves the request; when a test builds a frame
// without them, a temporary instance of the same class stands in.
template <class Form, class Use>
void WithWindow(Form *instance, Use use)
{
    if (instance) {
        use(*instance);
        return;
    }
    Form temporary;
    use(temporary);
}

} // namespace

TFrameForm::TFrameForm(const Options &options, QWidget *parent)
    : QMainWindow(parent)
    , m_options(options)
{
    setObjectName(QStringLiteral("FrameForm"));
    setWindowTitle(QStringLiteral("Mervan"));
    setWindowIcon(Pictures::ProgramIcon());
    setFont(PixelFont(QStringLiteral("MS Sans Serif"), 13));

    OpenFileDialog.title = QStringLiteral("Mervan Editor");
    OpenFileDialog.fileName = QStringLiteral("*.dat");
    // "all files" means every file here, also those without an extension.
    OpenFileDialog.filters
        = {QStringLiteral("Data files (*.dat)"), QStringLiteral("Text files (*.txt)"),
           QStringLiteral("Output files (*.out)"), QStringLiteral("all files (*)")};
    OpenFileDialog.selectedFilter = 0;
    OpenFileDialog.mustExist = false;

    createActions();
    createMenus();

    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    createToolBar();
    ClientArea = new QMdiArea(central);
    ClientArea->setObjectName(QStringLiteral("ClientArea"));
    ClientArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ClientArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    createClockPanel();
    ToolBar1->setParent(central);
    Panel1->setParent(central);
    column->addWidget(ToolBar1);
    column->addWidget(ClientArea, 1);
    column->addWidget(Panel1);
    setCentralWidget(central);

    connect(ClientArea, &QMdiArea::subWindowActivated, this, [this] { rebuildMenuBar(); });
    rebuildMenuBar();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(Timer1); });
    Timer1->start();

    StartUp(options.splash);
}

TFrameForm::~TFrameForm()
{
    // The editor windows go first, while the bar they lent their menus to
    // still exists; nothing is asked any more at this point. Windows already
    // closed but not yet deleted are among the area's children too.
    m_destroying = true;
    ClientArea->disconnect(this);
    const QList<QMdiSubWindow *> windows = ClientArea->findChildren<QMdiSubWindow *>();
    for (QMdiSubWindow *window : windows)
        window->disconnect(this);
    for (QMdiSubWindow *window : windows)
        delete window;
    if (FrameForm == this)
        FrameForm = nullptr;
}

void TFrameForm::createActions()
{
    New1 = MenuItem(this, QStringLiteral("New1"), QStringLiteral("&New"),
                    QStringLiteral("Create a new edit window."), 2);
    New1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    New1->setIcon(Pictures::NewFile());
    connect(New1, &QAction::triggered, this, [this] { runCommand(&TFrameForm::New1Click, New1); });

    Open1 = MenuItem(this, QStringLiteral("Open1"), QStringLiteral("&Open..."),
                     QStringLiteral("Open an existing file into an edit window."), 2);
    Open1->setIcon(Pictures::OpenFile());
    connect(Open1, &QAction::triggered, this,
            [this] { runCommand(&TFrameForm::Open1Click, Open1); });

    N1 = new QAction(this);
    N1->setObjectName(QStringLiteral("N1"));
    N1->setSeparator(true);

    Exit1 = MenuItem(this, QStringLiteral("Exit1"), QStringLiteral("E&xit"),
                     QStringLiteral("Leave Ombrelay."), 2);
    connect(Exit1, &QAction::triggered, this,
            [this] { runCommand(&TFrameForm::Exit1Click, Exit1); });

    Tile1 = MenuItem(this, QStringLiteral("Tile1"), QStringLiteral("&Tile"),
                     QStringLiteral("Tile edit windows"), 5);
    connect(Tile1, &QAction::triggered, this,
            [this] { runCommand(&TFrameForm::Tile1Click, Tile1); });
    Cascade1 = MenuItem(this, QStringLiteral("Cascade1"), QStringLiteral("&Cascade"),
                        QStringLiteral("Have open edit windows cascade."), 5);
    connect(Cascade1, &QAction::triggered, this,
            [this] { runCommand(&TFrameForm::Cascade1Click, Cascade1); });
    Arrangeicons1
        = MenuItem(this, QStringLiteral("Arrangeicons1"), QStringLiteral("&Arrange icons"),
                   QStringLiteral("Arrange reduced window icons."), 5);
    connect(Arrangeicons1, &QAction::triggered, this,
            [this] { runCommand(&TFrameForm::Arrangeicons1Click, Arrangeicons1); });

    N6 = new QAction(this);
    N6->setObjectName(QStringLiteral("N6"));
    N6->setSeparator(true);

    Histogramdata1 = MenuItem(this, QStringLiteral("Histogramdata1"),
                              QStringLiteral("&Histogram data"), QString(), 6);
    Histogramdata1->setIcon(Pictures::Histogram());
    connect(Histogramdata1, &QAction::triggered, this,
            [this] { runCommand(&TFrameForm::Histogramdata1Click, Histogramdata1); });
    Normaldistribution1 = MenuItem(this, QStringLiteral("Normaldistribution1"),
                                   QStringLiteral("&Normal distribution"), QString(), 7);
    Normaldistribution1->setIcon(Pictures::NormalCurve());
    connect(Normaldistribution1, &QAction::triggered, this,
            [this] { runCommand(&TFrameForm::Normaldistribution1Click, Normaldistribution1); });
    X2distribution1 = MenuItem(this, QStringLiteral("X2distribution1"),
                               QStringLiteral("&Chi-squared distribution"), QString(), 8);
    X2distribution1->setIcon(Pictures::ChiSquared());
    connect(X2distribution1, &QAction::triggered, this,
            [this] { runCommand(&TFrameForm::X2distribution1Click, X2distribution1); });
    tdistribution1 = MenuItem(this, QStringLiteral("tdistribution1"),
                              QStringLiteral("&t distribution"), QString(), 9);
    tdistribution1->setIcon(Pictures::StudentT());
    connect(tdistribution1, &QAction::triggered, this,
            [this] { runCommand(&TFrameForm::tdistribution1Click, tdistribution1); });
    Fdistribution1 = MenuItem(this, QStringLiteral("Fdistribution1"),
                              QStringLiteral("&F distribution"), QString(), 10);
    Fdistribution1->setIcon(Pictures::FRatio());
    connect(Fdistribution1, &QAction::triggered, this,
            [this] { runCommand(&TFrameForm::Fdistribution1Click, Fdistribution1); });

    About2 = MenuItem(this, QStringLiteral("About2"), QStringLiteral("&About"),
                      QStringLiteral("Read about the program, its version, and copyright."), 4);
    connect(About2, &QAction::triggered, this,
            [this] { runCommand(&TFrameForm::About2Click, About2); });
    Help1 = MenuItem(this, QStringLiteral("Help1"), QStringLiteral("&Help"),
                     QStringLiteral("Get help on this program."), 1);
    Help1->setShortcut(QKeySequence(Qt::Key_F1));
    Help1->setIcon(Pictures::Help());
    connect(Help1, &QAction::triggered, this,
            [this] { runCommand(&TFrameForm::Help1Click, Help1); });
}

void TFrameForm::createMenus()
{
    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));

    File1 = TopMenu(this, QStringLiteral("File1"), QStringLiteral("&File"),
                    QStringLiteral("Create, open, close, print files."), 2);
    File1->addAction(New1);
    File1->addAction(Open1);
    File1->addAction(N1);
    File1->addAction(Exit1);

    Programs1 = TopMenu(this, QStringLiteral("Programs1"), QStringLiteral("&Statistics"),
                        QStringLiteral("Various fundamental survey computations."), 1);
    Programs1->addAction(Histogramdata1);
    Programs1->addAction(N6);
    Programs1->addAction(Normaldistribution1);
    Programs1->addAction(X2distribution1);
    Programs1->addAction(tdistribution1);
    Programs1->addAction(Fdistribution1);

    Window1 = TopMenu(this, QStringLiteral("Window1"), QStringLiteral("&Window"),
                      QStringLiteral("Select, tile, cascade and arrange edit windows."), 5);
    Window1->addAction(Tile1);
    Window1->addAction(Cascade1);
    Window1->addAction(Arrangeicons1);
    connect(Window1, &QMenu::aboutToShow, this, [this] { fillWindowMenu(); });

    About1 = TopMenu(this, QStringLiteral("About1"), QStringLiteral("&Help"),
                     QStringLiteral("Read about the software or get help."), 4);
    About1->addAction(About2);
    About1->addAction(Help1);
}

QToolButton *TFrameForm::addSpeedButton(const QString &name, const QIcon &icon, const QString &hint,
                                        void (TFrameForm::*handler)(QObject *))
{
    auto *button = new QToolButton(ToolBar1);
    button->setObjectName(name);
    button->setIcon(icon);
    button->setIconSize(QSize(16, 16));
    button->setFixedSize(23, 22);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(hint);
    button->setStatusTip(hint);
    connect(button, &QToolButton::clicked, this,
            [this, button, handler] { runCommand(handler, button); });
    ToolBar1->layout()->addWidget(button);
    return button;
}

void TFrameForm::createToolBar()
{
    ToolBar1 = new QWidget(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setFixedHeight(27);
    ToolBar1->setAutoFillBackground(true);
    QPalette menuColour = ToolBar1->palette();
    menuColour.setColor(QPalette::Window, menuColour.color(QPalette::Button));
    ToolBar1->setPalette(menuColour);
    auto *row = new QHBoxLayout(ToolBar1);
    row->setContentsMargins(0, 2, 0, 3);
    row->setSpacing(0);

    auto gap = [this](const QString &name) {
        auto *splitter = new QWidget(ToolBar1);
        splitter->setObjectName(name);
        splitter->setFixedSize(3, 22);
        ToolBar1->layout()->addWidget(splitter);
        return splitter;
    };

    SpeedButton1
        = addSpeedButton(QStringLiteral("SpeedButton1"), Pictures::NewFile(),
                         QStringLiteral("Create a new file of data"), &TFrameForm::New1Click);
    SpeedButton2
        = addSpeedButton(QStringLiteral("SpeedButton2"), Pictures::OpenFile(),
                         QStringLiteral("Open an existing file."), &TFrameForm::Open1Click);
    Splitter1 = gap(QStringLiteral("Splitter1"));
    SpeedButton3
        = addSpeedButton(QStringLiteral("SpeedButton3"), Pictures::Histogram(),
                         QStringLiteral("Histogram data"), &TFrameForm::Histogramdata1Click);
    setHelpContext(SpeedButton3, 6);
    SpeedButton4 = addSpeedButton(QStringLiteral("SpeedButton4"), Pictures::NormalCurve(),
                                  QStringLiteral("Compute critical value for probable error"),
                                  &TFrameForm::Normaldistribution1Click);
    SpeedButton5 = addSpeedButton(QStringLiteral("SpeedButton5"), Pictures::ChiSquared(),
                                  QStringLiteral("Computer critical value for chi² distribution"),
                                  &TFrameForm::X2distribution1Click);
    SpeedButton6 = addSpeedButton(QStringLiteral("SpeedButton6"), Pictures::StudentT(),
                                  QStringLiteral("Compute critical value for t distribution"),
                                  &TFrameForm::tdistribution1Click);
    SpeedButton7 = addSpeedButton(QStringLiteral("SpeedButton7"), Pictures::FRatio(),
                                  QStringLiteral("Compute critical value for F distribution"),
                                  &TFrameForm::Fdistribution1Click);
    Splitter2 = gap(QStringLiteral("Splitter2"));
    SpeedButton8 = addSpeedButton(QStringLiteral("SpeedButton8"), Pictures::Help(),
                                  QStringLiteral("Get help"), &TFrameForm::Help1Click);
    row->addStretch(1);
}

void TFrameForm::createClockPanel()
{
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(24);
    Panel1->installEventFilter(this);

    Bevel1 = new QFrame(Panel1);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(0, 1, 0, 22);

    const QFont clockFont = PixelFont(QStringLiteral("Univers"), 11);
    auto label = [this, &clockFont](const QString &name) {
        auto *clock = new QLabel(Panel1);
        clock->setObjectName(name);
        clock->setFont(clockFont);
        QPalette black = clock->palette();
        black.setColor(QPalette::WindowText, Qt::black);
        clock->setPalette(black);
        return clock;
    };
    TimeLabel = label(QStringLiteral("TimeLabel"));
    DateLabel = label(QStringLiteral("DateLabel"));
}

// --- start-up -----------------------------------------------------------------

void TFrameForm::StartUp(bool splash)
{
    SetApplicationHelpFile(ProgramHelpFile(QCoreApplication::applicationFilePath()));

    if (splash)
        ShowSplash();

    ClockTick(QDateTime::currentDateTime());

    const QRect place = FrameGeometry(PrimaryScreenSize());
    resize(place.size());
    // The layouts give the panel its width only when the frame first shows;
    // the clock is laid out now against the width it will have.
    Panel1->resize(place.width(), Panel1->height());
    Resize(this);
}

QRect TFrameForm::FrameGeometry(const QSize &screen)
{
    const int width = RoundHalfEven(screen.width() * 0.5);
    const int height = RoundHalfEven(screen.height() * 0.5);
    return QRect((screen.width() - width) / 2, (screen.height() - height) / 2, width, height);
}

void TFrameForm::placeOnScreen()
{
    const QSize screen = PrimaryScreenSize();
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

// --- the clock ----------------------------------------------------------------

void TFrameForm::Resize(QObject *)
{
    const int bevelWidth = DateLabel->width() + TimeLabel->width() + 15;
    Bevel1->setGeometry(Panel1->width() - bevelWidth, Bevel1->y(), bevelWidth, Bevel1->height());
    DateLabel->move(Bevel1->x() + 4, Bevel1->y() + 4);
    TimeLabel->move(DateLabel->x() + DateLabel->width() + 9, DateLabel->y());
}

void TFrameForm::Timer1Timer(QObject *)
{
    ClockTick(QDateTime::currentDateTime());
}

void TFrameForm::ClockTick(const QDateTime &now)
{
    if (now.date() != ShownDate) {
        ShownDate = now.date();
        DateLabel->setText(ShortDate(ShownDate));
        DateLabel->adjustSize();
    }
    TimeLabel->setText(LongTime(now.time()));
    TimeLabel->adjustSize();
}

void TFrameForm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    Resize(this);
}

bool TFrameForm::eventFilter(QObject *watched, QEvent *event)
{
    // The panel follows the frame's width through the layouts, sometimes
    // after the frame's own resize; the clock is laid out again then.
    if (watched == Panel1 && event->type() == QEvent::Resize)
        Resize(this);
    return QMainWindow::eventFilter(watched, event);
}

// --- editor windows -----------------------------------------------------------

QMdiSubWindow *TFrameForm::addEditor(TChild *child)
{
    auto *window = new QMdiSubWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowIcon(windowIcon());
    window->setWidget(child);
    ClientArea->addSubWindow(window);
    connectEditor(child);
    // A window that goes away may have lent its menus to the bar; the bar is
    // rebuilt once the window is completely gone.
    connect(
        window, &QObject::destroyed, this, [this] { rebuildMenuBar(); }, Qt::QueuedConnection);
    window->show();
    return window;
}

void TFrameForm::connectEditor(TChild *child)
{
    connect(child, &TChild::newRequested, this,
            [this, child] { runCommand(&TFrameForm::New1Click, child); });
    connect(child, &TChild::openRequested, this,
            [this, child] { runCommand(&TFrameForm::Open1Click, child); });
    connect(child, &TChild::exitRequested, this,
            [this, child] { runCommand(&TFrameForm::Exit1Click, child); });
}

void TFrameForm::New1Click(QObject *)
{
    if (DocNumber < 1)
        DocNumber = 1;
    auto *child = new TChild;
    QMdiSubWindow *window = addEditor(child);
    const QString name = QStringLiteral("DOC%1.dat").arg(DocNumber);
    child->ParseFile(name);
    child->setWindowTitle(name);
    window->resize(RoundHalfEven(width() * 0.7), RoundHalfEven(height() * 0.5));
    bringForward(window, child);
    ++DocNumber;
}

void TFrameForm::OpenWindow()
{
    const QString path = Prompts::current().openFileName(this, OpenFileDialog);
    if (path.isEmpty())
        return;
    // The dialog starts from the last choice next time.
    const QFileInfo chosen(path);
    OpenFileDialog.directory = chosen.absolutePath();
    OpenFileDialog.fileName = chosen.fileName();

    auto *child = new TChild;
    QMdiSubWindow *window = addEditor(child);
    // A file that cannot be read ends the command here; the window stays, empty.
    child->Open(path);
    child->setWindowTitle(path);
    const QSize screen = PrimaryScreenSize();
    window->resize(RoundHalfEven(screen.width() * 0.7), RoundHalfEven(screen.height() * 0.5));
    window->move(0, 0);
    bringForward(window, child);
}

// A new editor window comes to the front with the keyboard in its text; the
// windows are cascaded again.
void TFrameForm::bringForward(QMdiSubWindow *window, TChild *child)
{
    window->show();
    window->raise();
    ClientArea->setActiveSubWindow(window);
    child->Memo1->setFocus();
    cascadeEditors();
}

void TFrameForm::Open1Click(QObject *)
{
    OpenWindow();
}

void TFrameForm::Exit1Click(QObject *)
{
    close();
}

void TFrameForm::closeEvent(QCloseEvent *event)
{
    // Every editor window asks about its unsaved changes; one that the user
    // keeps open keeps the program running.
    for (QMdiSubWindow *window : ClientArea->subWindowList()) {
        if (!window->close()) {
            event->ignore();
            return;
        }
    }
    event->accept();
    if (m_options.endsProgram)
        QCoreApplication::quit();
}

QList<QMdiSubWindow *> TFrameForm::editorWindows() const
{
    return ClientArea->subWindowList(QMdiArea::CreationOrder);
}

QMdiSubWindow *TFrameForm::activeEditorWindow() const
{
    // The current window stays current while another program has the focus.
    return ClientArea->currentSubWindow();
}

TChild *TFrameForm::activeChild() const
{
    QMdiSubWindow *window = activeEditorWindow();
    return window ? qobject_cast<TChild *>(window->widget()) : nullptr;
}

// --- window arrangement ---------------------------------------------------------

void TFrameForm::Tile1Click(QObject *)
{
    ClientArea->tileSubWindows();
}

void TFrameForm::Cascade1Click(QObject *)
{
    cascadeEditors();
}

void TFrameForm::cascadeEditors()
{
    // Each window keeps its size (as far as the area allows) and steps down
    // and right by a title bar's height from the one behind it; the active
    // window ends on top. A row that would leave the area starts again at the
    // top left. Minimised windows stay where they are.
    // Before the frame is first shown the area has no size of its own yet.
    const QSize area = ClientArea->isVisible() ? ClientArea->viewport()->size()
                                               : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    QMdiSubWindow *active = ClientArea->activeSubWindow();
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *window : ClientArea->subWindowList(QMdiArea::StackingOrder)) {
        if (!window->isHidden() && !window->isMinimized() && window != active)
            windows.append(window);
    }
    if (active && !active->isHidden() && !active->isMinimized())
        windows.append(active);

    QStyleOptionTitleBar option;
    option.initFrom(ClientArea);
    const int step
        = std::max(8, style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, ClientArea));
    int offset = 0;
    for (QMdiSubWindow *window : windows) {
        if (window->isMaximized())
            window->showNormal();
        const QSize size = window->size().boundedTo(area).expandedTo(window->minimumSizeHint());
        if (offset > 0
            && (offset + size.width() > area.width() || offset + size.height() > area.height()))
            offset = 0;
        window->setGeometry(QRect(QPoint(offset, offset), size));
        window->raise();
        offset += step;
    }
}

void TFrameForm::Arrangeicons1Click(QObject *)
{
    // Minimised windows line up along the bottom of the client area, left to
    // right, a new row above when a row is full.
    const QSize area = ClientArea->viewport()->size();
    int x = 0;
    int bottom = area.height();
    int rowHeight = 0;
    for (QMdiSubWindow *window : editorWindows()) {
        if (!window->isMinimized())
            continue;
        const QSize size = window->size();
        if (x > 0 && x + size.width() > area.width()) {
            x = 0;
            bottom -= rowHeight;
            rowHeight = 0;
        }
        window->move(x, bottom - size.height());
        x += size.width();
        rowHeight = std::max(rowHeight, size.height());
    }
}

void TFrameForm::fillWindowMenu()
{
    for (QAction *action : m_windowListActions) {
        Window1->removeAction(action);
        delete action;
    }
    m_windowListActions.clear();

    const QList<QMdiSubWindow *> windows = editorWindows();
    if (windows.isEmpty())
        return;
    auto *separator = new QAction(Window1);
    separator->setSeparator(true);
    Window1->addAction(separator);
    m_windowListActions.append(separator);
    QMdiSubWindow *active = activeEditorWindow();
    int number = 0;
    for (QMdiSubWindow *window : windows) {
        ++number;
        QString caption = window->windowTitle();
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto *entry = new QAction(QStringLiteral("&%1 %2").arg(number).arg(caption), Window1);
        entry->setCheckable(true);
        entry->setChecked(window == active);
        connect(entry, &QAction::triggered, this, [this, window] {
            if (ClientArea->subWindowList().contains(window)) {
                if (window->isMinimized())
                    window->showNormal();
                ClientArea->setActiveSubWindow(window);
            }
        });
        Window1->addAction(entry);
        m_windowListActions.append(entry);
    }
}

void TFrameForm::rebuildMenuBar()
{
    if (m_destroying)
        return;
    QList<GroupedMenu> childMenus;
    if (TChild *child = activeChild())
        childMenus = {{0, child->fileMenu()}, {1, child->editMenu()}};
    const QList<QMenu *> wanted
        = MergeMenus({{0, File1}, {2, Programs1}, {9, Window1}, {9, About1}}, childMenus);

    QList<QAction *> wantedActions;
    for (QMenu *menu : wanted)
        wantedActions.append(menu->menuAction());
    if (MainMenu1->actions() == wantedActions)
        return;
    for (QAction *action : MainMenu1->actions())
        MainMenu1->removeAction(action);
    for (QAction *action : wantedActions)
        MainMenu1->addAction(action);
}

// --- commands -------------------------------------------------------------------

void TFrameForm::runCommand(void (TFrameForm::*handler)(QObject *), QObject *sender)
{
    RunGuarded([this, handler, sender] { (this->*handler)(sender); });
}

QWidget *TFrameForm::helpWindow() const
{
    // An editor window names its own help file; the frame uses the program's.
    if (QMdiSubWindow *window = activeEditorWindow())
        return window->widget();
    return const_cast<TFrameForm *>(this);
}

void TFrameForm::Help1Click(QObject *)
{
    HelpSystem::current().showTopics(HelpFileFor(helpWindow()));
}

void TFrameForm::About2Click(QObject *)
{
    WithWindow(AboutBox, [](TAboutBox &box) { box.exec(); });
}

void TFrameForm::Histogramdata1Click(QObject *sender)
{
    RunHistogramAnalysis(CurrentFileName, qobject_cast<QWidget *>(sender));
}

void TFrameForm::Normaldistribution1Click(QObject *)
{
    RunNormalCalculator(this);
}

void TFrameForm::tdistribution1Click(QObject *)
{
    RunTCalculator(this);
}

void TFrameForm::X2distribution1Click(QObject *)
{
    RunChiSquaredCalculator(this);
}

void TFrameForm::Fdistribution1Click(QObject *)
{
    RunFCalculator(this);
}
