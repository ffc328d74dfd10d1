#pragma once
// Reading and writing whole files in window tests.

#include <QByteArray>
#include <QFile>
#include <QString>

inline QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

inline bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Writes the file and gives its path back, or an empty path when it failed.
inline QString WriteFile(const QString &path, const QByteArray &bytes)
{
    return WriteBytes(path, bytes) ? path : QString();
}
