#pragma once
// MainWindow: the program's main window. Its MDI area holds the editor
// windows; it owns the menus, the tool bars and the status bar with the
// clock, and starts every analysis and calculation.

#include "gui/common/prompts.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QMainWindow>
#include <QRect>
#include <QSize>

class EditorCommands;
class EditorWindow;
class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class QToolButton;

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Where the window goes on a screen of the given size: half the screen in
    // each direction (a half rounded to the even neighbour), centred.
    static QRect initialGeometry(const QSize &screen);
    // Centres the window on the primary screen.
    void placeOnScreen();
    // Gives the window the place and size it had when it last closed, if
    // that still fits on one of the screens; false when it left it alone.
    bool restorePlace();
    // Whether a window at geometry fits inside one of the available areas.
    static bool fitsOn(const QRect &geometry, const QList<QRect> &available);

    // Opens the file at path in an editor window (or brings forward the one
    // that holds it already); false when it was not opened.
    bool openFile(const QString &path);
    // Opens each file in turn, as the command line and a drop hand them over;
    // a missing file gets a message and the others still open.
    void openFiles(const QStringList &paths);
    // File > Recent Files: the files last opened or saved, most recent first.
    QStringList recentFiles() const;

    // The editor windows, in the order they were created, and the active one
    // (it stays active while another program has the focus).
    QList<QMdiSubWindow *> editorWindows() const;
    QMdiSubWindow *activeSubWindow() const;
    EditorWindow *activeEditor() const;
    // The path last handed to an editor window: the default name of a new
    // window, or the full name of a file opened or saved under a new name.
    // The histogram command proposes it as the data file.
    QString lastFilePath() const { return m_lastFilePath; }

    // View > Zoom: the editor text, the reports and the pictures on screen
    // at this percentage, MinZoomPercent to MaxZoomPercent (fonts.h);
    // remembered between runs.
    int zoomPercent() const { return m_zoomPercent; }

public slots:
    void newFile();
    void open();
    void tileSubWindows();
    void cascadeSubWindows();
    void arrangeIcons();
    void showHelp();
    void about();
    void runHistogram();
    void runNormalCalculator();
    void runTCalculator();
    void runChiSquaredCalculator();
    void runFCalculator();
    void runBinomialCalculator();
    void runPoissonCalculator();
    // Opens a recent file; one that no longer exists leaves the list, with a
    // message.
    void openRecentFile(const QString &path);
    void clearRecentFiles();
    // Shows the moment now in the clock: the date when the day has changed
    // since it was last shown, the time always.
    void showTime(const QDateTime &now);
    // Takes percent (brought within the limits) as the zoom of every window
    // open now and of those opened later, and remembers it.
    void setZoomPercent(int percent);
    void zoomIn();
    void zoomOut();
    void zoomToActualSize();

signals:
    void zoomChanged(int percent);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void createRecentFilesMenu();
    void createViewMenu();
    void updateRecentFilesMenu();
    // Puts path at the top of the recent files.
    void rememberFile(const QString &path);
    QMdiSubWindow *addEditor(EditorWindow *editor);
    // The window that holds the file at path, if any.
    QMdiSubWindow *windowHolding(const QString &path) const;
    void bringForward(QMdiSubWindow *window);
    void updateMenus();
    void updateWindowMenu();
    // The encoding and line ends of the active editor window in the status bar.
    void createFormatButtons();
    void updateFormatButtons();
    // The window whose help file a help request from this window goes to.
    QWidget *helpWindow() const;

    QMdiArea *m_mdiArea = nullptr;
    EditorCommands *m_editorCommands = nullptr;
    QToolBar *m_toolBar = nullptr;
    QLabel *m_dateLabel = nullptr;
    QLabel *m_timeLabel = nullptr;
    QToolButton *m_encodingButton = nullptr;
    QToolButton *m_lineEndButton = nullptr;
    QMetaObject::Connection m_formatConnection;
    QDate m_shownDate;

    QMenu *m_fileMenu = nullptr;
    QMenu *m_statisticsMenu = nullptr;
    QMenu *m_windowMenu = nullptr;
    QMenu *m_viewMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QMenu *m_recentMenu = nullptr;
    QAction *m_newAction = nullptr;
    QAction *m_openAction = nullptr;
    QAction *m_exitAction = nullptr;
    QAction *m_tileAction = nullptr;
    QAction *m_cascadeAction = nullptr;
    QAction *m_arrangeIconsAction = nullptr;
    QAction *m_histogramAction = nullptr;
    QAction *m_normalAction = nullptr;
    QAction *m_chiSquaredAction = nullptr;
    QAction *m_tAction = nullptr;
    QAction *m_fAction = nullptr;
    QAction *m_binomialAction = nullptr;
    QAction *m_poissonAction = nullptr;
    QAction *m_aboutAction = nullptr;
    QAction *m_helpAction = nullptr;

    FileDialogRequest m_openRequest;
    // The number the next new editor window carries in its name; it only grows.
    int m_nextDocument = 1;
    QString m_lastFilePath;
    int m_zoomPercent = 100;
    bool m_destroying = false;
    // The window a file is going into, and whether a close came meanwhile.
    EditorWindow *m_loadingEditor = nullptr;
    bool m_closeAfterLoad = false;
};
