#pragma once
// ScriptedPrompts: answers the program's questions in window tests.
//
// Every message, information, confirmation and error text is recorded with
// its kind. Questions are answered from queues that the test fills before the
// question comes; an empty queue gives the cautious answer (Cancel, no file,
// false, no font change). File, print and font requests are recorded too.
//
//     ScriptedPrompts prompts;
//     ScopedPrompts use(prompts);
//     prompts.answerConfirm(QMessageBox::Yes);
//     ... run the command ...
//     QCOMPARE(prompts.texts(PromptKind::Confirm), QStringList{"Save changes?"});

#include "gui/common/prompts.h"

#include <QFont>
#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <deque>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

enum class PromptKind { Message, Information, Confirm, Error };

struct ShownPrompt
{
    PromptKind kind;
    QString text;
};

class ScriptedPrompts : public Prompts
{
public:
    // --- what the program showed -------------------------------------------
    QList<ShownPrompt> shown;                 // in order, every kind
    QStringList texts() const;                // every text, in order
    QStringList texts(PromptKind kind) const; // the texts of one kind
    void clear();                             // forgets what was shown and asked

    QList<FileDialogRequest> openRequests; // every open dialog asked for
    QList<FileDialogRequest> saveRequests; // every save dialog asked for
    int printDialogs = 0;                  // print dialogs asked for
    int printerSetups = 0;                 // printer set-up dialogs asked for
    QList<QFont> fontRequests;             // the font each font dialog started from
    QList<QUrl> urls;                      // addresses handed to the browser

    // --- answers, used first in first out -----------------------------------
    void answerConfirm(QMessageBox::StandardButton button); // default Cancel
    void answerOpen(const QString &path);                   // default "" (cancelled)
    void answerSave(const QString &path);                   // default "" (cancelled)
    // true confirms the print dialog; with pdfFile the printer is set to write
    // that PDF file, so a test can read back what was printed.
    void answerPrint(bool ok, const QString &pdfFile = QString()); // default false
    void answerPrinterSetup(bool ok);                              // default false
    void answerFont(const QFont &font);                            // default: cancelled
    void cancelFont();
    void answerOpenUrl(bool ok); // default false

    // How many answers are still queued (a test can check all were used).
    int pendingAnswers() const;

    // --- Prompts ------------------------------------------------------------
    void message(const QString &text) override;
    void information(const QString &text) override;
    QMessageBox::StandardButton confirm(const QString &text) override;
    void error(const QString &text) override;
    QString openFileName(QWidget *parent, const FileDialogRequest &request) override;
    QString saveFileName(QWidget *parent, const FileDialogRequest &request) override;
    bool printDialog(QWidget *parent, QPrinter &printer) override;
    bool printerSetup(QWidget *parent, QPrinter &printer) override;
    bool chooseFont(QWidget *parent, QFont &font) override;
    bool openUrl(const QUrl &url) override;

private:
    struct PrintAnswer
    {
        bool ok;
        QString pdfFile;
    };
    void record(PromptKind kind, const QString &text);

    std::deque<QMessageBox::StandardButton> m_confirm;
    std::deque<QString> m_open;
    std::deque<QString> m_save;
    std::deque<PrintAnswer> m_print;
    std::deque<bool> m_setup;
    std::deque<std::optional<QFont>> m_font;
    std::deque<bool> m_url;
};

// Installs prompts for its lifetime; the previous prompts come back at the
// end.
class ScopedPrompts
{
public:
    explicit ScopedPrompts(Prompts &prompts);
    ~ScopedPrompts();
    ScopedPrompts(const ScopedPrompts &) = delete;
    ScopedPrompts &operator=(const ScopedPrompts &) = delete;

private:
    Prompts *m_previous;
};
