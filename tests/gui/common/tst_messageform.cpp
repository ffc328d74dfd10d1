// The results window: modal results, keyboard, focus memory, sizing to the
// report and placement.

#include "gui/common/fonts.h"
#include "gui/common/help.h"
#include "gui/viewers/messageform.h"
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
int ShowAndDo(TMsgForm &form, const QString &text, const std::function<void()> &step)
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

void PressKey(TMsgForm &form, Qt::Key key)
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
    TMsgForm form;
    auto *target = form.findChild<QPushButton *>(button);
    QVERIFY(target);
    QCOMPARE(ShowAndDo(form, ShortReport, [&] { QTest::mouseClick(target, Qt::LeftButton); }),
             result);
    QVERIFY(!form.isVisible());
}

void MessageFormTest::enterAfterFirstShowingIsRetry()
{
    TMsgForm form;
    QCOMPARE(ShowAndDo(form, ShortReport,
                       [&] {
                           QCOMPARE(form.focusWidget(), static_cast<QWidget *>(form.retryButton()));
                           PressKey(form, Qt::Key_Return);
                       }),
             int(TMsgForm::Retry));
}

void MessageFormTest::enterPressesTheButtonUsedLast()
{
    TMsgForm form;
    QCOMPARE(ShowAndDo(form, ShortReport,
                       [&] { QTest::mouseClick(form.printButton(), Qt::LeftButton); }),
             int(TMsgForm::Print));
    QCOMPARE(ShowAndDo(form, ShortReport, [&] { PressKey(form, Qt::Key_Enter); }),
             int(TMsgForm::Print));

    // Moving the focus with Tab and leaving by the close box is remembered too.
    QCOMPARE(ShowAndDo(form, ShortReport,
                       [&] {
                           PressKey(form, Qt::Key_Tab); // Print -> Close in tab order
                           QCOMPARE(form.focusWidget(), static_cast<QWidget *>(form.closeButton()));
                           form.close();
                       }),
             int(TMsgForm::ClosedByBox));
    QCOMPARE(ShowAndDo(form, ShortReport, [&] { PressKey(form, Qt::Key_Return); }),
             int(TMsgForm::Close));
}

void MessageFormTest::escapeLeavesItOpenAndCloseBoxGivesTwo()
{
    TMsgForm form;
    bool openAfterEscape = false;
    QCOMPARE(ShowAndDo(form, ShortReport,
                       [&] {
                           PressKey(form, Qt::Key_Escape);
                           QTest::keyClick(&form, Qt::Key_Escape);
                           QCoreApplication::processEvents();
                           openAfterEscape = form.isVisible();
                           form.close(); // the close box
                       }),
             int(TMsgForm::ClosedByBox));
    QVERIFY(openAfterEscape);
}

void MessageFormTest::showsTheMessageTextOnEveryActivation()
{
    TMsgForm form;
    QString shownDuringFirst;
    ShowAndDo(form, ShortReport, [&] {
        shownDuringFirst = form.displayText()->text();
        form.retryButton()->click();
    });
    QCOMPARE(shownDuringFirst, QStringLiteral("          t = 1.812\n          v = 10"));

    // A new text set while the window is up shows at its next activation.
    form.MessageText = QStringLiteral("first");
    form.show();
    QCOMPARE(form.displayText()->text(), QStringLiteral("first"));
    form.MessageText = QStringLiteral("second");
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&form, &activate);
    QCOMPARE(form.displayText()->text(), QStringLiteral("second"));
    form.hide();
}

void MessageFormTest::growsAndShrinksWithTheText()
{
    TMsgForm form;
    auto sizeFor = [&](const QString &text) {
        form.MessageText = text;
        form.Add();
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
    const QRect text = form.displayText()->geometry();
    QCOMPARE(form.width() - (text.right() + 1), 20);
    QCOMPARE(form.height() - (text.bottom() + 1), 20);
    // Leading blanks are kept: the indented report is wider than the bare one.
    const int indented = sizeFor(QStringLiteral("          ") + QString(60, 'x')).width();
    QVERIFY(sizeFor(QString(60, 'x') + QStringLiteral("          ")).width() == indented);
    QVERIFY(sizeFor(QString(60, 'x')).width() < indented);
}

void MessageFormTest::layoutAndCaption()
{
    TMsgForm form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Computation Resuts"));
    QCOMPARE(helpContext(&form), 68);
    // Places are counted from inside the window's 20-pixel border.
    QCOMPARE(form.displayText()->pos(), QPoint(20 + 102, 20 + 49));
    QCOMPARE(form.displayText()->font().pixelSize(), 13);
    const struct
    {
        QPushButton *button;
        int left;
        int width;
        QString caption;
        QString hint;
    } buttons[] = {
        {form.retryButton(), 48, 75, "&Retry", "Return to data entry screen"},
        {form.clipButton(), 136, 113, "Clip&board", "Copy screen to clipboard"},
        {form.printButton(), 266, 75, "&Print", "Send screen to printer"},
        {form.closeButton(), 360, 75, "&Close", "Leave screen"},
    };
    for (const auto &b : buttons) {
        QCOMPARE(b.button->x(), 20 + b.left);
        QCOMPARE(b.button->width(), b.width);
        QCOMPARE(b.button->height(), 25);
        QCOMPARE(b.button->text(), b.caption);
        QVERIFY(b.button->font().bold());
        QCOMPARE(b.button->font().pixelSize(), 16);
        QVERIFY(!b.button->isDefault());
        QCOMPARE(b.button->toolTip(), b.hint);
    }
    // Tab order: Retry, Print, Close, Clipboard.
    QCOMPARE(form.retryButton()->nextInFocusChain(), static_cast<QWidget *>(form.printButton()));
    QCOMPARE(form.printButton()->nextInFocusChain(), static_cast<QWidget *>(form.closeButton()));
    QCOMPARE(form.closeButton()->nextInFocusChain(), static_cast<QWidget *>(form.clipButton()));

    bool tipShown = true;
    const int result = ShowAndDo(form, ShortReport, [&] {
        QCOMPARE(form.windowTitle(), QStringLiteral("Students t Distribution"));
        // The hints stay with the buttons; resting the mouse shows none.
        QWidget *button = form.printButton();
        const QPoint inside = button->rect().center();
        QHelpEvent rest(QEvent::ToolTip, inside, button->mapToGlobal(inside));
        QCoreApplication::sendEvent(button, &rest);
        QCoreApplication::processEvents();
        tipShown = QToolTip::isVisible();
        form.closeButton()->click();
    });
    QVERIFY(!tipShown);
    QCOMPARE(result, int(TMsgForm::Close));
}

void MessageFormTest::centredOverTheFrameOnceThenLeftWhereItWas()
{
    QMainWindow frame;
    frame.setGeometry(100, 80, 900, 700);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    TMsgForm form(&frame);

    QPoint firstCentre;
    ShowAndDo(form, ShortReport, [&] {
        firstCentre = form.frameGeometry().center();
        form.closeButton()->click();
    });
    QVERIFY2((firstCentre - frame.frameGeometry().center()).manhattanLength() <= 4,
             qPrintable(QStringLiteral("%1,%2").arg(firstCentre.x()).arg(firstCentre.y())));

    form.move(20, 30);
    QPoint later;
    ShowAndDo(form, ShortReport, [&] {
        later = form.pos();
        form.closeButton()->click();
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
    TMsgForm form;
    bool openAfterHelp = false;
    QCOMPARE(ShowAndDo(form, ShortReport,
                       [&] {
                           PressKey(form, Qt::Key_F1);
                           for (int press = 0; press < 3; ++press) // Retry, Print, Close, Clipboard
                               PressKey(form, Qt::Key_Tab);
                           QCOMPARE(form.focusWidget(), static_cast<QWidget *>(form.clipButton()));
                           PressKey(form, Qt::Key_F1);
                           openAfterHelp = form.isVisible();
                           form.clipButton()->click();
                       }),
             int(TMsgForm::Clipboard));
    QVERIFY(openAfterHelp);
    QCOMPARE(help.requests, (QList<int>{68, 68}));
}

QTEST_MAIN(MessageFormTest)
#include "tst_messageform.moc"
