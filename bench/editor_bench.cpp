// Opening a 20 MB tab-separated data file (about 370,000 lines) the way
// File > Open does, through the main window, and searching it from the top
// for a string it does not hold. Prints the wall and processor time of each
// (aims: the open under 0.5 s of processor time, the search under 0.3 s) and
// the memory the open took against the file's size (aim: under 3 times at
// the peak).

#include "benchclock.h"
#include "gui/common/prompts.h"
#include "gui/editor/editorwindow.h"
#include "gui/mainwindow/mainwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <cstdio>
#include <random>

namespace {

// Answers every question silently and counts the messages.
class SilentPrompts : public Prompts
{
public:
    int shown = 0;
    void message(const QString &) override { ++shown; }
    void information(const QString &) override { ++shown; }
    QMessageBox::StandardButton confirm(const QString &) override { return QMessageBox::No; }
    void error(const QString &) override { ++shown; }
    QString file; // what the open dialog answers
    QString openFileName(QWidget *, const FileDialogRequest &) override { return file; }
    QString saveFileName(QWidget *, const FileDialogRequest &) override { return {}; }
    bool printDialog(QWidget *, QPrinter &) override { return false; }
    bool printerSetup(QWidget *, QPrinter &) override { return false; }
    bool chooseFont(QWidget *, QFont &) override { return false; }
    bool openUrl(const QUrl &) override { return false; }
};

// Numbers separated by tabs, six to a line.
QByteArray DataFile(qsizetype size)
{
    std::mt19937 random(20240601);
    std::uniform_real_distribution<double> value(-1000.0, 1000.0);
    QByteArray bytes;
    bytes.reserve(size + 100);
    char number[32];
    int onLine = 0;
    while (bytes.size() < size) {
        std::snprintf(number, sizeof number, "%.4f", value(random));
        bytes.append(number);
        if (++onLine == 6) {
            bytes.append("\r\n");
            onLine = 0;
        } else {
            bytes.append('\t');
        }
    }
    return bytes;
}

// A figure from /proc/self/status in kB, such as VmRSS or VmHWM; 0 elsewhere.
long long StatusKilobytes(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SilentPrompts prompts;
    Prompts::install(&prompts);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.dat"));
    QByteArray bytes = DataFile(20 * 1024 * 1024);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    file.close();

    const qsizetype fileBytes = bytes.size();
    bytes = QByteArray();

    MainWindow window;
    window.show();
    QCoreApplication::processEvents();
    prompts.file = path;
    const long long rssBefore = StatusKilobytes("VmRSS");
    QElapsedTimer timer;
    timer.start();
    double cpu = ProcessMilliseconds();
    window.open();
    QCoreApplication::processEvents();
    const qint64 openMs = timer.elapsed();
    EditorWindow *opened = window.activeEditor();
    if (!opened) {
        std::fprintf(stderr, "the file did not open\n");
        return 1;
    }
    EditorWindow &editor = *opened;
    std::printf("open 20 MB data file: %lld ms wall, %.0f ms processor (%d lines)\n",
                static_cast<long long>(openMs), ProcessMilliseconds() - cpu,
                editor.document()->blockCount());
    const double fileMb = fileBytes / (1024.0 * 1024.0);
    const double heldMb = (StatusKilobytes("VmRSS") - rssBefore) / 1024.0;
    const double peakMb = (StatusKilobytes("VmHWM") - rssBefore) / 1024.0;
    std::printf("memory for the open: %.0f MB held, %.0f MB at peak (%.1f and %.1f times the "
                "file)\n",
                heldMb, peakMb, heldMb / fileMb, peakMb / fileMb);

    for (const bool matchCase : {false, true}) {
        editor.restartSearch(matchCase);
        const int before = prompts.shown;
        timer.restart();
        cpu = ProcessMilliseconds();
        editor.findNext(QStringLiteral("not in this file"));
        const qint64 findMs = timer.elapsed();
        std::printf("search for a missing string (%s): %lld ms wall, %.0f ms processor%s\n",
                    matchCase ? "match case" : "any case", static_cast<long long>(findMs),
                    ProcessMilliseconds() - cpu,
                    prompts.shown == before + 1 ? "" : " (no not-found message!)");
    }
    editor.document()->setModified(false);
    Prompts::install(nullptr);
    return 0;
}
