#pragma once
// OutputViewer, the output viewer: shows a text file read-only in a maximised
// window of its own and prints it. It closes itself as soon as another window
// of the program takes the focus; whoever creates it for one file sets
// Qt::WA_DeleteOnClose so that closing also ends it.
//
// Object names: the text Text, the panel along the bottom ButtonPanel with
// the buttons PrintBtn and CloseBtn.
//
// Embedded in another window (the analysis results), the viewer is a panel
// of that window: it shows the file without placing or showing anything,
// stays while other windows take the focus, adds ReportCopyBtn and
// ReportSaveBtn (Ctrl+S while it has the focus) and its Close closes the
// window it is in.

#include <QString>
#include <QStringList>
#include <QWidget>

class QFrame;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

class OutputViewer : public QWidget
{
    Q_OBJECT
public:
    enum class Frame { OwnWindow, Embedded };
    explicit OutputViewer(QWidget *parent = nullptr, Frame frame = Frame::OwnWindow);

    // Shows the file at path maximised, if there is one, and returns true;
    // a path that names no file shows nothing and says nothing. A file that
    // cannot be read is reported as an error and shows nothing either.
    bool viewFile(const QString &path);
    // The path of the file on view (the last one asked for).
    QString fileName() const { return m_fileName; }

    // Asks for a printer and prints the file's lines behind a margin of ten
    // blanks.
    void printFile();
    // The file's text to the clipboard; a copy of the file under a name the
    // user chooses.
    void copyText();
    void saveCopy();

private:
    bool loadFile();
    void addCopyAndSave();
    void focusWindowChanged();

    QPlainTextEdit *m_text = nullptr;
    QFrame *m_panel = nullptr;
    QToolButton *m_printButton = nullptr;
    QPushButton *m_closeButton = nullptr;

    Frame m_frame = Frame::OwnWindow;
    QString m_fileName;
    QStringList m_lines;     // the file's lines as shown
    bool m_printing = false; // the print command is running
    bool m_hadFocus = false; // the viewer had the focus since it was shown
    bool m_placed = false;
};
