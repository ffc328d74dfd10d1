#include "modalscript.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>

ModalScript::ModalScript(int timeLimitMs)
{
    qApp->installEventFilter(this);
    m_watchdog.setSingleShot(true);
    m_watchdog.setInterval(timeLimitMs);
    connect(&m_watchdog, &QTimer::timeout, this, &ModalScript::giveUp);
    m_watchdog.start();
}

ModalScript::~ModalScript()
{
    qApp->removeEventFilter(this);
}

void ModalScript::expect(const char *className, Action action)
{
    m_steps.push_back({QByteArray(className), std::move(action)});
}

bool ModalScript::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Show && event->type() != QEvent::Hide)
        return false;
    auto *window = qobject_cast<QDialog *>(watched);
    if (!window || !window->isWindow())
        return false;
    if (event->type() == QEvent::Hide) {
        ++m_generation;
        return false;
    }
    // One step per showing, even if the platform repeats the show event.
    if (m_scheduledFor == window && m_scheduledGeneration == m_generation)
        return false;
    m_scheduledFor = window;
    m_scheduledGeneration = m_generation;
    const int generation = m_generation;
    QPointer<QDialog> guarded(window);
    QTimer::singleShot(0, this, [this, guarded, generation] { runNext(guarded, generation); });
    return false;
}

void ModalScript::runNext(QPointer<QDialog> window, int generation)
{
    if (!window || !window->isVisible() || generation != m_generation)
        return;
    if (m_steps.empty()) {
        failures << QStringLiteral("unexpected window %1 (\"%2\")")
                        .arg(QString::fromLatin1(window->metaObject()->className()),
                             window->windowTitle());
        window->reject();
        return;
    }
    Step step = std::move(m_steps.front());
    m_steps.pop_front();
    if (!window->inherits(step.className.constData())) {
        failures << QStringLiteral("expected %1, got %2")
                        .arg(QString::fromLatin1(step.className),
                             QString::fromLatin1(window->metaObject()->className()));
        window->reject();
        return;
    }
    if (QApplication::activeModalWidget() != window)
        failures << QStringLiteral("%1 is shown but is not the active modal window")
                        .arg(QString::fromLatin1(step.className));
    ++m_handled;
    step.action(window);
    m_watchdog.start(); // progress: the time limit starts again
}

void ModalScript::giveUp()
{
    failures << QStringLiteral("time limit reached with %1 step(s) left").arg(m_steps.size());
    m_steps.clear();
    // Close every modal window so that the command under test can return.
    while (QWidget *modal = QApplication::activeModalWidget()) {
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
        if (QApplication::activeModalWidget() == modal)
            break;
    }
}
