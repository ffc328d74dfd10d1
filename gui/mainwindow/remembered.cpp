// What the main window keeps between runs (its place, the recent files) and
// the files it is handed from outside: the command line and drops.

#include "gui/common/errorbox.h"
#include "gui/common/prompts.h"
#include "gui/common/settings.h"
#include "gui/editor/editorcommands.h"
#include "gui/mainwindow/mainwindow.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QUrl>

namespace {

QStringList LocalFiles(const QMimeData *data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    return paths;
}

} // namespace

bool MainWindow::fitsOn(const QRect &geometry, const QList<QRect> &available)
{
    if (!geometry.isValid())
        return false;
    for (const QRect &area : available) {
        if (area.contains(geometry))
            return true;
    }
    return false;
}

bool MainWindow::restorePlace()
{
    const Settings settings;
    QList<QRect> available;
    for (const QScreen *screen : QGuiApplication::screens())
        available << screen->availableGeometry();
    // A place on a screen that is gone, or a size a smaller or more enlarged
    // screen cannot hold, gives way to the first-run place.
    if (!fitsOn(settings.mainWindowFrame(), available))
        return false;
    return restoreGeometry(settings.mainWindowGeometry());
}

// --- recent files ---------------------------------------------------------------

void MainWindow::createRecentFilesMenu()
{
    m_recentMenu = new QMenu(tr("Recent &Files"), this);
    m_recentMenu->setObjectName(QStringLiteral("recentFilesMenu"));
    m_recentMenu->menuAction()->setObjectName(QStringLiteral("recentFilesMenu"));
    m_recentMenu->setStatusTip(tr("Open a file opened or saved lately."));
    // Another copy of the program may have changed the list meanwhile.
    connect(m_recentMenu, &QMenu::aboutToShow, this, &MainWindow::updateRecentFilesMenu);
    updateRecentFilesMenu();

    // The editor windows' File menu, which stands in for this window's, has
    // the list too, above Exit.
    QMenu *editorFile = m_editorCommands->fileMenu();
    QAction *exit = nullptr;
    for (QAction *action : editorFile->actions()) {
        if (action->objectName() == QLatin1String("actionEditorExit"))
            exit = action;
    }
    editorFile->insertMenu(exit, m_recentMenu);
    editorFile->insertSeparator(exit);
}

void MainWindow::updateRecentFilesMenu()
{
    m_recentMenu->clear();
    const QStringList files = recentFiles();
    int number = 0;
    for (const QString &path : files) {
        ++number;
        QString caption = path;
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *entry = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(number).arg(caption));
        entry->setObjectName(QStringLiteral("recentFile%1").arg(number));
        entry->setData(path);
        // Both commands rebuild this menu, so they run once the entry that
        // started them has finished.
        connect(entry, &QAction::triggered, this, [this, path] {
            QMetaObject::invokeMethod(
                this, [this, path] { RunGuarded([this, path] { openRecentFile(path); }); },
                Qt::QueuedConnection);
        });
    }
    m_recentMenu->addSeparator();
    QAction *clear = m_recentMenu->addAction(tr("Clear list"));
    connect(clear, &QAction::triggered, this, [this] {
        QMetaObject::invokeMethod(this, &MainWindow::clearRecentFiles, Qt::QueuedConnection);
    });
    clear->setObjectName(QStringLiteral("actionClearRecentFiles"));
    clear->setEnabled(!files.isEmpty());
}

QStringList MainWindow::recentFiles() const
{
    return Settings().recentFiles();
}

void MainWindow::rememberFile(const QString &path)
{
    Settings().addRecentFile(path);
    updateRecentFilesMenu();
}

void MainWindow::openRecentFile(const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        Settings().removeRecentFile(path);
        updateRecentFilesMenu();
        Prompts::current().message(
            tr("The file \"%1\" no longer exists. It has been removed from the list of "
               "recent files.")
                .arg(path));
        return;
    }
    openFile(path);
}

void MainWindow::clearRecentFiles()
{
    Settings().setRecentFiles({});
    updateRecentFilesMenu();
}

// --- files dropped on the window --------------------------------------------------

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!LocalFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QStringList paths = LocalFiles(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    // The files open once the drop is over, so that no message holds up the
    // program the files came from.
    QMetaObject::invokeMethod(
        this, [this, paths] { openFiles(paths); }, Qt::QueuedConnection);
}
