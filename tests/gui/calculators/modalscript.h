#pragma once
// ModalScript: plays the user at modal windows in window tests.
//
// Steps are queued before the command runs. Each time a dialog window is
// shown, the next step is run on it from the event loop of its modal showing
// (so the step runs while exec() is waiting, as a user's input would). A step
// names the class it expects; a different window, a window with no step left,
// or no progress within the time limit is recorded as a failure and the
// window is closed, so a faulty program ends the test instead of hanging it.

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>

class QDialog;
class QWidget;

class ModalScript : public QObject
{
    Q_OBJECT
public:
    explicit ModalScript(int timeLimitMs = 20000);
    ~ModalScript() override;

    using Action = std::function<void(QDialog *window)>;
    // The next showing must be a window of class className (or a subclass).
    void expect(const char *className, Action action);

    int remaining() const { return int(m_steps.size()); }
    int handled() const { return m_handled; }
    QStringList failures;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Step
    {
        QByteArray className;
        Action action;
    };
    void runNext(QPointer<QDialog> window, int generation);
    void giveUp();

    std::deque<Step> m_steps;
    QPointer<QDialog> m_scheduledFor;
    int m_generation = 0; // counts showings, so one showing gets one step
    int m_scheduledGeneration = -1;
    int m_handled = 0;
    QTimer m_watchdog;
};
