#include "gui/editor/diskwatch.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

DiskWatch::DiskWatch(QObject *parent)
    : QObject(parent)
{
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, [this] {
        // A file replaced by a rename is a new file to the watcher: watch it
        // again under its name.
        watch();
        if (changed())
            emit changedOnDisk();
    });
    // A file that comes back in a watched folder (an editor that saves by
    // writing a new file and renaming it) is found through its folder.
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        if (!m_watcher.files().contains(m_path) && QFileInfo::exists(m_path))
            watch();
        if (changed())
            emit changedOnDisk();
    });
}

DiskWatch::Stamp DiskWatch::stampNow() const
{
    Stamp stamp;
    struct stat info
    { };
    if (m_path.isEmpty() || ::stat(QFile::encodeName(m_path).constData(), &info) != 0)
        return stamp;
    stamp.exists = true;
    stamp.size = info.st_size;
    stamp.modified = QDateTime::fromMSecsSinceEpoch(qint64(info.st_mtim.tv_sec) * 1000
                                                    + info.st_mtim.tv_nsec / 1000000);
    stamp.inode = info.st_ino;
    return stamp;
}

void DiskWatch::watch()
{
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
    if (m_path.isEmpty())
        return;
    if (QFileInfo::exists(m_path))
        m_watcher.addPath(m_path);
    const QString folder = QFileInfo(m_path).absolutePath();
    if (QFileInfo::exists(folder))
        m_watcher.addPath(folder);
}

void DiskWatch::remember(const QString &path)
{
    m_path = path;
    m_read = stampNow();
    m_known = m_read;
    watch();
}

void DiskWatch::acknowledge()
{
    m_known = stampNow();
}

bool DiskWatch::changed() const
{
    if (m_path.isEmpty())
        return false;
    const Stamp now = stampNow();
    return !(now == m_read) && !(now == m_known);
}

bool DiskWatch::changedSinceRead() const
{
    return !m_path.isEmpty() && !(stampNow() == m_read);
}

bool DiskWatch::gone() const
{
    return m_read.exists && !QFileInfo::exists(m_path);
}
