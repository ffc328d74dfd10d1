// The results window: modal results, keyboard, focus memory, sizing to the
// report and placement.

#include "gui/common/fonts.h"
#include "gui/common/help.h"
#include "gui/viewers/resultsdialog.h"
#include "scriptedprompts.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>
#include <QToolTip>
#include <QtTest>

#include <functional>

namespace {

const QString ShortReport = QStringLiteral("          t = 1.812\r\n          v = 10");

// Shows the window modally and runs step once it is up. Should step leave the
// window open (a failed check), it is ended with -1 so the test cannot hang.
int ShowAndDo(ResultsDialog &form, const QString &text, const std::function<void()> &step)
{
    bool ran = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &form, [&] {
        if (form.isVisible())
            form.done(-1);
    });
    QTimer::singleShot(0, &form, [&] {
        guard.start(5000);
        if (!QTest::qWaitForWindowExposed(&form))
            return;
        ran = true;
        step();
    });
    const int result = form.showReport(QStringLiteral("Students t Distribution"), text);
    return ran ? result : -1;
}

QPushButton *Button(ResultsDialog &form, const char *name)
{
    return form.findChild<QPushButton *>(QLatin1String(name));
}

QLabel *DisplayText(ResultsDialog &form)
{
    return form.findChild<QLabel *>(QStringLiteral("DisplayText"));
}

void PressKey(ResultsDialog &form, Qt::Key key)
{
    QWidget *target = form.focusWidget() ? form.focusWidget() : &form;
    QTest::keyClick(target, key);
}

} // namespace

class MessageFormTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void eachButtonGivesItsResult_data();
    void eachButtonGivesItsResult();
    void enterAfterFirstShowingIsRetry();
    void enterPressesTheButtonUsedLast();
    void escapeLeavesItOpenAndCloseBoxGivesTwo();
    void showsTheMessageTextOnEveryActivation();
    void growsAndShrinksWithTheText();
    void layoutAndCaption();
    void centredOverTheFrameOnceThenLeftWhereItWas();
    void f1AsksForTopic68AndLeavesItOpen();
};

void MessageFormTest::initTestCase()
{
    InstallFontSubstitutes();
}

void MessageFormTest::eachButtonGivesItsResult_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("Retry") << "RetryBtn" << 4;
    QTest::newRow("Print") << "PrintBtn" << 11;
    QTest::newRow("Close") << "CloseBtn" << 12;
    QTest::newRow("Clipboard") << "Clip" << 13;
}

void MessageFormTest::eachButtonGivesItsResult()
{
    QFETCH(QString, button);
    QFETCH(int, result);
    ResultsDialog form;
    auto *target = form.findChild<QPushButton *>(button);
    QVERIFY(target);
    QCOMPARE(ShowAndDo(form, ShortReport, [&] { QTest::mouseClick(target, Qt::LeftButton); }),
             result);
    QVERIFY(!form.isVisible());
}

void MessageFormTest::enterAfterFirstShowingIsRetry()
{
    ResultsDialog form;
    QCOMPARE(ShowAndDo(form, ShortReport,
                       [&] {
                           QCOMPARE(form.focusWidget(),
                                    static_cast<QWidget *>(Button(form, "RetryBtn")));
                           PressKey(form, Qt::Key_Return);
                       }),
             int(ResultsDialog::Retry));
}

void MessageFormTest::enterPressesTheButtonUsedLast()
{
    ResultsDialog form;
    QCOMPARE(ShowAndDo(form, ShortReport,
                       [&] { QTest::mouseClick(Button(form, "PrintBtn"), Qt::LeftButton); }),
             int(ResultsDialog::Print));
    QCOMPARE(ShowAndDo(form, ShortReport, [&] { PressKey(form, Qt::Key_Enter); }),
             int(ResultsDialog::Print));

    // Moving the focus with Tab and leaving by the close box is remembered too.
    QCOMPARE(ShowAndDo(form, ShortReport,
                       [&] {
                           PressKey(form, Qt::Key_Tab); // Print -> Close in tab order
                           QCOMPARE(form.focusWidget(),
                                    static_cast<QWidget *>(Button(form, "CloseBtn")));
                           form.close();
                       }),
             int(ResultsDialog::ClosedByBox));
    QCOMPARE(ShowAndDo(form, ShortReport, [&] { PressKey(form, Qt::Key_Return); }),
             int(ResultsDialog::Close));
}

void MessageFormTest::escapeLeavesItOpenAndCloseBoxGivesTwo()
{
    ResultsDialog form;
    bool openAfterEscape = false;
    QCOMPARE(ShowAndDo(form, ShortReport,
                       [&] {
                           PressKey(form, Qt::Key_Escape);
                           QTest::keyClick(&form, Qt::Key_Escape);
                           QCoreApplication::processEvents();
                           openAfterEscape = form.isVisible();
                           form.close(); // the close box
                       }),
             int(ResultsDialog::ClosedByBox));
    QVERIFY(openAfterEscape);
}

void MessageFormTest::showsTheMessageTextOnEveryActivation()
{
    ResultsDialog form;
    QString shownDuringFirst;
    ShowAndDo(form, ShortReport, [&] {
        shownDuringFirst = DisplayText(form)->text();
        Button(form, "RetryBtn")->click();
    });
    QCOMPARE(shownDuringFirst, QStringLiteral("          t = 1.812\n          v = 10"));

    // A new text set while the window is up shows at its next activation.
    form.setMessageText(QStringLiteral("first"));
    form.show();
    QCOMPARE(DisplayText(form)->text(), QStringLiteral("first"));
    form.setMessageText(QStringLiteral("second"));
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&form, &activate);
    QCOMPARE(DisplayText(form)->text(), QStringLiteral("second"));
    form.hide();
}

void MessageFormTest::growsAndShrinksWithTheText()
{
    ResultsDialog form;
    auto sizeFor = [&](const QString &text) {
        form.setMessageText(text);
        form.showMessageText();
        return form.size();
    };
    const QSize small = sizeFor(ShortReport);
    const QSize taller
        = sizeFor(ShortReport + QStringLiteral("\r\n          a\r\n          b\r\n          c"));
    QVERIFY(taller.height() > small.height());
    QCOMPARE(taller.width(), small.width());
    const QSize wider = sizeFor(ShortReport + QStringLiteral("  ") + QString(80, QLatin1Char('x')));
    QVERIFY(wider.width() > small.width());
    QCOMPARE(sizeFor(ShortReport), small);

    // A 20-pixel border on every side: around the short report the buttons
    // and the picture reach it, around the long one the text does.
    for (const QString &text :
         {ShortReport,
          QString(100, QLatin1Char('w')) + QStringLiteral("\n1\n2\n3\n4\n5\n6\n7\n8")}) {
        sizeFor(text);
        QRect contents;
        for (QWidget *child : form.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            contents |= child->geometry();
        QCOMPARE(contents.topLeft(), QPoint(20, 20));
        QCOMPARE(form.width() - (contents.right() + 1), 20);
        QCOMPARE(form.height() - (contents.bottom() + 1), 20);
    }
    const QRect text = DisplayText(form)->geometry();
    QCOMPARE(form.width() - (text.right() + 1), 20);
    QCOMPARE(form.height() - (text.bottom() + 1), 20);
    // Leading blanks are kept: the indented report is wider than the bare one.
    const int indented = sizeFor(QStringLiteral("          ") + QString(60, 'x')).width();
    QVERIFY(sizeFor(QString(60, 'x') + QStringLiteral("          ")).width() == indented);
    QVERIFY(sizeFor(QString(60, 'x')).width() < indented);
}

void MessageFormTest::layoutAndCaption()
{
    ResultsDialog form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Computation Resuts"));
    QCOMPARE(helpContext(&form), 68);
    QCOMPARE(DisplayText(form)->font().pixelSize(), 13);
    QCOMPARE(form.displayFont(), DisplayText(form)->font());
    const struct
    {
        QPushButton *button;
        int width;
        QString caption;
        QString hint;
    } buttons[] = {
        {Button(form, "RetryBtn"), 75, "&Retry", "Return to data entry screen"},
        {Button(form, "Clip"), 113, "Clip&board", "Copy screen to clipboard"},
        {Button(form, "PrintBtn"), 75, "&Print", "Send screen to printer"},
        {Button(form, "CloseBtn"), 75, "&Close", "Leave screen"},
    };
    // One row along the top, beside the picture, in this order from the
    // left; the report below the row, right of the picture.
    const QRect picture = form.findChild<QLabel *>(QStringLiteral("Image1"))->geometry();
    int left = picture.right();
    for (const auto &b : buttons) {
        QVERIFY(b.button);
        QVERIFY2(b.button->x() > left, qPrintable(b.caption));
        left = b.button->geometry().right();
        QCOMPARE(b.button->geometry().center().y(), picture.center().y());
        QCOMPARE(b.button->width(), b.width);
        QCOMPARE(b.button->height(), 25);
        QCOMPARE(b.button->text(), b.caption);
        QVERIFY(b.button->font().bold());
        QCOMPARE(b.button->font().pixelSize(), 16);
        QVERIFY(!b.button->isDefault());
        QCOMPARE(b.button->toolTip(), b.hint);
    }
    QVERIFY(DisplayText(form)->y() > picture.bottom());
    QVERIFY(DisplayText(form)->x() > picture.right());
    // Tab order: Retry, Print, Close, Clipboard.
    QCOMPARE(Button(form, "RetryBtn")->nextInFocusChain(),
             static_cast<QWidget *>(Button(form, "PrintBtn")));
    QCOMPARE(Button(form, "PrintBtn")->nextInFocusChain(),
             static_cast<QWidget *>(Button(form, "CloseBtn")));
    QCOMPARE(Button(form, "CloseBtn")->nextInFocusChain(),
             static_cast<QWidget *>(Button(form, "Clip")));

    bool tipShown = true;
    const int result = ShowAndDo(form, ShortReport, [&] {
        QCOMPARE(form.windowTitle(), QStringLiteral("Students t Distribution"));
        // The hints stay with the buttons; resting the mouse shows none.
        QWidget *button = Button(form, "PrintBtn");
        const QPoint inside = button->rect().center();
        QHelpEvent rest(QEvent::ToolTip, inside, button->mapToGlobal(inside));
        QCoreApplication::sendEvent(button, &rest);
        QCoreApplication::processEvents();
        tipShown = QToolTip::isVisible();
        Button(form, "CloseBtn")->click();
    });
    QVERIFY(!tipShown);
    QCOMPARE(result, int(ResultsDialog::Close));
}

void MessageFormTest::centredOverTheFrameOnceThenLeftWhereItWas()
{
    QMainWindow frame;
    frame.setGeometry(100, 80, 900, 700);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    ResultsDialog form(&frame);

    QPoint firstCentre;
    ShowAndDo(form, ShortReport, [&] {
        firstCentre = form.frameGeometry().center();
        Button(form, "CloseBtn")->click();
    });
    QVERIFY2((firstCentre - frame.frameGeometry().center()).manhattanLength() <= 4,
             qPrintable(QStringLiteral("%1,%2").arg(firstCentre.x()).arg(firstCentre.y())));

    form.move(20, 30);
    QPoint later;
    ShowAndDo(form, ShortReport, [&] {
        later = form.pos();
        Button(form, "CloseBtn")->click();
    });
    QCOMPARE(later, QPoint(20, 30));
}

void MessageFormTest::f1AsksForTopic68AndLeavesItOpen()
{
    struct Recording : HelpSystem
    {
        HelpSystem *previous = HelpSystem::install(this);
        ~Recording() override { HelpSystem::install(previous); }
        void showTopics(const QString &) override { requests.append(0); }
        void showContext(const QString &, int context) override { requests.append(context); }
        QList<int> requests;
    } help;
    InstallHelpKeys(*qApp);

    // From whichever button has the focus, F1 finds the window's context;
    // the window stays up until a button is used.
    ResultsDialog form;
    bool openAfterHelp = false;
    QCOMPARE(ShowAndDo(form, ShortReport,
                       [&] {
                           PressKey(form, Qt::Key_F1);
                           for (int press = 0; press < 3; ++press) // Retry, Print, Close, Clipboard
                               PressKey(form, Qt::Key_Tab);
                           QCOMPARE(form.focusWidget(),
                                    static_cast<QWidget *>(Button(form, "Clip")));
                           PressKey(form, Qt::Key_F1);
                           openAfterHelp = form.isVisible();
                           Button(form, "Clip")->click();
                       }),
             int(ResultsDialog::Clipboard));
    QVERIFY(openAfterHelp);
    QCOMPARE(help.requests, (QList<int>{68, 68}));
}

QTEST_MAIN(MessageFormTest)
#include "tst_messageform.moc"
