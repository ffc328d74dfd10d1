#pragma once
// TViewForm, the output viewer: shows a text file read-only in a maximised
// window of its own and prints it. It hides itself as soon as another window
// of the program takes the focus.

#include <QString>
#include <QStringList>
#include <QWidget>

class QFrame;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

class TViewForm : public QWidget
{
    Q_OBJECT
public:
    explicit TViewForm(QWidget *parent = nullptr);
    ~TViewForm() override;

    QFrame *Panel1 = nullptr;
    QPushButton *CloseBtn = nullptr;
    QToolButton *PrintBtn = nullptr;
    QPlainTextEdit *ViewMemo = nullptr;

    QString ViewFileName; // the path of the file on view

    // Shows the file at path, if there is one; silently nothing otherwise.
    void Execute(const QString &path, QObject *sender);
    // Loads ViewFileName into the memo and names the window after it. Returns
    // false (after showing the reason) when the file could not be read.
    bool ShowFile(QObject *sender);
    void PrintBtnClick();
    void CloseForm();

private:
    void focusWindowChanged();

    QStringList m_lines;     // the file's lines as shown
    bool m_printing = false; // the print command is running
    bool m_hadFocus = false; // the viewer had the focus since it was shown
};

// The one output viewer of the program, created hidden at start-up.
extern TViewForm *ViewForm;
