#pragma once
// Prompts: the one place through which the program asks the user anything.
//
// Message boxes, the open and save dialogs, the font, print and printer
// set-up dialogs and the web browser are reached only through Prompts::current().
// The program installs the real implementation (Qt's dialogs); tests install
// a scripted one that records every text and answers from a queue.

#include <QFont>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <string>

class QPrinter;
class QWidget;

struct FileDialogRequest
{
    QString title;
    QString directory;      // folder to start in; empty for the current one
    QString fileName;       // initial name shown in the name field
    QStringList filters;    // "Data files (*.dat)", ...
    int selectedFilter = 0; // index into filters
    QString defaultSuffix;  // appended to a typed name without extension
    bool mustExist = false; // open dialogs: refuse names of missing files
    int helpContext = 0;    // non-zero: a Help button and F1 show this topic
    // What the dialog is for: the dialogs with the same purpose share the
    // folder they last left, which an empty directory starts in. Empty: the
    // title stands for the purpose.
    QString purpose;
};

class Prompts
{
public:
    virtual ~Prompts() = default;

    // The simple message box: the text, OK, the application title as caption.
    virtual void message(const QString &text) = 0;
    // Caption "Information", information icon, OK.
    virtual void information(const QString &text) = 0;
    // Caption "Confirm", question icon, Yes, No, Cancel. Returns the button.
    virtual QMessageBox::StandardButton confirm(const QString &text) = 0;
    // The application's standard error box: critical icon, OK.
    virtual void error(const QString &text) = 0;

    // The chosen full path, or an empty string when the user cancelled.
    virtual QString openFileName(QWidget *parent, const FileDialogRequest &request) = 0;
    virtual QString saveFileName(QWidget *parent, const FileDialogRequest &request) = 0;

    // true when the user confirmed; the dialog adjusts printer or font.
    virtual bool printDialog(QWidget *parent, QPrinter &printer) = 0;
    virtual bool printerSetup(QWidget *parent, QPrinter &printer) = 0;
    virtual bool chooseFont(QWidget *parent, QFont &font) = 0;

    // Hands a web address to the user's browser; false when that failed.
    virtual bool openUrl(const QUrl &url) = 0;

    static Prompts &current();
    // Installs prompts (not owned) and returns the previous one; nullptr
    // restores the real dialogs.
    static Prompts *install(Prompts *prompts);
};

// Qt's own dialogs and message boxes.
class DialogPrompts : public Prompts
{
public:
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
};

// A core message as the message box shows it: plain UTF-8 text with its
// lines separated by "\n".
QString CoreMessageText(const std::string &text);
