#include "gui/common/settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>

namespace {

// The keys, in one place.
const QString GeometryKey = QStringLiteral("mainWindow/geometry");
const QString FrameKey = QStringLiteral("mainWindow/frame");
const QString RecentFilesKey = QStringLiteral("recentFiles");
const QString ZoomKey = QStringLiteral("view/zoom");

// QSettings takes '/' as a group separator; a purpose or field is one key.
QString KeyPart(const QString &name)
{
    QString part = name;
    part.replace(QLatin1Char('/'), QLatin1Char('_'));
    part.replace(QLatin1Char('\\'), QLatin1Char('_'));
    return part;
}

QString ChoiceKey(const QString &dialog, const QString &field)
{
    return QStringLiteral("choices/") + KeyPart(dialog) + QLatin1Char('/') + KeyPart(field);
}

// Two paths name the same file when their absolute, cleaned forms agree; the
// file need not exist any more.
bool SameFile(const QString &a, const QString &b)
{
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

Settings::Settings()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope,
                 QCoreApplication::organizationName(), QCoreApplication::applicationName())
{ }

QByteArray Settings::mainWindowGeometry() const
{
    return m_settings.value(GeometryKey).toByteArray();
}

QRect Settings::mainWindowFrame() const
{
    return m_settings.value(FrameKey).toRect();
}

void Settings::setMainWindowGeometry(const QByteArray &geometry, const QRect &frame)
{
    m_settings.setValue(GeometryKey, geometry);
    m_settings.setValue(FrameKey, frame);
}

QString Settings::lastFolder(const QString &purpose) const
{
    return m_settings.value(QStringLiteral("lastFolder/") + KeyPart(purpose)).toString();
}

void Settings::setLastFolder(const QString &purpose, const QString &folder)
{
    m_settings.setValue(QStringLiteral("lastFolder/") + KeyPart(purpose), folder);
}

QStringList Settings::recentFiles() const
{
    QStringList files = m_settings.value(RecentFilesKey).toStringList();
    // A list edited by hand may be longer or hold blanks.
    files.removeAll(QString());
    return files.mid(0, MaxRecentFiles);
}

void Settings::setRecentFiles(const QStringList &files)
{
    m_settings.setValue(RecentFilesKey, files.mid(0, MaxRecentFiles));
}

QStringList Settings::withRecentFile(const QStringList &files, const QString &path)
{
    const QString full = QFileInfo(path).absoluteFilePath();
    QStringList list{full};
    for (const QString &file : files) {
        if (!SameFile(file, full) && list.size() < MaxRecentFiles)
            list << file;
    }
    return list;
}

QStringList Settings::addRecentFile(const QString &path)
{
    const QStringList files = withRecentFile(recentFiles(), path);
    setRecentFiles(files);
    return files;
}

QStringList Settings::removeRecentFile(const QString &path)
{
    QStringList files = recentFiles();
    files.removeIf([&path](const QString &file) { return SameFile(file, path); });
    setRecentFiles(files);
    return files;
}

QVariant Settings::lastChoice(const QString &dialog, const QString &field,
                              const QVariant &fallback) const
{
    return m_settings.value(ChoiceKey(dialog, field), fallback);
}

void Settings::setLastChoice(const QString &dialog, const QString &field, const QVariant &value)
{
    m_settings.setValue(ChoiceKey(dialog, field), value);
}

void Settings::restoreFieldTexts(const QString &dialog, const QList<QLineEdit *> &fields) const
{
    for (QLineEdit *edit : fields) {
        const QVariant text = lastChoice(dialog, edit->objectName());
        if (text.isValid())
            edit->setText(text.toString());
    }
}

void Settings::setFieldTexts(const QString &dialog, const QList<QLineEdit *> &fields)
{
    for (const QLineEdit *edit : fields)
        setLastChoice(dialog, edit->objectName(), edit->text());
}

int Settings::zoomPercent() const
{
    return m_settings.value(ZoomKey, 100).toInt();
}

void Settings::setZoomPercent(int percent)
{
    m_settings.setValue(ZoomKey, percent);
}
