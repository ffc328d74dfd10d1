#include "gui/mainwindow/mainwindow.h"

#include "gui/analysis/histogram.h"
#include "gui/calculators/calculators.h"
#include "gui/calculators/discretedialog.h"
#include "gui/common/errorbox.h"
#include "gui/common/fonts.h"
#include "gui/common/help.h"
#include "gui/common/pictures.h"
#include "gui/editor/editorcommands.h"
#include "gui/editor/editorwindow.h"
#include "gui/mainwindow/aboutdialog.h"
#include "gui/mainwindow/screensize.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <cmath>
#include <memory>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_mdiArea(new QMdiArea(this))
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("Mervan"));
    setWindowIcon(Pictures::ProgramIcon());
    setFont(PixelFont(QStringLiteral("MS Sans Serif"), 13));
    SetApplicationHelpFile(ProgramHelpFile(QCoreApplication::applicationFilePath()));

    m_openRequest.title = QStringLiteral("Mervan Editor");
    m_openRequest.fileName = QStringLiteral("*.dat");
    // "all files" means every file here, also those without an extension.
    m_openRequest.filters
        = {tr("Data files (*.dat)"), tr("Spreadsheet exports (*.csv *.tsv)"),
           tr("Text files (*.txt)"), tr("Output files (*.out)"), tr("all files (*)")};
    m_openRequest.selectedFilter = 0;
    m_openRequest.mustExist = false;
    m_openRequest.purpose = QStringLiteral("open");

    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    m_mdiArea->setAccessibleName(tr("Editor windows"));
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Closing a window brings back the one that was active before it.
    m_mdiArea->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    setCentralWidget(m_mdiArea);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &MainWindow::updateMenus);

    m_editorCommands = new EditorCommands(this);
    connect(m_editorCommands, &EditorCommands::newRequested, this,
            [this] { RunGuarded([this] { newFile(); }); });
    connect(m_editorCommands, &EditorCommands::openRequested, this,
            [this] { RunGuarded([this] { open(); }); });
    connect(m_editorCommands, &EditorCommands::exitRequested, this, &QWidget::close);

    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    updateMenus();
    setAcceptDrops(true);

    resize(initialGeometry(PrimaryScreenSize()).size());
}

MainWindow::~MainWindow()
{
    // The editor windows go first, while the menus and tool bar they use
    // still exist; nothing is asked any more at this point. Windows already
    // closed but not yet deleted are among the area's children too.
    m_destroying = true;
    m_mdiArea->disconnect(this);
    const QList<QMdiSubWindow *> windows = m_mdiArea->findChildren<QMdiSubWindow *>();
    for (QMdiSubWindow *window : windows)
        window->disconnect(this);
    qDeleteAll(windows);
}

void MainWindow::createActions()
{
    const auto command = [this](const QString &name, const QString &caption, const QString &hint,
                                int context, auto slot) {
        auto *action = new QAction(caption, this);
        action->setObjectName(name);
        action->setStatusTip(hint);
        setHelpContext(action, context);
        connect(action, &QAction::triggered, this,
                [this, slot] { RunGuarded([this, slot] { (this->*slot)(); }); });
        return action;
    };

    m_newAction = command(QStringLiteral("actionNew"), tr("&New"), tr("Create a new edit window."),
                          2, &MainWindow::newFile);
    m_newAction->setShortcut(QKeySequence(QKeySequence::New));
    m_newAction->setIcon(Pictures::NewFile());
    m_newAction->setToolTip(tr("Create a new file of data"));
    m_openAction = command(QStringLiteral("actionOpen"), tr("&Open..."),
                           tr("Open an existing file into an edit window."), 2, &MainWindow::open);
    m_openAction->setShortcut(QKeySequence(QKeySequence::Open));
    m_openAction->setIcon(Pictures::OpenFile());
    m_openAction->setToolTip(tr("Open an existing file."));
    m_exitAction = new QAction(tr("E&xit"), this);
    m_exitAction->setObjectName(QStringLiteral("actionExit"));
    m_exitAction->setStatusTip(tr("Leave Ombrelay."));
    setHelpContext(m_exitAction, 2);
    connect(m_exitAction, &QAction::triggered, this, &QWidget::close);

    m_tileAction = command(QStringLiteral("actionTile"), tr("&Tile"), tr("Tile edit windows"), 5,
                           &MainWindow::tileSubWindows);
    m_cascadeAction
        = command(QStringLiteral("actionCascade"), tr("&Cascade"),
                  tr("Have open edit windows cascade."), 5, &MainWindow::cascadeSubWindows);
    m_arrangeIconsAction
        = command(QStringLiteral("actionArrangeIcons"), tr("&Arrange icons"),
                  tr("Arrange reduced window icons."), 5, &MainWindow::arrangeIcons);

    m_histogramAction = command(QStringLiteral("actionHistogram"), tr("&Histogram data"), QString(),
                                6, &MainWindow::runHistogram);
    m_histogramAction->setIcon(Pictures::Histogram());
    m_histogramAction->setToolTip(tr("Histogram data"));
    m_normalAction = command(QStringLiteral("actionNormal"), tr("&Normal distribution"), QString(),
                             7, &MainWindow::runNormalCalculator);
    m_normalAction->setIcon(Pictures::NormalCurve());
    m_normalAction->setToolTip(tr("Compute critical value for probable error"));
    m_chiSquaredAction
        = command(QStringLiteral("actionChiSquared"), tr("&Chi-squared distribution"), QString(), 8,
                  &MainWindow::runChiSquaredCalculator);
    m_chiSquaredAction->setIcon(Pictures::ChiSquared());
    m_chiSquaredAction->setToolTip(tr("Compute critical value for chi\u00B2 distribution"));
    m_tAction = command(QStringLiteral("actionT"), tr("&t distribution"), QString(), 9,
                        &MainWindow::runTCalculator);
    m_tAction->setIcon(Pictures::StudentT());
    m_tAction->setToolTip(tr("Compute critical value for t distribution"));
    m_fAction = command(QStringLiteral("actionF"), tr("&F distribution"), QString(), 10,
                        &MainWindow::runFCalculator);
    m_fAction->setIcon(Pictures::FRatio());
    m_fAction->setToolTip(tr("Compute critical value for F distribution"));
    m_binomialAction = command(QStringLiteral("actionBinomial"), tr("&Binomial distribution"),
                               QString(), 11, &MainWindow::runBinomialCalculator);
    m_binomialAction->setIcon(Pictures::Binomial());
    m_binomialAction->setToolTip(tr("Compute binomial probabilities"));
    m_poissonAction = command(QStringLiteral("actionPoisson"), tr("&Poisson distribution"),
                              QString(), 11, &MainWindow::runPoissonCalculator);
    m_poissonAction->setIcon(Pictures::Poisson());
    m_poissonAction->setToolTip(tr("Compute Poisson probabilities"));

    m_aboutAction
        = command(QStringLiteral("actionAbout"), tr("&About"),
                  tr("Read about the program, its version, and copyright."), 4, &MainWindow::about);
    m_helpAction = command(QStringLiteral("actionHelp"), tr("&Help"),
                           tr("Get help on this program."), 1, &MainWindow::showHelp);
    m_helpAction->setShortcut(QKeySequence(QKeySequence::HelpContents));
    m_helpAction->setIcon(Pictures::Help());
    m_helpAction->setToolTip(tr("Get help"));
}

void MainWindow::createMenus()
{
    const auto menu
        = [this](const QString &name, const QString &caption, const QString &hint, int context) {
              auto *m = new QMenu(caption, this);
              m->setObjectName(name);
              m->menuAction()->setObjectName(name);
              m->setStatusTip(hint);
              setMenuHelp(m, hint, context);
              return m;
          };
    menuBar()->setObjectName(QStringLiteral("menuBar"));

    m_fileMenu
        = menu(QStringLiteral("fileMenu"), tr("&File"), tr("Create, open, close, print files."), 2);
    m_fileMenu->addActions({m_newAction, m_openAction});
    m_fileMenu->addSeparator();
    createRecentFilesMenu();
    m_fileMenu->addMenu(m_recentMenu);
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_exitAction);

    createViewMenu();

    m_statisticsMenu = menu(QStringLiteral("statisticsMenu"), tr("&Statistics"),
                            tr("Various fundamental survey computations."), 1);
    m_statisticsMenu->addAction(m_histogramAction);
    m_statisticsMenu->addSeparator();
    m_statisticsMenu->addActions({m_normalAction, m_chiSquaredAction, m_tAction, m_fAction});
    m_statisticsMenu->addSeparator();
    m_statisticsMenu->addActions({m_binomialAction, m_poissonAction});

    m_windowMenu = menu(QStringLiteral("windowMenu"), tr("&Window"),
                        tr("Select, tile, cascade and arrange edit windows."), 5);
    connect(m_windowMenu, &QMenu::aboutToShow, this, &MainWindow::updateWindowMenu);
    updateWindowMenu();

    m_helpMenu = menu(QStringLiteral("helpMenu"), tr("&Help"),
                      tr("Read about the software or get help."), 4);
    m_helpMenu->addActions({m_aboutAction, m_helpAction});
}

void MainWindow::createToolBar()
{
    m_toolBar = addToolBar(QStringLiteral("Main"));
    m_toolBar->setObjectName(QStringLiteral("mainToolBar"));
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setMovable(false);
    m_toolBar->addActions({m_newAction, m_openAction});
    m_toolBar->addSeparator();
    m_toolBar->addActions(
        {m_histogramAction, m_normalAction, m_chiSquaredAction, m_tAction, m_fAction});
    m_toolBar->addActions({m_binomialAction, m_poissonAction});
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_helpAction);

    addToolBarBreak();
    addToolBar(m_editorCommands);
    m_editorCommands->setMovable(false);
}

void MainWindow::createStatusBar()
{
    auto *clock = new QWidget(this);
    clock->setObjectName(QStringLiteral("clock"));
    auto *row = new QHBoxLayout(clock);
    row->setContentsMargins(4, 0, 4, 0);
    row->setSpacing(9);
    const QFont clockFont = PixelFont(QStringLiteral("Univers"), 11);
    const auto label = [clock, row, &clockFont](const QString &name) {
        auto *l = new QLabel(clock);
        l->setObjectName(name);
        l->setFont(clockFont);
        row->addWidget(l);
        return l;
    };
    m_dateLabel = label(QStringLiteral("clockDate"));
    m_timeLabel = label(QStringLiteral("clockTime"));
    m_dateLabel->setAccessibleName(tr("Date"));
    m_timeLabel->setAccessibleName(tr("Time"));
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    createFormatButtons();
    statusBar()->addPermanentWidget(clock);

    auto *timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("clockTimer"));
    timer->setInterval(1000);
    connect(timer, &QTimer::timeout, this, [this] { showTime(QDateTime::currentDateTime()); });
    timer->start();
    showTime(QDateTime::currentDateTime());
}

void MainWindow::showTime(const QDateTime &now)
{
    const QLocale locale = QLocale::system();
    if (now.date() != m_shownDate) {
        m_shownDate = now.date();
        m_dateLabel->setText(locale.toString(m_shownDate, QLocale::ShortFormat));
    }
    m_timeLabel->setText(locale.toString(now.time(), QLocale::LongFormat));
}

QRect MainWindow::initialGeometry(const QSize &screen)
{
    const int width = RoundHalfEven(screen.width() * 0.5);
    const int height = RoundHalfEven(screen.height() * 0.5);
    return QRect((screen.width() - width) / 2, (screen.height() - height) / 2, width, height);
}

void MainWindow::placeOnScreen()
{
    const QSize screen = PrimaryScreenSize();
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

// --- menus ----------------------------------------------------------------------

// While an editor window is active, its File and Edit menus stand in for the
// main window's File menu, and its tool bar shows.
void MainWindow::updateMenus()
{
    if (m_destroying)
        return;
    EditorWindow *editor = activeEditor();
    updateFormatButtons();
    m_editorCommands->setEditor(editor);
    m_editorCommands->setVisible(editor);
    // Both New and both Open commands answer Ctrl+N and Ctrl+O; only the
    // ones on the bar hold the keys.
    m_newAction->setShortcut(editor ? QKeySequence() : QKeySequence(QKeySequence::New));
    m_openAction->setShortcut(editor ? QKeySequence() : QKeySequence(QKeySequence::Open));

    QList<QAction *> wanted;
    if (editor)
        wanted << m_editorCommands->fileMenu()->menuAction()
               << m_editorCommands->editMenu()->menuAction();
    else
        wanted << m_fileMenu->menuAction();
    wanted << m_viewMenu->menuAction() << m_statisticsMenu->menuAction()
           << m_windowMenu->menuAction() << m_helpMenu->menuAction();
    if (menuBar()->actions() == wanted)
        return;
    menuBar()->clear();
    menuBar()->addActions(wanted);
}

void MainWindow::updateWindowMenu()
{
    m_windowMenu->clear();
    m_windowMenu->addActions({m_tileAction, m_cascadeAction, m_arrangeIconsAction});
    const QList<QMdiSubWindow *> windows = editorWindows();
    if (windows.isEmpty())
        return;
    m_windowMenu->addSeparator();
    QMdiSubWindow *active = activeSubWindow();
    int number = 0;
    for (QMdiSubWindow *window : windows) {
        QString caption = window->windowTitle();
        caption.replace(QStringLiteral("[*]"),
                        window->isWindowModified() ? QStringLiteral("*") : QString());
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        // Only 1 to 9 can be keys of their own.
        ++number;
        QAction *entry
            = m_windowMenu->addAction(QStringLiteral("%1%2 %3")
                                          .arg(number <= 9 ? QStringLiteral("&") : QString())
                                          .arg(number)
                                          .arg(caption));
        entry->setCheckable(true);
        entry->setChecked(window == active);
        connect(entry, &QAction::triggered, window, [this, window] {
            if (window->isMinimized())
                window->showNormal();
            m_mdiArea->setActiveSubWindow(window);
        });
    }
}

// --- window arrangement ---------------------------------------------------------

// Tile and Cascade place the windows in the order they were made, whatever
// order closing follows.
void MainWindow::tileSubWindows()
{
    m_mdiArea->setActivationOrder(QMdiArea::CreationOrder);
    m_mdiArea->tileSubWindows();
    m_mdiArea->setActivationOrder(QMdiArea::ActivationHistoryOrder);
}

void MainWindow::cascadeSubWindows()
{
    m_mdiArea->setActivationOrder(QMdiArea::CreationOrder);
    m_mdiArea->cascadeSubWindows();
    m_mdiArea->setActivationOrder(QMdiArea::ActivationHistoryOrder);
}

void MainWindow::arrangeIcons()
{
    // Minimised windows line up along the bottom of the area, left to right,
    // a new row above when a row is full.
    const QSize area = m_mdiArea->viewport()->size();
    int x = 0;
    int bottom = area.height();
    int rowHeight = 0;
    for (QMdiSubWindow *window : editorWindows()) {
        if (!window->isMinimized())
            continue;
        if (x > 0 && x + window->width() > area.width()) {
            x = 0;
            bottom -= rowHeight;
            rowHeight = 0;
        }
        window->move(x, bottom - window->height());
        x += window->width();
        rowHeight = std::max(rowHeight, window->height());
    }
}

// --- commands -------------------------------------------------------------------

QWidget *MainWindow::helpWindow() const
{
    // An editor window names its own help file; this window uses the program's.
    if (QMdiSubWindow *window = activeSubWindow())
        return window->widget();
    return const_cast<MainWindow *>(this);
}

void MainWindow::showHelp()
{
    HelpSystem::current().showTopics(HelpFileFor(helpWindow()));
}

void MainWindow::about()
{
    AboutDialog dialog(this);
    dialog.exec();
}

void MainWindow::runHistogram()
{
    // The analysis reads the file on disk: edits not yet saved in a window
    // would be left out without a word.
    RunHistogramAnalysis(m_lastFilePath, this, [this](const QString &path) {
        const QFileInfo chosen(path);
        for (QMdiSubWindow *window : editorWindows()) {
            auto *editor = qobject_cast<EditorWindow *>(window->widget());
            if (editor && !editor->isUntitled()
                && QFileInfo(editor->fileDir() + editor->fileName()) == chosen)
                return editor->maybeSave();
        }
        return true;
    });
}

void MainWindow::runNormalCalculator()
{
    RunNormalCalculator(this);
}

void MainWindow::runTCalculator()
{
    RunTCalculator(this);
}

void MainWindow::runChiSquaredCalculator()
{
    RunChiSquaredCalculator(this);
}

void MainWindow::runFCalculator()
{
    RunFCalculator(this);
}

void MainWindow::runBinomialCalculator()
{
    RunBinomialCalculator(this);
}

void MainWindow::runPoissonCalculator()
{
    RunPoissonCalculator(this);
}
