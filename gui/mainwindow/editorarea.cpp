// The main window's editor windows: making, opening, finding and closing
// them, and the status bar's view of the active one's file format.

#include "gui/common/errorbox.h"
#include "gui/common/settings.h"
#include "gui/editor/editorwindow.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/mainwindow/screensize.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QToolButton>

#include <memory>

void MainWindow::createFormatButtons()
{
    const auto button = [this](const QString &name, const QString &tip) {
        auto *b = new QToolButton(this);
        b->setObjectName(name);
        b->setToolTip(tip);
        b->setAutoRaise(true);
        b->setPopupMode(QToolButton::InstantPopup);
        b->setMenu(new QMenu(b));
        statusBar()->addPermanentWidget(b);
        return b;
    };
    m_encodingButton
        = button(QStringLiteral("encodingButton"), tr("The encoding the next Save writes"));
    for (const TextEncoding encoding :
         {TextEncoding::Utf8, TextEncoding::Utf8Bom, TextEncoding::Windows1252,
          TextEncoding::Utf16Le, TextEncoding::Utf16Be, TextEncoding::Utf32Le,
          TextEncoding::Utf32Be}) {
        m_encodingButton->menu()->addAction(EncodingName(encoding), this, [this, encoding] {
            if (EditorWindow *editor = activeEditor())
                editor->setEncoding(encoding);
        });
    }
    m_lineEndButton = button(QStringLiteral("lineEndButton"),
                             tr("How lines end: the next Save writes every line so"));
    for (const LineEnd end : {LineEnd::Lf, LineEnd::CrLf, LineEnd::Cr}) {
        m_lineEndButton->menu()->addAction(LineEndName(end), this, [this, end] {
            if (EditorWindow *editor = activeEditor())
                editor->setLineEnds(end);
        });
    }
}

void MainWindow::updateFormatButtons()
{
    EditorWindow *editor = activeEditor();
    disconnect(m_formatConnection);
    m_encodingButton->setVisible(editor);
    m_lineEndButton->setVisible(editor);
    if (!editor)
        return;
    m_formatConnection
        = connect(editor, &EditorWindow::formatChanged, this, &MainWindow::updateFormatButtons);
    m_encodingButton->setText(EncodingName(editor->encoding()));
    m_lineEndButton->setText(editor->mixedLineEnds()
                                 ? tr("%1 (mixed)").arg(LineEndName(editor->newLineEnd()))
                                 : LineEndName(editor->newLineEnd()));
}

// --- editor windows -----------------------------------------------------------

QMdiSubWindow *MainWindow::addEditor(EditorWindow *editor)
{
    connect(editor, &EditorWindow::filePathAssigned, this,
            [this](const QString &path) { m_lastFilePath = path; });
    // A file saved under a new name joins the recent files once it is on
    // disk; a new window's proposed name does not. Queued, so the editor is
    // the context: a window closed before the call comes takes it along.
    connect(
        editor, &EditorWindow::filePathAssigned, editor,
        [this, editor](const QString &path) {
            if (!editor->isUntitled() && QFileInfo(path).isFile())
                rememberFile(path);
        },
        Qt::QueuedConnection);
    connect(editor, &EditorWindow::statusNote, this,
            [this](const QString &note) { statusBar()->showMessage(note, 10000); });
    QMdiSubWindow *window = m_mdiArea->addSubWindow(editor);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowIcon(windowIcon());
    // The menus and the tool bar follow the windows that remain.
    connect(window, &QObject::destroyed, this, &MainWindow::updateMenus, Qt::QueuedConnection);
    window->show();
    return window;
}

void MainWindow::newFile()
{
    // The name is only proposed (the first Save asks), and never one that a
    // file in the folder already has.
    QString name;
    do {
        name = QStringLiteral("DOC%1.dat").arg(m_nextDocument++);
    } while (QFileInfo::exists(name) || QFileInfo(name).isSymLink());
    auto *editor = new EditorWindow;
    QMdiSubWindow *window = addEditor(editor);
    editor->setFilePath(name);
    editor->setUntitled(true);
    editor->setCaption(name);
    window->resize(RoundHalfEven(width() * 0.7), RoundHalfEven(height() * 0.5));
    bringForward(window);
}

void MainWindow::open()
{
    const QString path = Prompts::current().openFileName(this, m_openRequest);
    if (path.isEmpty())
        return;
    // The dialog starts from the last choice next time.
    const QFileInfo chosen(path);
    m_openRequest.directory = chosen.absolutePath();
    m_openRequest.fileName = chosen.fileName();
    openFile(path);
}

bool MainWindow::openFile(const QString &path)
{
    // A file that a window holds already: that window comes forward rather
    // than a second copy that could overwrite the first one's edits.
    if (QMdiSubWindow *holder = windowHolding(path)) {
        if (holder->isMinimized())
            holder->showNormal();
        m_mdiArea->setActiveSubWindow(holder);
        holder->raise();
        holder->widget()->setFocus();
        rememberFile(path);
        return true;
    }

    // A file that cannot be read ends the command here, before any window.
    auto editor = std::make_unique<EditorWindow>();
    m_loadingEditor = editor.get();
    bool loaded = false;
    try {
        loaded = editor->load(path);
    } catch (...) {
        m_loadingEditor = nullptr;
        throw;
    }
    m_loadingEditor = nullptr;
    if (m_closeAfterLoad) {
        // The main window was asked to close meanwhile: the half-read file is
        // dropped and the close goes on, with its questions, once this
        // command is over.
        m_closeAfterLoad = false;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        return false;
    }
    if (!loaded)
        return false;
    editor->setCaption(path);
    rememberFile(path);
    m_lastFilePath = path;
    QMdiSubWindow *window = addEditor(editor.release());
    const QSize screen = PrimaryScreenSize();
    window->resize(RoundHalfEven(screen.width() * 0.7), RoundHalfEven(screen.height() * 0.5));
    bringForward(window);
    return true;
}

void MainWindow::openFiles(const QStringList &paths)
{
    // Each file on its own: one that is missing or cannot be read says so,
    // and the others still open.
    for (const QString &path : paths) {
        if (!QFileInfo(path).isFile()) {
            Prompts::current().error(tr("Cannot find the file \"%1\".").arg(path));
            continue;
        }
        RunGuarded([this, &path] { openFile(QFileInfo(path).absoluteFilePath()); });
    }
}

QMdiSubWindow *MainWindow::windowHolding(const QString &path) const
{
    const QFileInfo wanted(path);
    for (QMdiSubWindow *window : editorWindows()) {
        auto *editor = qobject_cast<EditorWindow *>(window->widget());
        if (editor && !editor->isUntitled()
            && QFileInfo(editor->fileDir() + editor->fileName()) == wanted)
            return window;
    }
    return nullptr;
}

// A new editor window comes to the front with the keyboard in its text, one
// title bar's height down and right from the window before it; a window that
// would leave the area starts again at the top left.
void MainWindow::bringForward(QMdiSubWindow *window)
{
    int others = 0;
    for (QMdiSubWindow *other : m_mdiArea->subWindowList()) {
        if (other != window && other->isVisible() && !other->isMinimized())
            ++others;
    }
    QStyleOptionTitleBar option;
    option.initFrom(m_mdiArea);
    const int step
        = std::max(8, style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, m_mdiArea));
    // Before the window is first shown the area has no size of its own yet.
    const QSize area = m_mdiArea->isVisible() ? m_mdiArea->viewport()->size()
                                              : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const QSize size = window->size().boundedTo(area).expandedTo(window->minimumSizeHint());
    int offset = others * step;
    if (offset + size.width() > area.width() || offset + size.height() > area.height())
        offset = 0;
    window->setGeometry(QRect(QPoint(offset, offset), size));
    window->show();
    window->raise();
    m_mdiArea->setActiveSubWindow(window);
    window->widget()->setFocus();
}

QList<QMdiSubWindow *> MainWindow::editorWindows() const
{
    return m_mdiArea->subWindowList(QMdiArea::CreationOrder);
}

QMdiSubWindow *MainWindow::activeSubWindow() const
{
    return m_mdiArea->currentSubWindow();
}

EditorWindow *MainWindow::activeEditor() const
{
    QMdiSubWindow *window = activeSubWindow();
    return window ? qobject_cast<EditorWindow *>(window->widget()) : nullptr;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_loadingEditor) {
        // A file is still going into a new window: stop it; the close comes
        // back once the loading command has ended.
        m_loadingEditor->cancelLoad();
        m_closeAfterLoad = true;
        event->ignore();
        return;
    }
    // Every question is answered before anything is saved or closed, so that
    // Cancel at the last one leaves every window as it was.
    QList<QPointer<EditorWindow>> toSave;
    for (QMdiSubWindow *window : editorWindows()) {
        auto *editor = qobject_cast<EditorWindow *>(window->widget());
        if (!editor)
            continue;
        if (editor->isPrinting() || editor->isLoading()) {
            window->close(); // says why it stays open
            event->ignore();
            return;
        }
        if (!editor->isModified())
            continue;
        const QMessageBox::StandardButton answer = editor->askToSave();
        if (answer != QMessageBox::Yes && answer != QMessageBox::No) {
            event->ignore();
            return;
        }
        if (answer == QMessageBox::Yes)
            toSave << editor;
    }
    for (const QPointer<EditorWindow> &editor : toSave) {
        // A save that fails or is cancelled keeps the program running.
        if (editor && !editor->save()) {
            event->ignore();
            return;
        }
    }
    for (QMdiSubWindow *window : editorWindows()) {
        auto *editor = qobject_cast<EditorWindow *>(window->widget());
        if (editor ? !editor->closeWithoutAsking() : !window->close()) {
            event->ignore();
            return;
        }
    }
    Settings().setMainWindowGeometry(saveGeometry(), frameGeometry());
    event->accept();
}
