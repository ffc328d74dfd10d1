// The About box: its design, the ways it closes, and the update link.

#include "gui/mainwindow/about.h"
#include "scriptedprompts.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

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
    TAboutBox box;
    QCOMPARE(box.windowTitle(), QStringLiteral("About Mervan"));
    QCOMPARE(box.size(), QSize(298, 213));
    QCOMPARE(box.minimumSize(), box.maximumSize()); // fixed size
    QCOMPARE(box.Panel1->geometry(), QRect(8, 8, 281, 161));
    QCOMPARE(box.ProgramIcon->geometry(), QRect(8, 8, 65, 65));
    QVERIFY(box.ProgramIcon->pixmap().size() == QSize(65, 65));
    QCOMPARE(box.OKButton->geometry(), QRect(111, 178, 77, 27));
    QCOMPARE(box.OKButton->text(), QStringLiteral("OK"));
    QVERIFY(box.OKButton->isDefault());
    QVERIFY(!box.OKButton->icon().isNull());
    QCOMPARE(box.OKButton->font().pixelSize(), 11);
    QVERIFY(box.OKButton->font().bold());
    // Hints are not shown in this box.
    QCOMPARE(box.URL->toolTip(), QString());
    QCOMPARE(box.URL->statusTip(),
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
    QTest::newRow("ProductName") << "ProductName"
                                 << "Mervan" << QPoint(89, 8) << "MS Sans Serif" << 19 << false
                                 << QColor(Qt::black);
    QTest::newRow("Version") << "Version"
                             << "Version 3.0" << QPoint(117, 32) << "Times New Roman" << 13 << false
                             << navy;
    QTest::newRow("Label1") << "Label1"
                            << "for windows" << QPoint(109, 48) << "System" << 13 << false << navy;
    QTest::newRow("CommentsLabel")
        << "CommentsLabel"
        << "For educational use only." << QPoint(75, 80) << "MS Sans Serif" << 11 << false << navy;
    QTest::newRow("CompanyLabel") << "CompanyLabel"
                                  << "Corvane" << QPoint(107, 96) << "MS Sans Serif" << 11 << false
                                  << navy;
    QTest::newRow("RightsLabel") << "RightsLabel"
                                 << "All rights reserved." << QPoint(94, 112) << "MS Sans Serif"
                                 << 11 << false << navy;
    QTest::newRow("URL") << "URL"
                         << "Check for updates" << QPoint(96, 128) << "MS Sans Serif" << 11 << true
                         << navy;
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

    TAboutBox box;
    auto *label = box.Panel1->findChild<QLabel *>(name);
    QVERIFY(label);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->pos(), place);
    QCOMPARE(label->font().family(), family);
    QCOMPARE(label->font().pixelSize(), pixels);
    QVERIFY(label->font().bold());
    QCOMPARE(label->font().underline(), underline);
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    // Every label fits in the panel.
    QVERIFY2(box.Panel1->rect().contains(label->geometry()), qPrintable(name));
}

void TestAbout::focusStartsOnOk()
{
    TAboutBox box;
    box.show();
    box.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(box.OKButton));
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
    TAboutBox box;
    QTimer::singleShot(0, &box, [&box, how] {
        QVERIFY(QTest::qWaitForWindowActive(&box));
        if (how == QLatin1String("ok"))
            QTest::mouseClick(box.OKButton, Qt::LeftButton);
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

    TAboutBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QTest::mouseClick(box.URL, Qt::LeftButton);

    QCOMPARE(prompts.urls, QList<QUrl>{TAboutBox::UpdatePage()});
    QVERIFY(TAboutBox::UpdatePage().scheme() == QLatin1String("https"));
    QCOMPARE(prompts.texts(PromptKind::Message), messages);
    QVERIFY(box.isVisible()); // the box stays open either way

    // Only a label asks for the page.
    box.URLClick(box.OKButton);
    QCOMPARE(prompts.urls.size(), 1);
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
