#pragma once
// What the tests of the histogram dialog and of its runs share: the
// dialog's parts by name, a script that answers the dialog each time it
// appears, and the set-up that leaves no window behind.

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

#include <QSettings>
#include <QStandardPaths>
#include <functional>

#include <memory>

inline QCheckBox *Box(HistogramDialog &dialog, const char *name)
{
    return dialog.findChild<QCheckBox *>(QLatin1String(name));
}

inline QPushButton *Button(QDialog &dialog, const char *name)
{
    return dialog.findChild<QPushButton *>(QLatin1String(name));
}

inline QLineEdit *Entry(HistogramDialog &dialog)
{
    return dialog.findChild<QLineEdit *>(QStringLiteral("EntryText"));
}

inline QLabel *Label(HistogramDialog &dialog, const char *name)
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
inline int LiveWindows()
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (qobject_cast<Window *>(widget))
            ++count;
    return count;
}

// The results window a run left on screen, if any.
inline AnalysisResultsWindow *Results()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *results = qobject_cast<AnalysisResultsWindow *>(widget);
            results && results->isVisible())
            return results;
    return nullptr;
}

inline const QString IntervalsMissing
    = QStringLiteral("Please enter the number of class intervals.");
inline const QString IntervalsOutOfRange
    = QStringLiteral("Interval entry must be integer between 1 and 20.");
inline const QString WidthMissing = QStringLiteral("Please enter the size of class width.");

// Every test starts from the dialog's first state with its boxes answered by
// script, and ends with no window left open.
class HistogramFixture
{
protected:
    void prepare()
    {
        QVERIFY(m_dir.isValid());
        QStandardPaths::setTestModeEnabled(true);
    }
    void start()
    {
        QSettings().clear();
        m_prompts.clear();
        m_use = std::make_unique<ScopedPrompts>(m_prompts);
    }
    void finish()
    {
        m_use.reset();
        // A run leaves nothing behind but the results window, which goes
        // when it is closed.
        if (AnalysisResultsWindow *results = Results())
            results->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(LiveWindows<HistogramDialog>(), 0);
        QCOMPARE(LiveWindows<AnalysisResultsWindow>(), 0);
        QCOMPARE(LiveWindows<OutputViewer>(), 0);
    }

    QTemporaryDir m_dir;
    ScriptedPrompts m_prompts;
    std::unique_ptr<ScopedPrompts> m_use;
};
