#pragma once
// DiskWatch: what an editor window knows of its file on disk. The size and
// modification time seen when the file was last read or written are kept;
// a change by another program is announced by the system's file watcher and
// confirmed against them, so that the window's own saves never count.

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>

class DiskWatch : public QObject
{
    Q_OBJECT
public:
    explicit DiskWatch(QObject *parent = nullptr);

    // The file as it is now is the one the window holds (after a load or a
    // save); an empty path stops watching.
    void remember(const QString &path);
    // The file as it is now has been shown to the user, who kept the window's
    // text: no more questions until it changes again.
    void acknowledge();
    // The file differs from the one remembered (or acknowledged): written,
    // replaced or deleted by someone else.
    bool changed() const;
    // The file differs from the one the window read or wrote last, even if
    // the user has seen the change.
    bool changedSinceRead() const;
    // Deleted or moved away since it was remembered.
    bool gone() const;
    QString path() const { return m_path; }

signals:
    // The system reported a change that changed() confirms.
    void changedOnDisk();

private:
    struct Stamp
    {
        bool exists = false;
        qint64 size = 0;
        QDateTime modified;
        quint64 inode = 0;
        bool operator==(const Stamp &other) const = default;
    };
    Stamp stampNow() const;
    void watch();

    QFileSystemWatcher m_watcher;
    QString m_path;
    Stamp m_read;  // as read or written by the window
    Stamp m_known; // as last shown to the user
};
