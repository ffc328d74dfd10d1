// The View menu: the zoom of the editor text, the reports and the pictures.

#include "gui/common/fonts.h"
#include "gui/common/help.h"
#include "gui/common/settings.h"
#include "gui/mainwindow/mainwindow.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QStatusBar>

namespace {

// The help topic of the View menu.
constexpr int HelpContext = 12;

} // namespace

void MainWindow::createViewMenu()
{
    m_viewMenu = new QMenu(tr("&View"), this);
    m_viewMenu->setObjectName(QStringLiteral("viewMenu"));
    m_viewMenu->menuAction()->setObjectName(QStringLiteral("viewMenu"));
    const QString menuHint = tr("Enlarge or reduce the text and the pictures.");
    m_viewMenu->setStatusTip(menuHint);
    setMenuHelp(m_viewMenu, menuHint, HelpContext);

    const auto item = [this](const QString &name, const QString &caption, const QString &hint,
                             const QList<QKeySequence> &keys, void (MainWindow::*slot)()) {
        QAction *action = m_viewMenu->addAction(caption);
        action->setObjectName(name);
        action->setStatusTip(hint);
        action->setShortcuts(keys);
        // The keys work in the analysis results and the report viewer too,
        // the windows a projector shows.
        action->setShortcutContext(Qt::ApplicationShortcut);
        setHelpContext(action, HelpContext);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    // Ctrl+= as well as Ctrl++: on most keyboards + needs Shift.
    item(QStringLiteral("actionZoomIn"), tr("Zoom &In"), tr("Enlarge the text and the pictures."),
         {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
         &MainWindow::zoomIn);
    item(QStringLiteral("actionZoomOut"), tr("Zoom &Out"), tr("Reduce the text and the pictures."),
         {QKeySequence(QKeySequence::ZoomOut)}, &MainWindow::zoomOut);
    item(QStringLiteral("actionActualSize"), tr("&Actual Size"),
         tr("Show the text and the pictures at their normal size."),
         {QKeySequence(Qt::CTRL | Qt::Key_0)}, &MainWindow::zoomToActualSize);

    m_zoomPercent = BoundedZoom(Settings().zoomPercent());
}

void MainWindow::setZoomPercent(int percent)
{
    const int bounded = BoundedZoom(percent);
    Settings().setZoomPercent(bounded);
    if (bounded == m_zoomPercent)
        return;
    m_zoomPercent = bounded;
    ApplyZoom(bounded);
    statusBar()->showMessage(tr("Zoom %1 %").arg(bounded), 3000);
    emit zoomChanged(bounded);
}

void MainWindow::zoomIn()
{
    setZoomPercent(SteppedZoom(m_zoomPercent, 1));
}

void MainWindow::zoomOut()
{
    setZoomPercent(SteppedZoom(m_zoomPercent, -1));
}

void MainWindow::zoomToActualSize()
{
    setZoomPercent(100);
}
