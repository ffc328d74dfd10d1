#pragma once
// LoadingGuard: while a file goes into an editor window, a busy cursor, a
// progress bar for a large file, and no keys or clicks for any window, not
// even those still waiting when the loading ends.

#include <QObject>
#include <QString>

class QProgressDialog;
class QWidget;

class LoadingGuard : public QObject
{
public:
    // An empty caption shows no progress bar.
    LoadingGuard(QWidget *editor, const QString &caption);
    ~LoadingGuard() override;
    LoadingGuard(const LoadingGuard &) = delete;
    LoadingGuard &operator=(const LoadingGuard &) = delete;

    // Moves the bar and lets the screen catch up.
    void progress(int percent);
    // Lets events run for the given time, input still held back.
    void hold(int milliseconds);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QProgressDialog *m_progress = nullptr;
};
