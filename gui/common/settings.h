#pragma once
// Settings: what the program remembers between runs, over QSettings. This is
// the one place that knows the keys; every window asks it through the typed
// getters and setters below.

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

class QLineEdit;

class Settings
{
public:
    // The settings of the organisation and application names set in main (or
    // the test's, under QStandardPaths' test mode).
    Settings();

    // The main window's place and size as QWidget::saveGeometry gives them,
    // and the outer rectangle it had on the desktop then (empty when none was
    // stored), so that it comes back only where it still fits.
    QByteArray mainWindowGeometry() const;
    QRect mainWindowFrame() const;
    void setMainWindowGeometry(const QByteArray &geometry, const QRect &frame);

    // The folder a file dialog last left, keyed by what the dialog is for
    // ("open", "save", "histogram data", ...); empty when never used.
    QString lastFolder(const QString &purpose) const;
    void setLastFolder(const QString &purpose, const QString &folder);

    // File > Recent Files: full paths, most recent first, at most
    // MaxRecentFiles.
    static constexpr int MaxRecentFiles = 8;
    QStringList recentFiles() const;
    void setRecentFiles(const QStringList &files);
    // Puts path in front of the list, removes an earlier entry for the same
    // file and keeps the list within MaxRecentFiles; returns the new list.
    QStringList addRecentFile(const QString &path);
    QStringList removeRecentFile(const QString &path);
    // The list with path in front: the rule of addRecentFile on a given list.
    static QStringList withRecentFile(const QStringList &files, const QString &path);

    // The last choices of a dialog (the histogram dialog's intervals, a
    // calculator's entries and area), one value per field; fallback when the
    // dialog has never stored that field.
    QVariant lastChoice(const QString &dialog, const QString &field,
                        const QVariant &fallback = QVariant()) const;
    void setLastChoice(const QString &dialog, const QString &field, const QVariant &value);
    // The texts of a dialog's fields among its last choices, each under the
    // field's object name; a field never stored keeps its text.
    void restoreFieldTexts(const QString &dialog, const QList<QLineEdit *> &fields) const;
    void setFieldTexts(const QString &dialog, const QList<QLineEdit *> &fields);

    // The View menu's zoom of the text and the pictures in percent, 100
    // when never changed.
    int zoomPercent() const;
    void setZoomPercent(int percent);

    // Writes what is pending to disk (the destructor does it too).
    void sync() { m_settings.sync(); }

private:
    QSettings m_settings;
};
