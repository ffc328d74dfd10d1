// The About box: its design, the ways it closes, and the update link.

#include "gui/mainwindow/aboutdialog.h"
#include "scriptedprompts.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

template <class Widget>
static Widget *Child(const QWidget &box, const char *name)
{
    return box.findChild<Widget *>(QString::fromLatin1(name));
}

static QFrame *Panel(const QWidget &box)
{
    return Child<QFrame>(box, "panel");
}

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void window();
    void labels_data();
    void labels();
    void focusStartsOnOk();
    void closes_data();
    void closes();
    void link_data();
    void link();
};

void TestAbout::window()
{
    AboutDialog box;
    QCOMPARE(box.windowTitle(), QStringLiteral("About Mervan"));
    QCOMPARE(box.size(), QSize(298, 213));
    QCOMPARE(box.minimumSize(), box.maximumSize()); // fixed size
    QCOMPARE(Panel(box)->geometry(), QRect(8, 8, 281, 161));
    QCOMPARE(Child<QLabel>(box, "programIcon")->geometry(), QRect(8, 8, 65, 65));
    QVERIFY(Child<QLabel>(box, "programIcon")->pixmap().size() == QSize(65, 65));
    QCOMPARE(Child<QPushButton>(box, "okButton")->geometry(), QRect(111, 178, 77, 27));
    QCOMPARE(Child<QPushButton>(box, "okButton")->text(), QStringLiteral("OK"));
    QVERIFY(Child<QPushButton>(box, "okButton")->isDefault());
    QVERIFY(!Child<QPushButton>(box, "okButton")->icon().isNull());
    QCOMPARE(Child<QPushButton>(box, "okButton")->font().pixelSize(), 11);
    QVERIFY(Child<QPushButton>(box, "okButton")->font().bold());
    // Hints are not shown in this box.
    QCOMPARE(Child<QLabel>(box, "updateLink")->toolTip(), QString());
    QCOMPARE(Child<QLabel>(box, "updateLink")->statusTip(),
             QStringLiteral("Select to go on-line and check for latest updates."));
}

void TestAbout::labels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<QColor>("colour");
    const QColor navy(0, 0, 128);
    QTest::newRow("productName") << "productName"
                                 << "Mervan" << QPoint(89, 8) << "MS Sans Serif" << 19 << false
                                 << QColor(Qt::black);
    QTest::newRow("version") << "version"
                             << "Version 3.0" << QPoint(117, 32) << "Times New Roman" << 13 << false
                             << navy;
    QTest::newRow("platformLabel")
        << "platformLabel"
        << "for windows" << QPoint(109, 48) << "System" << 13 << false << navy;
    QTest::newRow("commentsLabel")
        << "commentsLabel"
        << "For educational use only." << QPoint(75, 80) << "MS Sans Serif" << 11 << false << navy;
    QTest::newRow("companyLabel") << "companyLabel"
                                  << "Corvane" << QPoint(107, 96) << "MS Sans Serif" << 11 << false
                                  << navy;
    QTest::newRow("rightsLabel") << "rightsLabel"
                                 << "All rights reserved." << QPoint(94, 112) << "MS Sans Serif"
                                 << 11 << false << navy;
    QTest::newRow("updateLink") << "updateLink"
                                << "Check for updates" << QPoint(96, 128) << "MS Sans Serif" << 11
                                << true << navy;
}

void TestAbout::labels()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QPoint, place);
    QFETCH(QString, family);
    QFETCH(int, pixels);
    QFETCH(bool, underline);
    QFETCH(QColor, colour);

    AboutDialog box;
    auto *label = Panel(box)->findChild<QLabel *>(name);
    QVERIFY(label);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->pos(), place);
    QCOMPARE(label->font().family(), family);
    QCOMPARE(label->font().pixelSize(), pixels);
    QVERIFY(label->font().bold());
    QCOMPARE(label->font().underline(), underline);
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    // Every label fits in the panel.
    QVERIFY2(Panel(box)->rect().contains(label->geometry()), qPrintable(name));
}

void TestAbout::focusStartsOnOk()
{
    AboutDialog box;
    box.show();
    box.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    QCOMPARE(QApplication::focusWidget(),
             static_cast<QWidget *>(Child<QPushButton>(box, "okButton")));
}

void TestAbout::closes_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");
    QTest::newRow("OK button") << "ok" << 1;
    QTest::newRow("Enter") << "enter" << 1;
    QTest::newRow("close box") << "close" << 0;
}

void TestAbout::closes()
{
    QFETCH(QString, how);
    QFETCH(int, result);
    AboutDialog box;
    QTimer::singleShot(0, &box, [&box, how] {
        QVERIFY(QTest::qWaitForWindowActive(&box));
        if (how == QLatin1String("ok"))
            QTest::mouseClick(Child<QPushButton>(box, "okButton"), Qt::LeftButton);
        else if (how == QLatin1String("enter"))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        else
            box.close();
    });
    // A box that does not close would leave exec() waiting; the time limit
    // below turns that into a failure.
    QTimer guard;
    guard.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&guard, &QTimer::timeout, &box, [&] {
        timedOut = true;
        box.done(-1);
    });
    guard.start(5000);
    QCOMPARE(box.exec(), result);
    QVERIFY(!timedOut);
}

void TestAbout::link_data()
{
    QTest::addColumn<bool>("browserAnswers");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("browser opens the page") << true << QStringList();
    QTest::newRow("no browser") << false << QStringList{"Sorry, can not connect to server."};
}

void TestAbout::link()
{
    QFETCH(bool, browserAnswers);
    QFETCH(QStringList, messages);
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    prompts.answerOpenUrl(browserAnswers);

    AboutDialog box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QTest::mouseClick(Child<QLabel>(box, "updateLink"), Qt::LeftButton);

    QCOMPARE(prompts.urls, QList<QUrl>{AboutDialog::updatePage()});
    QVERIFY(AboutDialog::updatePage().scheme() == QLatin1String("https"));
    QCOMPARE(prompts.texts(PromptKind::Message), messages);
    QVERIFY(box.isVisible()); // the box stays open either way

    // Only the link asks for the page.
    QTest::mouseClick(Child<QLabel>(box, "productName"), Qt::LeftButton);
    QCOMPARE(prompts.urls.size(), 1);
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
