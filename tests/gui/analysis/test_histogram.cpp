// The analysis run from the histogram dialog to the results window: the
// files it reads, the messages it shows and the windows it leaves, with
// every dialog answered by script.

#include "histogramfixture.h"

class HistogramRunTest : public QObject, HistogramFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { prepare(); }
    void init() { start(); }
    void cleanup() { finish(); }

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
};

void HistogramRunTest::cancellingTheOpenDialogEndsTheRunAndTheNextRunStartsAfresh()
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
    // Spreadsheet exports are offered beside the data files.
    QCOMPARE(request.filters.filter(QStringLiteral("*.csv")).size(), 1);
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

void HistogramRunTest::runEndsInOneResultsWindowWithPictureAndReport()
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

void HistogramRunTest::fileWithColumnsAsksForTheVariable()
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

void HistogramRunTest::widthNeedingTooManyClassesSendsTheUserBackToTheDialog()
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

void HistogramRunTest::unusableFileEndsTheRunWithOneMessage_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("create");
    QTest::newRow("no values") << QByteArray("  \r\n\r\n") << true;
    QTest::newRow("not text") << QByteArray("1 2\0 3\r\n", 8) << true;
    QTest::newRow("gone before reading") << QByteArray() << false;
}

void HistogramRunTest::unusableFileEndsTheRunWithOneMessage()
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

void HistogramRunTest::reportThatCannotBeWrittenIsExplained()
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
void HistogramRunTest::messagesNameAnAccentedFolderAndShowInvisibleCharacters()
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

void HistogramRunTest::decimalCommasAreAskedAboutOnce_data()
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
void HistogramRunTest::decimalCommasAreAskedAboutOnce()
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

QTEST_MAIN(HistogramRunTest)
#include "test_histogram.moc"
