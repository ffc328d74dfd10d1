#pragma once
// The help window and the help files it shows.
//
// A help file is UTF-8 text of HTML topics, each known by its context number:
//
//     @help Mervan Help                   the file's title (once, first)
//     @topic 6 Histogram data             a topic: context number and title
//     @keywords histogram; class width    index entries of the topic
//     <p>HTML of the topic ...</p>        every other line: the topic's body
//
// Lines starting with "@--" are comments. A link "topic:7" leads to topic 7;
// web addresses open in the browser.
//
// The window shows the topic text with the contents (every topic by title)
// and the index (keywords and titles, found by their first letters as they
// are typed) beside it, and a field to go to a topic by its number. It is
// what HelpSystem::current() (help.h) shows unless another help is installed.

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTextBrowser;

struct HelpTopic
{
    int context = 0;
    QString title;
    QStringList keywords;
    QString html;
};

class HelpDocument
{
public:
    // false with errorString() when the file cannot be read or is not a help file.
    bool load(const QString &path);
    bool parse(const QString &text);

    QString errorString() const { return m_error; }
    QString title() const { return m_title; }
    const QList<HelpTopic> &topics() const { return m_topics; }
    const HelpTopic *topic(int context) const; // nullptr when there is none
    // Index entries (keywords and topic titles) with their topics, sorted
    // without regard to case.
    QList<QPair<QString, int>> index() const;

private:
    QString m_title;
    QList<HelpTopic> m_topics;
    QString m_error;
};

class HelpViewer : public QWidget
{
    Q_OBJECT
public:
    explicit HelpViewer(QWidget *parent = nullptr);

    // The viewer of a help file, loaded and created on first use and kept for
    // later requests. nullptr after a message when the file cannot be opened.
    static HelpViewer *forFile(const QString &path);

    bool openFile(const QString &path); // false with errorString()
    QString fileName() const { return m_fileName; }
    QString errorString() const { return m_error; }
    const HelpDocument &document() const { return m_document; }

    void showTopics();             // contents, with the first topic shown, always
    bool showContext(int context); // false when the file has no such topic
    int currentContext() const { return m_current; }
    void present(); // shows, raises and activates the window

    QTextBrowser *browser() const { return m_browser; }
    QLineEdit *indexField() const { return m_indexField; }
    QListWidget *indexList() const { return m_indexList; }
    QListWidget *contentsList() const { return m_contents; }

private:
    void fillLists();
    void placeOnScreen();
    void display(int context, bool remember);
    void findInIndex(const QString &typed);
    void followLink(const QUrl &url);
    void goBack();
    void goForward();
    void updateButtons();
    void itemChosen(QListWidgetItem *item);

    HelpDocument m_document;
    QString m_fileName;
    QString m_error;
    int m_current = 0;
    bool m_placed = false;
    QList<int> m_back;
    QList<int> m_forward;

    QTabWidget *m_tabs;
    QListWidget *m_contents;
    QLineEdit *m_indexField;
    QListWidget *m_indexList;
    QTextBrowser *m_browser;
    QSpinBox *m_number;
    QPushButton *m_backButton;
    QPushButton *m_forwardButton;
};
