#include "gui/editor/loadingguard.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <QWidget>

LoadingGuard::LoadingGuard(QWidget *editor, const QString &caption)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    qApp->installEventFilter(this);
    if (!caption.isEmpty()) {
        QWidget *owner
            = editor->window() != editor ? editor->window() : QApplication::activeWindow();
        m_progress = new QProgressDialog(caption, QString(), 0, 100, owner);
        m_progress->setObjectName(QStringLiteral("openProgress"));
        m_progress->setWindowTitle(QStringLiteral("Mervan Editor"));
        m_progress->setCancelButton(nullptr);
        m_progress->setMinimumDuration(0);
        m_progress->setAutoClose(false);
        m_progress->setValue(0);
    }
    QCoreApplication::processEvents();
}

LoadingGuard::~LoadingGuard()
{
    QCoreApplication::processEvents();
    delete m_progress;
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
}

void LoadingGuard::progress(int percent)
{
    if (m_progress)
        m_progress->setValue(percent);
    QCoreApplication::processEvents();
}

void LoadingGuard::hold(int milliseconds)
{
    QEventLoop wait;
    QTimer::singleShot(milliseconds, &wait, &QEventLoop::quit);
    wait.exec();
}

bool LoadingGuard::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        event->ignore();
        return true;
    default:
        return false;
    }
}
