#pragma once
// TChild: an editor window for one plain-text file (data files, reports, any
// text). The frame puts each one into a sub-window of its MDI area and merges
// the window's File and Edit menus into its own menu bar.

#include "core/search/searchtext.h"

#include <QFont>
#include <QString>
#include <QWidget>

class QAction;
class QCloseEvent;
class QComboBox;
class QFrame;
class QMenu;
class QPlainTextEdit;
class QToolButton;
class TFindDialog;
class TReplaceDialog;

// The path last handed to an editor window: the bare default name of a new
// window, or the full name of a file opened or saved under a new name. The
// histogram command proposes it as the data file.
extern QString CurrentFileName;

class TChild : public QWidget
{
    Q_OBJECT
public:
    explicit TChild(QWidget *parent = nullptr);
    ~TChild() override;

    // Records a full file name: CurrentFileName, FileName, FileExt, FileDir
    // and BackupName.
    void ParseFile(const QString &name);
    // Loads the file into the window. Throws std::runtime_error with the
    // reason when the file cannot be read; the window keeps its text then.
    void Open(const QString &path);

    // The window's menus for the frame's menu bar: File is group 0, Edit group 1.
    QMenu *fileMenu() const { return FileMenu; }
    QMenu *editMenu() const { return Edit1; }

    // File commands.
    void New1Click();
    void Open1Click();
    void Exit1Click();
    void Save1Click();
    void SaveAs1Click();
    void Close1Click();
    // Writes the text to FileDir + FileName, the previous version becoming the
    // backup. Shows the error and returns false when the file cannot be written.
    bool SaveFile();
    // The save question for a modified text; canClose becomes false on Cancel
    // and when the save after Yes fails.
    void FormCloseQuery(bool &canClose);

    // Editing, alignment and fonts.
    void Cut1Click();
    void Copy1Click();
    void Paste1Click();
    void Delete1Click();
    void SelectAll1Click();
    void EnableEdits();
    void AlignClick(QAction *item);
    void Left1Click();
    void Right1Click();
    void Center1Click();
    void LeftJustifyButtonClick();
    void CenterTextButtonClick();
    void RightJustifyButtonClick();
    void WrapIt();
    void Font1Click();
    void ComboBox1FontName();
    void ComboBox2FontSize();

    // Find and replace.
    void FindTextClick();
    void ReplaceClick();
    void FindTextDlgFind();
    void ReplaceDialogFind();
    void ReplaceDialogReplace(bool all);
    void FindNext(const QString &pattern);
    void ReplaceFirst(const QString &pattern, const QString &replacement);
    void ReplaceAll(const QString &pattern, const QString &replacement);

    // Printing.
    void PrintSetup1Click();
    void Print1Click();

    // The editor's font size in points as the user set it; it may be 0, which
    // the screen cannot show but printing must refuse.
    int FontPoints() const { return m_fontPoints; }
    // true when the file was read as UTF-8 (and will be written so).
    bool IsUtf8() const { return m_utf8; }

    // Window state.
    QString FileName;
    QString FileExt;
    QString FileDir;
    QString BackupName;
    bool Closing = false;
    QString SearchText;
    SearchState Search;

    // Controls.
    QFrame *Panel1 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QComboBox *ComboBox2 = nullptr;
    QToolButton *SaveButton = nullptr;
    QToolButton *OpenButton1 = nullptr;
    QToolButton *CloseFileButton = nullptr;
    QToolButton *PrintFileButton1 = nullptr;
    QToolButton *SelectFontButton = nullptr;
    QToolButton *CopyButton = nullptr;
    QToolButton *PasteText = nullptr;
    QToolButton *CutTextButton = nullptr;
    QToolButton *DelTextButton = nullptr;
    QToolButton *LeftJustifyButton = nullptr;
    QToolButton *CenterTextButton = nullptr;
    QToolButton *RightJustifyButton = nullptr;

    // Menus and their items.
    QMenu *FileMenu = nullptr;
    QMenu *Edit1 = nullptr;
    QMenu *SearchMenu = nullptr;
    QMenu *Character1 = nullptr;
    QAction *New1 = nullptr;
    QAction *Open1 = nullptr;
    QAction *Close1 = nullptr;
    QAction *Save1 = nullptr;
    QAction *SaveAs1 = nullptr;
    QAction *Printsetup1 = nullptr;
    QAction *Print1 = nullptr;
    QAction *Exit1 = nullptr;
    QAction *FindText = nullptr;
    QAction *Replace = nullptr;
    QAction *Left1 = nullptr;
    QAction *Right1 = nullptr;
    QAction *Center1 = nullptr;
    QAction *Font1 = nullptr;
    QAction *WordWrap1 = nullptr;
    QAction *Cut1 = nullptr;
    QAction *Copy1 = nullptr;
    QAction *Paste1 = nullptr;
    QAction *Delete1 = nullptr;
    QAction *SelectAll1 = nullptr;

    // The modeless search dialogs, created on first use.
    TFindDialog *FindTextDlg = nullptr;
    TReplaceDialog *ReplaceDialog = nullptr;

    // The font dialog's own font: it starts as "System" and afterwards shows
    // the font last chosen in it.
    QFont FontDialogFont;

signals:
    // The editor's New, Open and Exit run the frame's commands.
    void newRequested();
    void openRequested();
    void exitRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Startup();
    void BuildPanel();
    void BuildMenus();
    void ApplyFont(const QFont &font);
    void SetAlignment(Qt::Alignment alignment);
    void ShowInfo(const QString &text);
    void ShowSearchResult();
    void FindTyped(const QString &pattern, bool matchCase);

    int m_fontPoints = 10;
    bool m_printing = false;
    bool m_utf8 = false;
    bool m_byteOrderMark = false;
};
