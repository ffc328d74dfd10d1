#pragma once
// TFrameForm: the program's main window. A multiple-document frame that holds
// the editor windows, carries the main menu, the tool bar and the clock panel,
// and starts every analysis and calculation.

#include "gui/common/prompts.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QMainWindow>
#include <QRect>
#include <QSize>

class QAction;
class QFrame;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QMenuBar;
class QTimer;
class QToolButton;
class TChild;

class TFrameForm : public QMainWindow
{
    Q_OBJECT
public:
    struct Options
    {
        // Show the About box for two to three seconds while starting. Tests
        // leave it out.
        bool splash = true;
        // Closing this frame ends the program's event loop.
        bool endsProgram = false;
    };

    explicit TFrameForm(const Options &options, QWidget *parent = nullptr);
    TFrameForm()
        : TFrameForm(Options{})
    { }
    ~TFrameForm() override;

    // --- controls, in the order of the window's design ---------------------
    QMenuBar *MainMenu1 = nullptr;
    QMenu *File1 = nullptr;
    QAction *New1 = nullptr;
    QAction *Open1 = nullptr;
    QAction *N1 = nullptr;
    QAction *Exit1 = nullptr;
    QMenu *Window1 = nullptr;
    QAction *Tile1 = nullptr;
    QAction *Cascade1 = nullptr;
    QAction *Arrangeicons1 = nullptr;
    QMenu *Programs1 = nullptr;
    QAction *N6 = nullptr;
    QMenu *About1 = nullptr;
    QAction *About2 = nullptr;
    QWidget *Panel1 = nullptr;
    QTimer *Timer1 = nullptr;
    QFrame *Bevel1 = nullptr;
    QLabel *TimeLabel = nullptr;
    QLabel *DateLabel = nullptr;
    QAction *Help1 = nullptr;
    QAction *Histogramdata1 = nullptr;
    QAction *X2distribution1 = nullptr;
    QAction *tdistribution1 = nullptr;
    QAction *Fdistribution1 = nullptr;
    QAction *Normaldistribution1 = nullptr;
    FileDialogRequest OpenFileDialog;
    QWidget *ToolBar1 = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    QToolButton *SpeedButton2 = nullptr;
    QWidget *Splitter1 = nullptr;
    QToolButton *SpeedButton3 = nullptr;
    QToolButton *SpeedButton4 = nullptr;
    QToolButton *SpeedButton5 = nullptr;
    QToolButton *SpeedButton6 = nullptr;
    QToolButton *SpeedButton7 = nullptr;
    QWidget *Splitter2 = nullptr;
    QToolButton *SpeedButton8 = nullptr;

    QMdiArea *ClientArea = nullptr; // where the editor windows live

    // The number the next new editor window carries in its name; it only grows.
    int DocNumber = 0;
    // The date the clock panel shows.
    QDate ShownDate;

    // --- operations ----------------------------------------------------------
    // Lays out the clock panel: the bevel fitted to both labels at the panel's
    // right edge, the labels inside it.
    virtual void Resize(QObject *sender);

    void New1Click(QObject *sender);
    void OpenWindow();
    void Open1Click(QObject *sender);
    void Exit1Click(QObject *sender);
    void Tile1Click(QObject *sender);
    void Cascade1Click(QObject *sender);
    void Arrangeicons1Click(QObject *sender);
    void Timer1Timer(QObject *sender);
    void Help1Click(QObject *sender);
    void About2Click(QObject *sender);
    void Histogramdata1Click(QObject *sender);
    void Normaldistribution1Click(QObject *sender);
    void tdistribution1Click(QObject *sender);
    void X2distribution1Click(QObject *sender);
    void Fdistribution1Click(QObject *sender);

    // One clock tick at the moment now: the date label changes when the day
    // has changed since it was last set, the time label always.
    void ClockTick(const QDateTime &now);

    // Where the frame goes on a screen of the given size: half the screen in
    // each direction (a half rounded to the even neighbour), centred.
    static QRect FrameGeometry(const QSize &screen);
    // Places the frame by FrameGeometry on the primary screen.
    void placeOnScreen();

    // The editor windows, in the order they were created, and the active one.
    QList<QMdiSubWindow *> editorWindows() const;
    QMdiSubWindow *activeEditorWindow() const;
    TChild *activeChild() const;

    // The window whose help file a help request from the frame goes to.
    QWidget *helpWindow() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void StartUp(bool splash);
    void createActions();
    void createMenus();
    void createToolBar();
    void createClockPanel();
    QToolButton *addSpeedButton(const QString &name, const QIcon &icon, const QString &hint,
                                void (TFrameForm::*handler)(QObject *));
    QMdiSubWindow *addEditor(TChild *child);
    void connectEditor(TChild *child);
    void bringForward(QMdiSubWindow *window, TChild *child);
    void cascadeEditors();
    void rebuildMenuBar();
    void fillWindowMenu();
    void runCommand(void (TFrameForm::*handler)(QObject *), QObject *sender);

    Options m_options;
    QList<QAction *> m_windowListActions;
    bool m_destroying = false;
};

// The program's main window.
extern TFrameForm *FrameForm;
