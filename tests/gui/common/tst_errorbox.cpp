// The application's error box: what escapes an event handler or a guarded
// command is shown, and the program goes on.

#include "gui/common/errorbox.h"
#include "scriptedprompts.h"

#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <new>
#include <stdexcept>

class ErrorBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void exceptionFromSlotIsShownAndProgramGoesOn();
    void exceptionFromTimerIsShown();
    void runGuarded_data();
    void runGuarded();
};

void ErrorBoxTest::exceptionFromSlotIsShownAndProgramGoesOn()
{
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    QPushButton button(QStringLiteral("Go"));
    int clicks = 0;
    // Qt's own widget handlers are not exception safe; the call is posted so
    // what escapes it unwinds only to the application's last guard.
    QObject::connect(
        &button, &QPushButton::clicked, &button,
        [&] {
            ++clicks;
            throw std::runtime_error("Cannot open file \"x.dat\". No such file or directory");
        },
        Qt::QueuedConnection);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    QTRY_COMPARE(clicks, 2);
    QCOMPARE(
        prompts.texts(PromptKind::Error),
        QStringList(2, QStringLiteral("Cannot open file \"x.dat\". No such file or directory")));
    QVERIFY(prompts.texts(PromptKind::Message).isEmpty());
    // The button still works and shows nothing when nothing goes wrong.
    QObject::disconnect(&button, nullptr, nullptr, nullptr);
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(prompts.shown.size(), 2);
}

void ErrorBoxTest::exceptionFromTimerIsShown()
{
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    QTimer::singleShot(0, [] { throw std::runtime_error("printer failure"); });
    QTRY_COMPARE(prompts.texts(PromptKind::Error), QStringList{QStringLiteral("printer failure")});
}

void ErrorBoxTest::runGuarded_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("completed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("no error") << 0 << true << QString();
    QTest::newRow("runtime error") << 1 << false << QStringLiteral("Text exceeds memo capacity");
    QTest::newRow("file in an accented folder")
        << 2 << false << QStringLiteral("Cannot open file \"/tmp/donn\u00E9es/x.dat\".");
    QTest::newRow("out of memory") << 3 << false << QStringLiteral("Out of memory.");
    QTest::newRow("not a std::exception")
        << 4 << false << QStringLiteral("An unexpected error stopped the command.");
}

void ErrorBoxTest::runGuarded()
{
    QFETCH(int, kind);
    QFETCH(bool, completed);
    QFETCH(QString, shown);
    ScriptedPrompts prompts;
    ScopedPrompts use(prompts);
    bool reachedEnd = false;
    const bool result = RunGuarded([&] {
        switch (kind) {
        case 1:
            throw std::runtime_error("Text exceeds memo capacity");
        case 2:
            throw std::runtime_error("Cannot open file \"/tmp/donn\xC3\xA9"
                                     "es/x.dat\".");
        case 3:
            throw std::bad_alloc();
        case 4:
            throw 42;
        default:
            break;
        }
        reachedEnd = true;
    });
    QCOMPARE(result, completed);
    QCOMPARE(reachedEnd, completed);
    QCOMPARE(prompts.texts(PromptKind::Error),
             shown.isEmpty() ? QStringList() : QStringList{shown});
}

int main(int argc, char **argv)
{
    MervanApplication app(argc, argv);
    ErrorBoxTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_errorbox.moc"
