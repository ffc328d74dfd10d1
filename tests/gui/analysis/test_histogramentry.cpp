// The histogram dialog's entry and buttons, and the checks of the entry
// made before a data file is asked for, with every box answered by script.

#include "histogramfixture.h"

class HistogramEntryTest : public QObject, HistogramFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { prepare(); }
    void init() { start(); }
    void cleanup() { finish(); }

    void labelsSwapWithTheEntryKind();
    void arrangementAndTabOrder();
    void helpButtonAsksForTheDialogsTopic();
    void entryIsCheckedBeforeTheFileIsAskedFor_data();
    void entryIsCheckedBeforeTheFileIsAskedFor();
    void messagesComeInOrderAndTheDialogKeepsTheEntry();
};

void HistogramEntryTest::labelsSwapWithTheEntryKind()
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

void HistogramEntryTest::arrangementAndTabOrder()
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

void HistogramEntryTest::helpButtonAsksForTheDialogsTopic()
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

void HistogramEntryTest::entryIsCheckedBeforeTheFileIsAskedFor_data()
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
    QTest::newRow("2.5 intervals") << true << "2.5" << QStringList{IntervalsOutOfRange} << false;
    QTest::newRow("words after the number")
        << true << "5 abc" << QStringList{"*", IntervalsMissing} << false;
    QTest::newRow("no width typed") << false << "" << QStringList{WidthMissing} << false;
    QTest::newRow("width not a number")
        << false << "wide" << QStringList{"*", WidthMissing} << false;
    QTest::newRow("width 0") << false << "0" << QStringList{"?"} << false;
    QTest::newRow("negative width") << false << "-1.5" << QStringList{"?"} << false;
    QTest::newRow("width 1.5") << false << "1.5" << QStringList{} << true;
}

void HistogramEntryTest::entryIsCheckedBeforeTheFileIsAskedFor()
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

void HistogramEntryTest::messagesComeInOrderAndTheDialogKeepsTheEntry()
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
    QCOMPARE(shown,
             (QStringList{IntervalsMissing, IntervalsOutOfRange, IntervalsOutOfRange,
                          IntervalsOutOfRange}));
    // Each showing after a message still holds what was typed before it.
    QCOMPARE(entriesSeen, (QStringList{"", "", "0", "21", "2.5"}));
    QCOMPARE(m_prompts.openRequests.size(), 1);
}

QTEST_MAIN(HistogramEntryTest)
#include "test_histogramentry.moc"
