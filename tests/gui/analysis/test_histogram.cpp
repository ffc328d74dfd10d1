// The histogram dialog and the analysis run from the dialog to the results
// window, with every dialog answered by script.

#include "core/analysis/analysisrun.h"
#include "gui/analysis/histogram.h"
#include "gui/analysis/histogramdialog.h"
#include "gui/common/help.h"
#include "gui/viewers/analysisresults.h"
#include "gui/viewers/outputviewer.h"
#include "scriptedprompts.h"
#include "testfiles.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

QCheckBox *Box(HistogramDialog &dialog, const char *name)
{
    return dialog.findChild<QCheckBox *>(QLatin1String(name));
}

QPushButton *Button(QDialog &dialog, const char *name)
{
    return dialog.findChild<QPushButton *>(QLatin1String(name));
}

QLineEdit *Entry(HistogramDialog &dialog)
{
    return dialog.findChild<QLineEdit *>(QStringLiteral("EntryText"));
}

QLabel *Label(HistogramDialog &dialog, const char *name)
{
    return dialog.findChild<QLabel *>(QLatin1String(name));
}

// What a test does each time the histogram dialog appears during a run, and
// how often the results window appeared. A dialog that appears with no step
// left is cancelled, so a faulty run cannot hang the test.
class RunScript : public QObject
{
public:
    using DialogStep = std::function<void(HistogramDialog &)>;

    RunScript() { qApp->installEventFilter(this); }
    ~RunScript() override { qApp->removeEventFilter(this); }

    QList<DialogStep> dialogSteps;
    int dialogShowings = 0;
    int graphShowings = 0;

    // Types the entry and presses OK, after setting the two check boxes.
    static DialogStep enter(const QString &text, bool intervals = true, bool centred = true)
    {
        return [=](HistogramDialog &dialog) {
            if (Box(dialog, "EntryBox")->isChecked() != intervals)
                Box(dialog, "EntryBox")->click();
            Box(dialog, "CenterBox")->setChecked(centred);
            Entry(dialog)->setText(text);
            Button(dialog, "OkBtn")->click();
        };
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Show)
            return false;
        if (auto *dialog = qobject_cast<HistogramDialog *>(watched)) {
            ++dialogShowings;
            QPointer<HistogramDialog> guard(dialog);
            QTimer::singleShot(0, this, [this, guard] {
                if (!guard)
                    return;
                if (dialogSteps.isEmpty()) {
                    Button(*guard, "EscBtn")->click();
                    return;
                }
                dialogSteps.takeFirst()(*guard);
            });
        } else if (qobject_cast<AnalysisResultsWindow *>(watched)) {
            ++graphShowings;
        }
        return false;
    }
};

template <class Window>
int LiveWindows()
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (qobject_cast<Window *>(widget))
            ++count;
    return count;
}

// The results window a run left on screen, if any.
AnalysisResultsWindow *Results()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *results = qobject_cast<AnalysisResultsWindow *>(widget);
            results && results->isVisible())
            return results;
    return nullptr;
}

const QString IntervalsMissing = QStringLiteral("Please enter the number of class intervals.");
const QString IntervalsOutOfRange
    = QStringLiteral("Interval entry must be integer between 1 and 20.");
const QString WidthMissing = QStringLiteral("Please enter the size of class width.");

} // namespace

class HistogramTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void labelsSwapWithTheEntryKind();
    void arrangementAndTabOrder();
    void helpButtonAsksForTheDialogsTopic();
    void entryIsCheckedBeforeTheFileIsAskedFor_data();
    void entryIsCheckedBeforeTheFileIsAskedFor();
    void messagesComeInOrderAndTheDialogKeepsTheEntry();
    void cancellingTheOpenDialogEndsTheRunAndTheNextRunStartsAfresh();
    void runEndsInOneResultsWindowWithPictureAndReport();
    void fileWithColumnsAsksForTheVariable();
    void widthNeedingTooManyClassesSendsTheUserBackToTheDialog();
    void unusableFileEndsTheRunWithOneMessage_data();
    void unusableFileEndsTheRunWithOneMessage();
    void reportThatCannotBeWrittenIsExplained();
    void messagesNameAnAccentedFolderAndShowInvisibleCharacters();
    void decimalCommasAreAskedAboutOnce_data();
    void decimalCommasAreAskedAboutOnce();

private:
    QTemporaryDir m_dir;
    ScriptedPrompts m_prompts;
    std::unique_ptr<ScopedPrompts> m_use;
};

void HistogramTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QStandardPaths::setTestModeEnabled(true);
}

void HistogramTest::init()
{
    QSettings().clear(); // the dialog's first state
    m_prompts.clear();
    m_use = std::make_unique<ScopedPrompts>(m_prompts);
}

void HistogramTest::cleanup()
{
    m_use.reset();
    // A run leaves nothing behind but the results window, which goes when
    // it is closed.
    if (AnalysisResultsWindow *results = Results())
        results->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(LiveWindows<HistogramDialog>(), 0);
    QCOMPARE(LiveWindows<AnalysisResultsWindow>(), 0);
    QCOMPARE(LiveWindows<OutputViewer>(), 0);
}

void HistogramTest::labelsSwapWithTheEntryKind()
{
    HistogramDialog dialog;
    dialog.show();
    QVERIFY(Box(dialog, "EntryBox")->isChecked());
    QVERIFY(Box(dialog, "CenterBox")->isChecked());
    QVERIFY(Entry(dialog)->text().isEmpty());
    QVERIFY(Label(dialog, "Label1")->isVisible());
    QVERIFY(!Label(dialog, "Label2")->isVisible());

    QTest::mouseClick(Box(dialog, "EntryBox"), Qt::LeftButton);
    QVERIFY(!Box(dialog, "EntryBox")->isChecked());
    QVERIFY(!Label(dialog, "Label1")->isVisible());
    QVERIFY(Label(dialog, "Label2")->isVisible());
    QCOMPARE(Label(dialog, "Label2")->text(), QStringLiteral("Size of class width:"));

    QTest::mouseClick(Box(dialog, "EntryBox"), Qt::LeftButton);
    QVERIFY(Label(dialog, "Label1")->isVisible());
    QVERIFY(!Label(dialog, "Label2")->isVisible());
    QCOMPARE(Label(dialog, "Label1")->text(), QStringLiteral("Number of Intervals:"));
}

void HistogramTest::arrangementAndTabOrder()
{
    HistogramDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Histogram data"));

    // The focus starts in the entry field; Tab goes through the boxes, the
    // entry fields, the lists and the buttons in this order.
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("EntryText"));
    const QStringList order{"EntryBox",     "CenterBox", "EntryText",       "AnchorText",
                            "ClosedEndBox", "ScaleBox",  "DecimalCommaBox", "OkBtn",
                            "EscBtn",       "HelpBtn"};
    QStringList visited;
    QWidget *widget = Box(dialog, "EntryBox");
    for (int step = 0; step < order.size(); ++step) {
        visited << widget->objectName();
        widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisible())
            widget = widget->nextInFocusChain();
    }
    QCOMPARE(visited, order);

    // The boxes one above the other, the entry below them with its label on
    // its left; OK, Cancel and Help in a column on the right.
    auto at = [&](QWidget *child) { return child->mapTo(&dialog, QPoint()); };
    QCheckBox *intervals = Box(dialog, "EntryBox");
    QCheckBox *centre = Box(dialog, "CenterBox");
    QLineEdit *entry = Entry(dialog);
    QVERIFY(at(intervals).y() < at(centre).y() && at(centre).y() < at(entry).y());
    QVERIFY(Label(dialog, "Label1")->geometry().right() < at(entry).x());
    QPushButton *ok = Button(dialog, "OkBtn");
    QPushButton *cancel = Button(dialog, "EscBtn");
    QPushButton *help = Button(dialog, "HelpBtn");
    QVERIFY(at(ok).y() < at(cancel).y() && at(cancel).y() < at(help).y());
    for (QPushButton *button : {ok, cancel, help})
        QVERIFY(at(button).x() > intervals->geometry().right()
                && at(button).x() > entry->geometry().right());
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(ok->isDefault());
    QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
    QCOMPARE(help->text(), QStringLiteral("Help"));
}

void HistogramTest::helpButtonAsksForTheDialogsTopic()
{
    struct Recorder : HelpSystem
    {
        QList<int> contexts;
        void showTopics(const QString &) override { }
        void showContext(const QString &, int context) override { contexts << context; }
    } recorder;
    HelpSystem *previous = HelpSystem::install(&recorder);
    HistogramDialog dialog;
    Button(dialog, "HelpBtn")->click();
    HelpSystem::install(previous);
    QCOMPARE(recorder.contexts, QList<int>{6});
    QCOMPARE(helpContext(&dialog), 6);
}

void HistogramTest::entryIsCheckedBeforeTheFileIsAskedFor_data()
{
    QTest::addColumn<bool>("intervals");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("messages"); // "*" stands for the read-error message
    QTest::addColumn<bool>("accepted");

    QTest::newRow("no intervals typed") << true << "" << QStringList{IntervalsMissing} << false;
    QTest::newRow("0 intervals") << true << "0" << QStringList{IntervalsOutOfRange} << false;
    QTest::newRow("21 intervals") << true << "21" << QStringList{IntervalsOutOfRange} << false;
    QTest::newRow("20 intervals") << true << "20" << QStringList{} << true;
    QTest::newRow("1 interval") << true << "1" << QStringList{} << true;
    QTest::newRow("2.5 intervals") << true << "2.5" << QStringList{"*", IntervalsMissing} << false;
    QTest::newRow("words after the number")
        << true << "5 abc" << QStringList{"*", IntervalsMissing} << false;
    QTest::newRow("no width typed") << false << "" << QStringList{WidthMissing} << false;
    QTest::newRow("width not a number")
        << false << "wide" << QStringList{"*", WidthMissing} << false;
    QTest::newRow("width 0") << false << "0" << QStringList{"?"} << false;
    QTest::newRow("negative width") << false << "-1.5" << QStringList{"?"} << false;
    QTest::newRow("width 1.5") << false << "1.5" << QStringList{} << true;
}

void HistogramTest::entryIsCheckedBeforeTheFileIsAskedFor()
{
    QFETCH(bool, intervals);
    QFETCH(QString, text);
    QFETCH(QStringList, messages);
    QFETCH(bool, accepted);

    RunScript script;
    script.dialogSteps << RunScript::enter(text, intervals);
    RunHistogramAnalysis(QString(), nullptr);

    const QStringList shown = m_prompts.texts();
    QCOMPARE(shown.size(), messages.size());
    for (int i = 0; i < messages.size(); ++i) {
        if (messages[i] == QLatin1String("*"))
            QVERIFY2(shown[i].contains(intervals ? QStringLiteral("Integer expected in read")
                                                 : QStringLiteral("Double expected in read")),
                     qPrintable(shown[i]));
        else if (messages[i] == QLatin1String("?"))
            QVERIFY2(!shown[i].isEmpty(), "a refused width must be explained");
        else
            QCOMPARE(shown[i], messages[i]);
    }
    // A refused entry shows the dialog again (cancelled here by the script);
    // an accepted one goes on to the open dialog (cancelled too).
    QCOMPARE(script.dialogShowings, accepted ? 1 : 2);
    QCOMPARE(m_prompts.openRequests.size(), accepted ? 1 : 0);
    QCOMPARE(script.graphShowings, 0);
}

void HistogramTest::messagesComeInOrderAndTheDialogKeepsTheEntry()
{
    RunScript script;
    QStringList entriesSeen;
    auto retype = [&](const QString &text) {
        return [&, text](HistogramDialog &dialog) {
            entriesSeen << Entry(dialog)->text();
            // Typing goes to the entry, its old text selected to be typed over.
            QLineEdit *entry = Entry(dialog);
            if (dialog.focusWidget() != entry || entry->selectedText() != entry->text())
                entriesSeen << QStringLiteral("(not focused and selected)");
            Box(dialog, "CenterBox")->setFocus();
            Entry(dialog)->setText(text);
            Button(dialog, "OkBtn")->click();
        };
    };
    script.dialogSteps << retype(QString()) << retype(QStringLiteral("0"))
                       << retype(QStringLiteral("21")) << retype(QStringLiteral("2.5"))
                       << retype(QStringLiteral("4"));
    RunHistogramAnalysis(QString(), nullptr);

    const QStringList shown = m_prompts.texts();
    QCOMPARE(shown.size(), 5);
    QCOMPARE(shown[0], IntervalsMissing);
    QCOMPARE(shown[1], IntervalsOutOfRange);
    QCOMPARE(shown[2], IntervalsOutOfRange);
    QVERIFY(shown[3].contains(QStringLiteral("Integer expected in read")));
    QCOMPARE(shown[4], IntervalsMissing);
    // Each showing after a message still holds what was typed before it.
    QCOMPARE(entriesSeen, (QStringList{"", "", "0", "21", "2.5"}));
    QCOMPARE(m_prompts.openRequests.size(), 1);
}

void HistogramTest::cancellingTheOpenDialogEndsTheRunAndTheNextRunStartsAfresh()
{
    const QString data = WriteFile(m_dir.filePath(QStringLiteral("cancel.dat")), "1 2 3 4\r\n");
    const QString proposed = m_dir.filePath(QStringLiteral("Proposed.dat"));
    {
        RunScript script;
        script.dialogSteps << RunScript::enter(QStringLiteral("3"), true, false);
        // No open answer queued: the open dialog is cancelled.
        RunHistogramAnalysis(proposed, nullptr);
        QCOMPARE(script.graphShowings, 0);
    }
    QCOMPARE(m_prompts.openRequests.size(), 1);
    const FileDialogRequest request = m_prompts.openRequests.first();
    QCOMPARE(request.title, QStringLiteral("Open Data File"));
    QCOMPARE(request.fileName, proposed);
    QCOMPARE(request.filters.first(), QStringLiteral("Data files (*.dat)"));
    QCOMPARE(request.filters.size(), 4);
    QCOMPARE(request.selectedFilter, 0);
    QVERIFY(request.mustExist);
    QCOMPARE(request.helpContext, 6);
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("cancel.OUT"))));
    QVERIFY(!Results());

    // The next run's dialog starts from the choices of the last one.
    RunScript again;
    bool fresh = false;
    again.dialogSteps << [&](HistogramDialog &dialog) {
        fresh = Box(dialog, "EntryBox")->isChecked() && !Box(dialog, "CenterBox")->isChecked()
            && Entry(dialog)->text() == QLatin1String("3") && !Label(dialog, "Label1")->isHidden()
            && Label(dialog, "Label2")->isHidden();
        Button(dialog, "EscBtn")->click();
    };
    RunHistogramAnalysis(data, nullptr);
    QVERIFY(fresh);
    QCOMPARE(m_prompts.openRequests.size(), 1); // cancelled dialog: no second file request
}

void HistogramTest::runEndsInOneResultsWindowWithPictureAndReport()
{
    // A folder with accented letters must open like any other.
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("Messungen Äß")));
    const QString data = WriteFile(m_dir.filePath(QStringLiteral("Messungen Äß/Sample.dat")),
                                   "1.2 2.4 2.4 3.1 4.0\r\n");
    const QString report = m_dir.filePath(QStringLiteral("Messungen Äß/Sample.OUT"));
    QVERIFY(!data.isEmpty());
    m_prompts.answerOpen(data);
    QWidget frame;
    frame.setGeometry(10, 10, 780, 580); // inside the test screen
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));

    RunScript script;
    QList<QPoint> centres; // of the dialog and the results, as they showed
    script.dialogSteps << [&](HistogramDialog &dialog) {
        centres << dialog.frameGeometry().center();
        RunScript::enter(QStringLiteral("3"), true, false)(dialog);
    };
    RunHistogramAnalysis(data, &frame);

    // One window, not modal, holds the picture and the report; the run has
    // returned and the rest of the program is usable.
    QCOMPARE(script.graphShowings, 1);
    QPointer<AnalysisResultsWindow> results = Results();
    QVERIFY(results);
    centres << results->frameGeometry().center();
    for (const QPoint centre : centres)
        QVERIFY2((centre - frame.frameGeometry().center()).manhattanLength() <= 4,
                 qPrintable(QStringLiteral("%1,%2").arg(centre.x()).arg(centre.y())));
    QCOMPARE(results->windowModality(), Qt::NonModal);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(results->parentWidget(), &frame);
    QVERIFY(m_prompts.shown.isEmpty());

    QFile written(report);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    QVERIFY(bytes.startsWith("                            Random Error Distribution\n"));
    QVERIFY(bytes.contains("                    Arithmetic mean = 2.62 \xC2\xB1"
                           "1.03\n"));

    // The report beside the picture, the picture titled with the data file.
    OutputViewer *viewer = results->findChild<OutputViewer *>();
    QCOMPARE(viewer->fileName(), report);
    QVERIFY2(results->windowTitle().endsWith(QStringLiteral("/Messungen Äß/Sample.OUT")),
             qPrintable(results->windowTitle()));
    QVERIFY(viewer->findChild<QPlainTextEdit *>(QStringLiteral("Text"))
                ->toPlainText()
                .contains(QStringLiteral("Arithmetic mean = 2.62 ±1.03")));
    auto *splitter = results->findChild<QSplitter *>(QStringLiteral("ResultsSplitter"));
    QVERIFY(splitter->isAncestorOf(results->findChild<QWidget *>(QStringLiteral("PicturePanel"))));
    QVERIFY(splitter->isAncestorOf(viewer));
    const QString svg = m_dir.filePath(QStringLiteral("Sample.svg"));
    m_prompts.answerSave(svg);
    results->findChild<QPushButton *>(QStringLiteral("PictureSaveBtn"))->click();
    QCOMPARE(m_prompts.saveRequests.value(0).fileName, QStringLiteral("Sample.png"));
    QVERIFY(ReadBytes(svg).contains(">Histogram of Sample.dat<"));

    // It stays while other windows take the focus, and goes when closed.
    frame.activateWindow();
    QCoreApplication::processEvents();
    QVERIFY(results->isVisible());
    viewer->findChild<QPushButton *>(QStringLiteral("CloseBtn"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!results);
}

void HistogramTest::fileWithColumnsAsksForTheVariable()
{
    // A spreadsheet's export: the dialog comes back for the column, and the
    // report, the histogram and the two pictures of one variable follow it.
    const QString data = WriteFile(m_dir.filePath(QStringLiteral("body.csv")),
                                   "height,weight\n170,65\n180,70\n175,72\n160,55\n");
    m_prompts.answerOpen(data);
    RunScript script;
    script.dialogSteps << RunScript::enter(QStringLiteral("2"), true, false)
                       << [](HistogramDialog &dialog) {
                              auto *columns = dialog.findChild<QComboBox *>("ColumnBox");
                              QVERIFY(columns);
                              columns->setCurrentIndex(columns->findText("weight"));
                              Button(dialog, "OkBtn")->click();
                          };
    RunHistogramAnalysis(data, nullptr);

    QCOMPARE(script.dialogShowings, 2);
    QPointer<AnalysisResultsWindow> results = Results();
    QVERIFY(results);
    QCOMPARE(results->pictureTabs()->count(), 3);
    QFile written(m_dir.filePath(QStringLiteral("body.OUT")));
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    QVERIFY(bytes.contains("Column \"weight\" of body.csv"));
    QVERIFY2(bytes.contains("Arithmetic mean = 65.5"),
             bytes.constData()); // R: mean(c(65,70,72,55))
    delete results;
}

void HistogramTest::widthNeedingTooManyClassesSendsTheUserBackToTheDialog()
{
    const QString data = WriteFile(m_dir.filePath(QStringLiteral("narrow.dat")), "1 2 3 4\r\n");
    m_prompts.answerOpen(data);
    RunScript script;
    // A range of 3 in widths of 0.001 would need 3000 classes.
    script.dialogSteps << RunScript::enter(QStringLiteral("0.001"), false, false);
    RunHistogramAnalysis(data, nullptr);

    QCOMPARE(m_prompts.texts().size(), 1);
    QVERIFY(!m_prompts.texts().first().isEmpty());
    QCOMPARE(script.dialogShowings, 2);
    QCOMPARE(script.graphShowings, 0);
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("narrow.OUT"))));
}

void HistogramTest::unusableFileEndsTheRunWithOneMessage_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("create");
    QTest::newRow("no values") << QByteArray("  \r\n\r\n") << true;
    QTest::newRow("not text") << QByteArray("1 2\0 3\r\n", 8) << true;
    QTest::newRow("gone before reading") << QByteArray() << false;
}

void HistogramTest::unusableFileEndsTheRunWithOneMessage()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, create);
    const QString data = m_dir.filePath(QStringLiteral("unusable.dat"));
    QFile::remove(data);
    if (create)
        QVERIFY(!WriteFile(data, content).isEmpty());
    m_prompts.answerOpen(data);
    RunScript script;
    script.dialogSteps << RunScript::enter(QStringLiteral("3"));
    RunHistogramAnalysis(data, nullptr);

    QCOMPARE(m_prompts.texts().size(), 1);
    QVERIFY(!m_prompts.texts().first().isEmpty());
    QCOMPARE(script.dialogShowings, 1);
    QCOMPARE(script.graphShowings, 0);
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("unusable.OUT"))));
    QVERIFY(!Results());
}

void HistogramTest::reportThatCannotBeWrittenIsExplained()
{
    // A data file that is itself named .OUT would be overwritten by its
    // report; the run refuses at once and says so, naming the file, without
    // a read error for every word of an earlier report or a picture.
    const QByteArray content("                    Arithmetic mean = 2 \xB1"
                             "1.0\r\n");
    const QString data = WriteFile(m_dir.filePath(QStringLiteral("values.OUT")), content);
    m_prompts.answerOpen(data);
    RunScript script;
    script.dialogSteps << RunScript::enter(QStringLiteral("2"));
    RunHistogramAnalysis(data, nullptr);

    QCOMPARE(script.graphShowings, 0);
    QCOMPARE(m_prompts.texts().size(), 1);
    QVERIFY2(m_prompts.texts().first().contains(QStringLiteral("values.OUT")),
             qPrintable(m_prompts.texts().first()));
    QFile kept(data);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), content);
    QVERIFY(!Results());
}

// File names and data lines reach the message box as UTF-8: the folder
// reads "données", a no-break space inside a token is written out, and a
// byte that is no UTF-8 (Windows-1252's no-break space) shows as its code.
void HistogramTest::messagesNameAnAccentedFolderAndShowInvisibleCharacters()
{
    const QString folder = m_dir.filePath(QStringLiteral("donn\u00e9es"));
    QVERIFY(QDir().mkpath(folder));
    const QString data = WriteFile(folder + QStringLiteral("/mesures.dat"),
                                   "1 2\xC2\xA0"
                                   "5 3 \xA0 4 5\r\n");
    m_prompts.answerOpen(data);
    RunScript script;
    script.dialogSteps << RunScript::enter(QStringLiteral("2"));
    RunHistogramAnalysis(data, nullptr);

    QCOMPARE(m_prompts.texts().size(), 1);
    const QString message = m_prompts.texts().first();
    for (const QString &shown : {QStringLiteral("2 tokens that are not numbers were left out of"),
                                 QStringLiteral("donn\u00e9es/mesures.dat"),
                                 QStringLiteral("\"2\\u00A05\""), QStringLiteral("\"\\xA0\"")})
        QVERIFY2(message.contains(shown), qPrintable(shown + QStringLiteral(" in ") + message));
    QCOMPARE(script.graphShowings, 1);
}

void HistogramTest::decimalCommasAreAskedAboutOnce_data()
{
    QTest::addColumn<bool>("boxChecked");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("questions");
    QTest::addColumn<QString>("count");
    QTest::newRow("asked, yes") << false << int(QMessageBox::Yes) << 1 << "3\n";
    QTest::newRow("asked, no") << false << int(QMessageBox::No) << 1 << "6\n";
    QTest::newRow("box checked") << true << int(QMessageBox::No) << 0 << "3\n";
}

// Commas between digits and no decimal point in the file: unless the
// Decimal comma box says so, the user is asked once how to read them.
void HistogramTest::decimalCommasAreAskedAboutOnce()
{
    QFETCH(bool, boxChecked);
    QFETCH(int, answer);
    QFETCH(int, questions);
    QFETCH(QString, count);
    const QString data = WriteFile(m_dir.filePath(QStringLiteral("comma.dat")), "3,6 1,8\n3,333\n");
    m_prompts.answerOpen(data);
    m_prompts.answerConfirm(QMessageBox::StandardButton(answer));
    RunScript script;
    script.dialogSteps << [=](HistogramDialog &dialog) {
        Box(dialog, "DecimalCommaBox")->setChecked(boxChecked);
        Entry(dialog)->setText(QStringLiteral("2"));
        Button(dialog, "OkBtn")->click();
    };
    RunHistogramAnalysis(data, nullptr);

    QCOMPARE(m_prompts.texts(PromptKind::Confirm).size(), questions);
    QFile report(m_dir.filePath(QStringLiteral("comma.OUT")));
    QVERIFY(report.open(QIODevice::ReadOnly));
    const QString written = QString::fromUtf8(report.readAll());
    QVERIFY(written.contains("Number of data elements: " + count));
    // Read again with decimal commas, the classes are those of the entry.
    if (count == "3\n")
        QVERIFY2(written.contains("Selected Class Interval: 0.9000\n"), qPrintable(written));
    if (AnalysisResultsWindow *results = Results())
        results->findChild<QPushButton *>(QStringLiteral("CloseBtn"))->click();
}

QTEST_MAIN(HistogramTest)
#include "test_histogram.moc"
