// The histogram dialog's column step and the request it fills: data files
// of several layouts, the column picked, the classes' choices.

#include "core/analysis/analysisrequest.h"
#include "gui/analysis/histogramdialog.h"
#include "testfiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

template <typename T>
T *Child(QWidget &dialog, const char *name)
{
    return dialog.findChild<T *>(QLatin1String(name));
}

QStringList Items(QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

// Picks the item with text, as a click on it would.
void Pick(QComboBox *box, const QString &text)
{
    const int index = box->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    box->setCurrentIndex(index);
    emit box->activated(index);
}

} // namespace

class HistogramDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QSettings().clear(); }
    void nextDialogStartsFromTheAcceptedChoices();
    void columnStepFillsTheRequest_data();
    void columnStepFillsTheRequest();
    void changedDelimiterRefreshesTheColumns();

private:
    QTemporaryDir m_dir;
};

void HistogramDialogTest::nextDialogStartsFromTheAcceptedChoices()
{
    for (int result : {QDialog::Accepted, QDialog::Rejected}) { // a cancelled one changes nothing
        HistogramDialog first;
        Child<QCheckBox>(first, "EntryBox")->click();
        Child<QLineEdit>(first, "EntryText")->setText(result ? "2.5" : "9");
        Child<QCheckBox>(first, "CenterBox")->setChecked(false);
        Child<QLineEdit>(first, "AnchorText")->setText(QStringLiteral("1"));
        Pick(Child<QComboBox>(first, "ClosedEndBox"), QStringLiteral("right"));
        Pick(Child<QComboBox>(first, "ScaleBox"), QStringLiteral("percent"));
        Child<QCheckBox>(first, "DecimalCommaBox")->setChecked(true);
        first.done(result);
    }
    HistogramDialog next;
    AnalysisRequest request;
    QCOMPARE(next.fillRequest(request), std::vector<std::string>{});
    QCOMPARE(request.classWidth, 2.5);
    QVERIFY(!request.centred && request.rightClosed && request.decimalComma);
    QCOMPARE(request.anchor.value_or(99), 1.0);
    QCOMPARE(request.scale, HistogramScale::Percent);
    QVERIFY(Child<QLabel>(next, "Label1")->isHidden());
    Child<QCheckBox>(next, "CenterBox")->setChecked(true); // the start is off and left out
    QVERIFY(!Child<QLineEdit>(next, "AnchorText")->isEnabled() && next.fillRequest(request).empty()
            && !request.anchor);
}

void HistogramDialogTest::columnStepFillsTheRequest_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QStringList>("columns"); // empty: a free list
    QTest::addColumn<QString>("column");      // picked, then expected in the request
    QTest::addColumn<QString>("weights");
    QTest::addColumn<bool>("decimalComma");
    QTest::addColumn<int>("sturges"); // R's nclass.Sturges of the column

    QTest::newRow("two columns with a header")
        << QByteArray("height,weight\n170,65\n180,80\n165,58\n") << QStringList{"height", "weight"}
        << "weight"
        << "" << false << 3;
    QTest::newRow("semicolons and decimal commas")
        << QByteArray("a;b\r\n1,5;2,5\r\n3,5;4,5\r\n2,0;1,0\r\n6;7\r\n7;8\r\n")
        << QStringList{"a", "b"} << "a"
        << "" << true << 4;
    QTest::newRow("values and their counts")
        << QByteArray("value,count\n1,3\n2,5\n3,2\n") << QStringList{"value", "count"} << "value"
        << "count" << false << 5;
    QTest::newRow("no header: columns by number")
        << QByteArray("1\t2\n3\t4\n") << QStringList{"Column 1", "Column 2"} << "2"
        << "" << false << 2;
    QTest::newRow("a free list goes on")
        << QByteArray("1 2 3\n4.5 5\n6\n7 8 9 10\n") << QStringList{} << ""
        << "" << false << 0;
}

void HistogramDialogTest::columnStepFillsTheRequest()
{
    QFETCH(QByteArray, data);
    QFETCH(QStringList, columns);
    QFETCH(QString, column);
    QFETCH(QString, weights);
    QFETCH(bool, decimalComma);
    QFETCH(int, sturges);

    const QString path = WriteFile(m_dir.filePath(QStringLiteral("data.csv")), data);
    HistogramDialog dialog;
    Child<QLineEdit>(dialog, "EntryText")->setText(QStringLiteral("6"));
    Child<QCheckBox>(dialog, "CenterBox")->setChecked(false);
    Child<QLineEdit>(dialog, "AnchorText")->setText(QStringLiteral(" -0.5 "));
    Pick(Child<QComboBox>(dialog, "ClosedEndBox"), QStringLiteral("right"));
    Pick(Child<QComboBox>(dialog, "ScaleBox"), QStringLiteral("density"));
    QCOMPARE(dialog.setDataFile(path), !columns.isEmpty());
    if (!columns.isEmpty()) {
        auto *columnBox = Child<QComboBox>(dialog, "ColumnBox");
        QCOMPARE(Items(columnBox), columns);
        QCOMPARE(Items(Child<QComboBox>(dialog, "WeightsBox")),
                 QStringList{QStringLiteral("(none)")} + columns);
        const int picked = columns.indexOf(column);
        Pick(columnBox, columns.value(picked < 0 ? column.toInt() - 1 : picked));
        if (!weights.isEmpty())
            Pick(Child<QComboBox>(dialog, "WeightsBox"), weights);
        QCOMPARE(Child<QTableWidget>(dialog, "PreviewTable")->columnCount(), columns.size());
        const QString suggested = Child<QLabel>(dialog, "SuggestionLabel")->text();
        QVERIFY(suggested.contains(QStringLiteral("%1 (Sturges)").arg(sturges)));
    }

    AnalysisRequest request;
    QCOMPARE(dialog.fillRequest(request), std::vector<std::string>{});
    QCOMPARE(QString::fromStdString(request.dataFileName), path);
    QCOMPARE(request.classCount, 6);
    QCOMPARE(request.anchor.value_or(99), -0.5);
    QVERIFY(request.rightClosed);
    QCOMPARE(request.scale, HistogramScale::Density);
    QCOMPARE(QString::fromStdString(request.column), column);
    QCOMPARE(QString::fromStdString(request.weights), weights);
    QCOMPARE(request.decimalComma, decimalComma);
    QVERIFY(!request.layout.delimiter && !request.layout.decimalSign && !request.layout.header);
}

void HistogramDialogTest::changedDelimiterRefreshesTheColumns()
{
    // Commas cut every line in two, semicolons too; the user chooses.
    const QString path
        = WriteFile(m_dir.filePath(QStringLiteral("both.txt")), "p;q,r\n1;2,5\n3;4,5\n5;6,5\n");
    HistogramDialog dialog;
    QVERIFY(dialog.setDataFile(path));
    auto *delimiter = Child<QComboBox>(dialog, "DelimiterBox");
    auto *columnBox = Child<QComboBox>(dialog, "ColumnBox");
    Pick(delimiter, QStringLiteral("semicolon"));
    QCOMPARE(Items(columnBox), (QStringList{"p", "q,r"}));
    QCOMPARE(Child<QComboBox>(dialog, "DecimalSignBox")->currentText(), QStringLiteral("comma"));
    QCOMPARE(Child<QTableWidget>(dialog, "PreviewTable")->item(0, 1)->text(),
             QStringLiteral("2,5"));
    Pick(columnBox, QStringLiteral("q,r"));

    Child<QLineEdit>(dialog, "EntryText")->setText(QStringLiteral("x"));
    Child<QCheckBox>(dialog, "CenterBox")->setChecked(false);
    Child<QLineEdit>(dialog, "AnchorText")->setText(QStringLiteral("start"));
    AnalysisRequest request;
    QCOMPARE(dialog.fillRequest(request).size(), std::size_t(3)); // read error, refusal, anchor
    QCOMPARE(request.layout.delimiter, std::optional<char>(';'));
    QVERIFY(!request.layout.decimalSign);
    QVERIFY(request.decimalComma);
    QCOMPARE(request.column, std::string("q,r"));
    QVERIFY(!request.anchor);
}

QTEST_MAIN(HistogramDialogTest)
#include "test_histogramdialog.moc"
