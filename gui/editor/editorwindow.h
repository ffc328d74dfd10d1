#pragma once
// EditorWindow: an editor for one plain-text file (data files, reports, any
// text), shown in a sub-window of the main window's MDI area. It owns its
// file name, its modified mark and the question about unsaved changes; the
// main window's editor commands act on the active one.

#include "core/search/searchtext.h"

#include <QFont>
#include <QPlainTextEdit>
#include <QPointer>
#include <QString>

#include "gui/editor/finddialog.h"
#include "gui/editor/replacedialog.h"

class EditorWindow : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit EditorWindow(QWidget *parent = nullptr);
    ~EditorWindow() override;

    // Takes a full file name apart into folder, name, extension and backup
    // name, and announces it through filePathAssigned.
    void setFilePath(const QString &path);
    // Loads the file into the window. Throws std::runtime_error with the
    // reason when the file cannot be read; the window keeps its text then.
    // While a large file goes in, a progress bar shows and no keys or clicks
    // reach any window.
    void load(const QString &path);

    QString fileName() const { return m_fileName; }
    QString fileDir() const { return m_fileDir; }
    QString fileExt() const { return m_fileExt; }
    QString backupName() const { return m_backupName; }
    bool isModified() const;
    // A new window's name is only a proposal: its first Save asks for a name.
    bool isUntitled() const { return m_untitled; }
    void setUntitled(bool untitled) { m_untitled = untitled; }
    // true when the file was read as UTF-8 (and will be written so).
    bool isUtf8() const { return m_utf8; }
    // The font size in points as the user set it; it may be 0, which the
    // screen cannot show but printing must refuse.
    int fontPoints() const { return m_fontPoints; }
    Qt::Alignment textAlignment() const;
    bool wordWrap() const;
    // The search dialogs while they are open.
    FindDialog *findDialog() const { return m_findDialog; }
    ReplaceDialog *replaceDialog() const { return m_replaceDialog; }
    const SearchState &searchState() const { return m_search; }

    // The save question for a modified text; false on Cancel and when the
    // save after Yes fails. Unmodified text needs no question.
    bool maybeSave();

public slots:
    // Writes the text to its file, the previous version becoming the backup.
    // Shows the error and returns false when the file cannot be written.
    bool save();
    // Asks for a name and saves under it; false when cancelled or not saved.
    bool saveAs();
    // The Close command: asks about unsaved changes, then closes the window.
    void closeFile();
    void printSetup();
    void print();

    void cutSelection();
    void copySelection();
    void pasteText();
    void deleteSelection();
    void setTextAlignment(Qt::Alignment alignment);
    void toggleWordWrap();
    void chooseFont();
    void setFontFamily(const QString &family);
    // A size as typed into a size box: a whole number, the digits before the
    // first character that does not belong.
    void setFontSizeText(const QString &text);

    void showFindDialog();
    void showReplaceDialog();
    // The next search starts at the top of the text.
    void restartSearch(bool matchCase);
    void findNext(const QString &pattern);
    // Find Next without the dialog: the last string searched for, or the
    // Find dialog when there is none.
    void findAgain();
    void replaceFirst(const QString &pattern, const QString &replacement);
    void replaceAll(const QString &pattern, const QString &replacement);

signals:
    // A file path was handed to this window (a new window's default name, a
    // file opened or saved under a new name).
    void filePathAssigned(const QString &path);
    void textAlignmentChanged(Qt::Alignment alignment);
    void wordWrapChanged(bool wrap);

protected:
    void closeEvent(QCloseEvent *event) override;
    // The clipboard and drag and drop carry the selection character for
    // character, no-break spaces included.
    QMimeData *createMimeDataFromSelection() const override;

private:
    void applyFont(const QFont &font);
    void showInfo(const QString &text);
    void showSearchResult();
    void findTyped(const QString &pattern, bool matchCase);
    void replaceFromDialog(bool all);
    // Replaces the selection when it is an occurrence of pattern.
    bool replaceSelection(const QString &pattern, const QString &replacement);

    QString m_fileName;
    QString m_fileExt;
    QString m_fileDir;
    QString m_backupName;
    // The Close command asked already; the close that follows does not ask again.
    bool m_closing = false;
    QString m_searchText;
    SearchState m_search;
    QPointer<FindDialog> m_findDialog;
    QPointer<ReplaceDialog> m_replaceDialog;
    // None until the user picks one.
    Qt::Alignment m_alignment;
    int m_fontPoints = 10;
    bool m_printing = false;
    bool m_utf8 = true;
    bool m_byteOrderMark = false;
    bool m_crlf = false;
    bool m_untitled = false;
};
