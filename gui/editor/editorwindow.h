#pragma once
// EditorWindow: an editor for one plain-text file (data files, reports, any
// text), shown in a sub-window of the main window's MDI area. It owns its
// file name, its modified mark and the question about unsaved changes; the
// main window's editor commands act on the active one.

#include "core/search/searchtext.h"

#include <QFont>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QString>

#include "gui/editor/diskwatch.h"
#include "gui/editor/finddialog.h"
#include "gui/editor/replacedialog.h"
#include "gui/editor/textfile.h"

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
    // reach any window. Returns false when cancelLoad() stopped it; the
    // window's text is then incomplete and the window is for throwing away.
    bool load(const QString &path);
    // Stops a load in progress at the next piece.
    void cancelLoad() { m_loadCancelled = true; }
    bool isLoading() const { return m_loading; }
    bool isPrinting() const { return m_printing; }

    // The caption of the window; the title bar and the Window menu add "*"
    // while the text has unsaved changes.
    void setCaption(const QString &caption) { setWindowTitle(caption + QStringLiteral("[*]")); }
    QString caption() const { return windowTitle().remove(QStringLiteral("[*]")); }
    QString fileName() const { return m_fileName; }
    QString fileDir() const { return m_fileDir; }
    QString fileExt() const { return m_fileExt; }
    QString backupName() const { return m_backupName; }
    bool isModified() const;
    // A new window's name is only a proposal: its first Save asks for a name.
    bool isUntitled() const { return m_untitled; }
    void setUntitled(bool untitled) { m_untitled = untitled; }
    // true when the file was read as UTF-8 (and will be written so).
    bool isUtf8() const
    {
        return m_encoding == TextEncoding::Utf8 || m_encoding == TextEncoding::Utf8Bom;
    }
    // How the next save writes the text: its encoding, and the line end of
    // new lines (and whether the lines end in more than one way).
    TextEncoding encoding() const { return m_encoding; }
    LineEnd newLineEnd() const { return m_newLine; }
    bool mixedLineEnds() const { return m_mixedEnds; }
    // Changes either for the next save; a change counts as an edit.
    void setEncoding(TextEncoding encoding);
    void setLineEnds(LineEnd end);
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
    // The same question without acting on the answer (Yes, No or Cancel).
    QMessageBox::StandardButton askToSave();
    // Closes the window without the save question, for a close whose
    // question was answered already. false when the window stays (printing).
    bool closeWithoutAsking();

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
    // Goes on to the next occurrence after the last one; past the end of the
    // text it goes on from the top, with a note.
    void findNext(const QString &pattern);
    // The occurrence before the selection; past the top it goes on from the
    // bottom, with a note.
    void findPrevious(const QString &pattern);
    // Find Previous without the dialog (Shift+F3).
    void findAgainUp();
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
    // The encoding or the line ends changed (a file read, a choice made).
    void formatChanged();
    // A short note for the status bar (a search that went round the text).
    void statusNote(const QString &note);

protected:
    void closeEvent(QCloseEvent *event) override;
    // A change on disk waiting for the window is told when it gets the keyboard.
    void focusInEvent(QFocusEvent *event) override;
    // The clipboard and drag and drop carry the selection character for
    // character, no-break spaces included.
    QMimeData *createMimeDataFromSelection() const override;

private:
    // Asks what to do about a change made on disk by another program.
    void checkDiskChange();
    void reloadFromDisk();
    void applyFont(const QFont &font);
    void showInfo(const QString &text);
    void showSearchResult();
    void findTyped(const QString &pattern, bool matchCase, bool up = false);
    void selectMatch(long line, long column, long length);
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
    TextEncoding m_encoding = TextEncoding::Utf8;
    LineEnd m_newLine = LineEnd::Lf;
    bool m_mixedEnds = false;
    bool m_untitled = false;
    DiskWatch *m_disk = nullptr;
    bool m_diskChangePending = false;
    bool m_askingAboutDisk = false;
    bool m_loading = false;
    bool m_loadCancelled = false;
    // A close that came during a load: the window closes once it is over.
    bool m_closeWhenLoaded = false;
};
