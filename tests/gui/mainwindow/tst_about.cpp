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
    void arrangement_data();
    void arrangement();
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
    QVERIFY(Child<QLabel>(box, "programIcon")->pixmap().size() == QSize(65, 65));
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

void TestAbout::arrangement_data()
{
    QTest::addColumn<int>("scale");
    QTest::newRow("usual fonts") << 1;
    QTest::newRow("fonts twice as large") << 2;
}

void TestAbout::arrangement()
{
    QFETCH(int, scale);
    AboutDialog box;
    QList<QWidget *> texts;
    for (const char *name : {"productName", "version", "platformLabel", "commentsLabel",
                             "companyLabel", "rightsLabel", "updateLink", "okButton"}) {
        texts << Child<QWidget>(box, name);
        QFont font = texts.last()->font();
        font.setPixelSize(font.pixelSize() * scale);
        texts.last()->setFont(font);
    }
    QWidget *ok = texts.takeLast();
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.minimumSize(), box.maximumSize()); // fixed size
    QFrame *panel = Panel(box);
    const auto place = [](QWidget *widget, QWidget *in) {
        return QRect(widget->mapTo(in, QPoint()), widget->size());
    };
    const QRect icon = place(Child<QLabel>(box, "programIcon"), panel);
    QCOMPARE(place(texts.first(), panel).top(), icon.top());
    for (qsizetype i = 0; i < texts.size(); ++i) {
        auto *label = static_cast<QLabel *>(texts[i]);
        const QRect rect = place(label, panel);
        const QByteArray name = label->objectName().toLatin1();
        // Shown whole in the panel, clear of the picture at its top left.
        QVERIFY2(label->isVisible() && panel->contentsRect().contains(rect)
                     && label->height() >= label->heightForWidth(label->width())
                     && (label->wordWrap()
                         || label->size().expandedTo(label->sizeHint()) == label->size())
                     && !rect.intersects(icon) && icon.left() <= rect.left()
                     && icon.top() <= rect.top(),
                 name);
        // One under the other, the first three beside the picture, the rest
        // under it and centred in the panel.
        QVERIFY2(i == 0 || rect.top() > place(texts[i - 1], panel).bottom(), name);
        QVERIFY2(i < 3 ? rect.left() > icon.right()
                       : rect.top() > icon.bottom()
                         && qAbs(rect.center().x() - panel->rect().center().x()) <= 1,
                 name);
    }
    // The OK button whole under the panel, centred in the box.
    const QRect button = place(ok, &box);
    QVERIFY(box.rect().contains(button) && button.top() > panel->geometry().bottom()
            && ok->size().expandedTo(ok->sizeHint()) == ok->size()
            && qAbs(button.center().x() - box.rect().center().x()) <= 1);
}

void TestAbout::labels_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<QColor>("colour");
    const QColor navy(0, 0, 128);
    const QString sans = QStringLiteral("MS Sans Serif");
    QTest::newRow("productName") << "Mervan" << 19 << sans << false << QColor(Qt::black);
    QTest::newRow("version") << "Version 3.0" << 13 << "Times New Roman" << false << navy;
    QTest::newRow("platformLabel") << "for windows" << 13 << "System" << false << navy;
    QTest::newRow("commentsLabel") << "For educational use only." << 11 << sans << false << navy;
    QTest::newRow("companyLabel") << "Corvane" << 11 << sans << false << navy;
    QTest::newRow("rightsLabel") << "All rights reserved." << 11 << sans << false << navy;
    QTest::newRow("updateLink") << "Check for updates" << 11 << sans << true << navy;
}

void TestAbout::labels()
{
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    QFETCH(QString, text);
    QFETCH(QString, family);
    QFETCH(int, pixels);
    QFETCH(bool, underline);
    QFETCH(QColor, colour);

    AboutDialog box;
    auto *label = Panel(box)->findChild<QLabel *>(name);
    QVERIFY(label);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->font().family(), family);
    QCOMPARE(label->font().pixelSize(), pixels);
    QVERIFY(label->font().bold());
    QCOMPARE(label->font().underline(), underline);
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
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
    QTest::newRow("no browser") << false
                                << QStringList{"No web browser could be started to open "
                                               "https://github.com/mervan-stats/mervan.\n"
                                               "Please open that address in a browser yourself."};
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
