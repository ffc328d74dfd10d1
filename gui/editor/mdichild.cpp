#include "gui/editor/mdichild.h"

#include "gui/common/clipboard.h"
#include "gui/common/errorbox.h"
#include "gui/common/help.h"
#include "gui/common/pictures.h"
#include "gui/common/printing.h"
#include "gui/common/prompts.h"
#include "gui/editor/editorprint.h"
#include "gui/editor/finddialogs.h"
#include "gui/editor/textfile.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

#include <climits>
#include <cmath>
#include <cstdlib>

QString CurrentFileName;

namespace {

constexpr int FileHelp = 2;
constexpr int EditHelp = 3;
// Sizes larger than this are kept for printing but not shown on screen, where
// glyphs of that size would only make the window crawl.
constexpr int LargestScreenPoints = 500;

std::u16string_view View(const QString &text)
{
    return {reinterpret_cast<const char16_t *>(text.utf16()),
            static_cast<std::size_t>(text.size())};
}

QString FromView(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar *>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

// Full Unicode upper case, one code unit for one, so columns stay put.
char16_t QtUpperCase(char16_t c)
{
    if (QChar::isSurrogate(c))
        return c;
    const char32_t upper = QChar::toUpper(static_cast<char32_t>(c));
    return upper > 0xFFFF ? c : static_cast<char16_t>(upper);
}

// The lines of the text as the commands count them: a line break after the
// last line does not begin another one, and an empty text has no line at all.
long LineCount(const QTextDocument *document)
{
    const int blocks = document->blockCount();
    return document->lastBlock().length() <= 1 ? blocks - 1 : blocks;
}

QStringList Lines(const QTextDocument *document)
{
    QStringList lines;
    const long count = LineCount(document);
    lines.reserve(count);
    QTextBlock block = document->firstBlock();
    for (long i = 0; i < count; ++i, block = block.next())
        lines.append(block.text());
    return lines;
}

// The whole text with '\n' between lines, character for character (the
// document's own plain-text export would turn no-break spaces into blanks).
QString RawText(const QTextDocument *document)
{
    QString text;
    text.reserve(document->characterCount());
    for (QTextBlock block = document->firstBlock(); block.isValid(); block = block.next()) {
        if (block != document->firstBlock())
            text += QLatin1Char('\n');
        text += block.text();
    }
    return text;
}

// The editor's lines for the search functions. Lines are fetched in order, so
// the last block is remembered; replacements go into one undo step.
class MemoLines : public SearchLines
{
public:
    explicit MemoLines(QPlainTextEdit *memo)
        : m_document(memo->document())
        , m_cursor(m_document)
    { }
    ~MemoLines() override
    {
        if (m_editing)
            m_cursor.endEditBlock();
    }

    long lineCount() const override { return LineCount(m_document) - m_extraLines; }

    std::u16string_view line(long index) override
    {
        m_text = block(index).text();
        return View(m_text);
    }

    void setLine(long index, const std::u16string &text) override
    {
        if (!m_editing) {
            m_cursor.beginEditBlock();
            m_editing = true;
        }
        const QTextBlock b = block(index);
        const int before = m_document->blockCount();
        m_cursor.setPosition(b.position());
        m_cursor.setPosition(b.position() + b.length() - 1, QTextCursor::KeepAnchor);
        m_cursor.insertText(FromView(text));
        // A replacement holding a line break splits the line; later indexes
        // still name the lines as they were when the command began.
        m_extraLines += m_document->blockCount() - before;
        m_cachedIndex = -1;
    }

    // Position in the document of column 1 of a line.
    int position(long index) { return block(index).position(); }

private:
    QTextBlock block(long index)
    {
        const long number = index + m_extraLines;
        if (m_cachedIndex >= 0 && number == m_cachedIndex + 1)
            m_cached = m_cached.next();
        else if (number != m_cachedIndex)
            m_cached = m_document->findBlockByNumber(static_cast<int>(number));
        m_cachedIndex = number;
        return m_cached;
    }

    QTextDocument *m_document;
    QTextCursor m_cursor;
    bool m_editing = false;
    long m_extraLines = 0;
    QTextBlock m_cached;
    long m_cachedIndex = -1;
    QString m_text;
};

// The size typed into the size box as a whole number: leading blanks skipped,
// a sign accepted. A character that does not belong ends the number; the
// digits before it count and a minus sign is dropped. No digits give 0.
int SizeFromText(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    long long value = 0;
    bool clean = true;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            clean = false;
            break;
        }
        const long long next = value * 10 + (c.unicode() - u'0');
        if (next > INT_MAX) { // too many digits: stop where it overflowed
            clean = false;
            break;
        }
        value = next;
    }
    return static_cast<int>(clean && negative ? -value : value);
}

// The selection goes into the find or replace dialog's field; returns the
// text as the field holds it (line breaks turned into blanks).
template <class SearchDialog>
QString StartFromSelection(SearchDialog *dialog, const QString &selection)
{
    dialog->setFindText(selection);
    return dialog->findText();
}

void BringUp(QDialog *dialog)
{
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

// Runs a command; what escapes it goes to the application's error box.
template <typename Command>
auto Guarded(Command command)
{
    return [command] { RunGuarded(command); };
}

} // namespace

TChild::TChild(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    resize(437, 275);
    setHelpContext(this, 1);
    setHelpFile(this, QStringLiteral("Ombrelay"));

    FontDialogFont = QFont(QStringLiteral("System"));
    FontDialogFont.setPixelSize(13);

    Memo1 = new QPlainTextEdit(this);
    QFont memoFont(QStringLiteral("Courier New"));
    memoFont.setPointSize(10);
    Memo1->setFont(memoFont);
    QPalette palette = Memo1->palette();
    palette.setColor(QPalette::Text, Qt::black);
    Memo1->setPalette(palette);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setPlainText(QStringLiteral("\n"));
    Memo1->moveCursor(QTextCursor::Start);
    Memo1->document()->setModified(false);
    Memo1->installEventFilter(this);

    BuildPanel();
    BuildMenus();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(Memo1, 1);
    setFocusProxy(Memo1);

    Startup();
}

TChild::~TChild() = default;

void TChild::BuildPanel()
{
    Panel1 = new QFrame(this);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);
    Panel1->setFixedHeight(49);

    const auto button = [this](int x, const QString &hint, const QIcon &icon,
                               void (TChild::*command)()) {
        auto *b = new QToolButton(Panel1);
        b->setGeometry(x, 1, 23, 23);
        b->setIcon(icon);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        if (!hint.isEmpty()) {
            b->setToolTip(hint);
            b->setStatusTip(hint);
        }
        connect(b, &QToolButton::clicked, this, Guarded([this, command] { (this->*command)(); }));
        return b;
    };
    const QStyle *style = this->style();
    SaveButton = button(0, QStringLiteral("Save File"),
                        QIcon::fromTheme(QStringLiteral("document-save"),
                                         style->standardIcon(QStyle::SP_DialogSaveButton)),
                        &TChild::Save1Click);
    OpenButton1 = button(22, QStringLiteral("Open a file"),
                         QIcon::fromTheme(QStringLiteral("document-open"),
                                          style->standardIcon(QStyle::SP_DialogOpenButton)),
                         &TChild::Open1Click);
    CloseFileButton = button(44, QStringLiteral("Close file"),
                             QIcon::fromTheme(QStringLiteral("window-close"),
                                              style->standardIcon(QStyle::SP_DialogCloseButton)),
                             &TChild::Close1Click);
    PrintFileButton1 = button(66, QString(), Pictures::Print(), &TChild::Print1Click);
    SelectFontButton
        = button(100, QStringLiteral("Select Font"), Pictures::Font(), &TChild::Font1Click);
    CopyButton = button(132, QStringLiteral("Copy Text"), Pictures::Copy(), &TChild::Copy1Click);
    PasteText = button(166, QStringLiteral("Paste Text"), Pictures::Paste(), &TChild::Paste1Click);
    // Its hint promises a cut, so it cuts.
    CutTextButton = button(188, QStringLiteral("Cut Text"), Pictures::Cut(), &TChild::Cut1Click);
    DelTextButton
        = button(210, QStringLiteral("Delete Text"), Pictures::Delete(), &TChild::Delete1Click);
    LeftJustifyButton = button(240, QStringLiteral("Left Justify"),
                               Pictures::Alignment(Qt::AlignLeft), &TChild::LeftJustifyButtonClick);
    CenterTextButton
        = button(262, QStringLiteral("Center Text"), Pictures::Alignment(Qt::AlignHCenter),
                 &TChild::CenterTextButtonClick);
    RightJustifyButton
        = button(284, QStringLiteral("Right Justify"), Pictures::Alignment(Qt::AlignRight),
                 &TChild::RightJustifyButtonClick);

    QFont boxFont(QStringLiteral("Times New Roman"));
    boxFont.setPixelSize(12);
    boxFont.setBold(true);
    const auto box = [this, &boxFont](int x, int width) {
        auto *b = new QComboBox(Panel1);
        b->setEditable(true);
        b->setInsertPolicy(QComboBox::NoInsert);
        b->setGeometry(x, 26, width, 23);
        b->setFont(boxFont);
        QPalette palette = b->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Highlight));
        palette.setColor(QPalette::Text, Qt::black);
        b->setPalette(palette);
        b->lineEdit()->setPalette(palette);
        return b;
    };
    ComboBox1 = box(4, 180);
    ComboBox2 = box(184, 44);
    connect(ComboBox1, &QComboBox::editTextChanged, this, [this] { ComboBox1FontName(); });
    connect(ComboBox2, &QComboBox::editTextChanged, this, [this] { ComboBox2FontSize(); });
}

void TChild::BuildMenus()
{
    const auto item = [this](QMenu *menu, const QString &caption, const QKeySequence &shortcut,
                             const QString &hint, int help, auto command) {
        QAction *action = menu->addAction(caption);
        if (!shortcut.isEmpty()) {
            action->setShortcut(shortcut);
            // Each editor window answers its shortcuts only while it has the focus.
            action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            addAction(action);
        }
        action->setStatusTip(hint);
        setHelpContext(action, help);
        connect(action, &QAction::triggered, this,
                Guarded([this, command] { (this->*command)(); }));
        return action;
    };
    const auto submenu = [](QMenu *menu, const QString &caption, const QString &hint, int help) {
        QMenu *sub = menu->addMenu(caption);
        setMenuHelp(sub, hint, help);
        return sub;
    };

    FileMenu = new QMenu(QStringLiteral("&File"), this);
    setMenuHelp(FileMenu, QStringLiteral("Create, open, close and print a file."), FileHelp);
    New1 = item(FileMenu, QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N),
                QStringLiteral("Create a new file"), FileHelp, &TChild::New1Click);
    Open1 = item(FileMenu, QStringLiteral("&Open"), QKeySequence(Qt::CTRL | Qt::Key_O),
                 QStringLiteral("Open an existing file"), FileHelp, &TChild::Open1Click);
    Close1 = item(FileMenu, QStringLiteral("&Close"), QKeySequence(),
                  QStringLiteral("Close current window"), FileHelp, &TChild::Close1Click);
    FileMenu->addSeparator();
    Save1 = item(FileMenu, QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S),
                 QStringLiteral("Save the current file"), FileHelp, &TChild::Save1Click);
    SaveAs1 = item(FileMenu, QStringLiteral("Save &as"), QKeySequence(),
                   QStringLiteral("Save current file under different name."), FileHelp,
                   &TChild::SaveAs1Click);
    FileMenu->addSeparator();
    Printsetup1 = item(FileMenu, QStringLiteral("Print setup"), QKeySequence(),
                       QStringLiteral("Set printer settings"), FileHelp, &TChild::PrintSetup1Click);
    Print1 = item(FileMenu, QStringLiteral("&Print"), QKeySequence(Qt::CTRL | Qt::Key_P),
                  QStringLiteral("Print current file."), FileHelp, &TChild::Print1Click);
    FileMenu->addSeparator();
    Exit1 = item(FileMenu, QStringLiteral("E&xit"), QKeySequence(Qt::ALT | Qt::Key_X),
                 QStringLiteral("Leave Ombrelay"), FileHelp, &TChild::Exit1Click);

    Edit1 = new QMenu(QStringLiteral("&Edit"), this);
    setMenuHelp(Edit1, QStringLiteral("File editting commands."), EditHelp);
    connect(Edit1, &QMenu::aboutToShow, this, [this] { EnableEdits(); });

    SearchMenu = submenu(Edit1, QStringLiteral("&Search..."),
                         QStringLiteral("Find and/or replace text"), EditHelp);
    FindText = item(SearchMenu, QStringLiteral("&Find"), QKeySequence(),
                    QStringLiteral("Find a text string"), EditHelp, &TChild::FindTextClick);
    Replace = item(SearchMenu, QStringLiteral("&Replace"), QKeySequence(),
                   QStringLiteral("Replace one text string for another"), EditHelp,
                   &TChild::ReplaceClick);
    Edit1->addSeparator();
    Character1
        = submenu(Edit1, QStringLiteral("&Character"),
                  QStringLiteral("Select text alignment, font, and toggle wordwrap."), EditHelp);
    Left1 = item(Character1, QStringLiteral("&Left"), QKeySequence(),
                 QStringLiteral("Select left justification."), EditHelp, &TChild::Left1Click);
    Right1 = item(Character1, QStringLiteral("&Right"), QKeySequence(),
                  QStringLiteral("Select right justification."), EditHelp, &TChild::Right1Click);
    Center1 = item(Character1, QStringLiteral("&Center"), QKeySequence(),
                   QStringLiteral("Select center justification."), EditHelp, &TChild::Center1Click);
    Font1 = item(Character1, QStringLiteral("&Font"), QKeySequence(),
                 QStringLiteral("Select the font."), EditHelp, &TChild::Font1Click);
    WordWrap1 = item(Character1, QStringLiteral("&Word Wrap"), QKeySequence(),
                     QStringLiteral("Toggle wordwrap on or off."), EditHelp, &TChild::WrapIt);
    for (QAction *a : {Left1, Right1, Center1, WordWrap1})
        a->setCheckable(true);
    Edit1->addSeparator();
    Cut1 = item(Edit1, QStringLiteral("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X),
                QStringLiteral("Cut text to clipboard"), EditHelp, &TChild::Cut1Click);
    Copy1 = item(Edit1, QStringLiteral("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C),
                 QStringLiteral("Copy selected text"), EditHelp, &TChild::Copy1Click);
    Paste1 = item(Edit1, QStringLiteral("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V),
                  QStringLiteral("Paste text from clipboard"), EditHelp, &TChild::Paste1Click);
    Delete1 = item(Edit1, QStringLiteral("&Delete"), QKeySequence(Qt::CTRL | Qt::Key_D),
                   QStringLiteral("Delete selected text"), EditHelp, &TChild::Delete1Click);
    Edit1->addSeparator();
    SelectAll1 = item(Edit1, QStringLiteral("Select &All"), QKeySequence(),
                      QStringLiteral("Select all text"), EditHelp, &TChild::SelectAll1Click);
}

void TChild::Startup()
{
    const QSignalBlocker block1(ComboBox1);
    const QSignalBlocker block2(ComboBox2);
    ComboBox1->addItems(QFontDatabase::families());
    ComboBox1->setEditText(Memo1->font().family());
    QStringList sizes;
    for (int size = 6; size <= 72; ++size)
        sizes.append(QString::number(size));
    ComboBox2->addItems(sizes);
    ComboBox2->setEditText(QString::number(m_fontPoints));
}

// ---------------------------------------------------------------------------
// Files

void TChild::ParseFile(const QString &name)
{
    CurrentFileName = name;
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    FileName = name.mid(slash + 1);
    FileDir = name.left(slash + 1);
    const qsizetype dot = FileName.lastIndexOf(QLatin1Char('.'));
    FileExt = dot < 0 ? QString() : FileName.mid(dot);
    BackupName = (dot < 0 ? FileName : FileName.left(dot)) + QStringLiteral(".BAK");
}

void TChild::Open(const QString &path)
{
    ParseFile(path);
    QWidget *viewport = Memo1->viewport();
    const QCursor previous = viewport->cursor();
    viewport->setCursor(Qt::WaitCursor);
    struct RestoreCursor
    {
        QWidget *widget;
        QCursor cursor;
        ~RestoreCursor() { widget->setCursor(cursor); }
    } restore{viewport, previous};

    const EditorText loaded = LoadEditorFile(path);
    Memo1->setPlainText(loaded.text);
    m_utf8 = loaded.utf8;
    m_byteOrderMark = loaded.byteOrderMark;
    setWindowTitle(FileName);
    Memo1->moveCursor(QTextCursor::Start);
    Memo1->document()->setModified(false);
    Search.MatchCase = false;
    Closing = false;
}

bool TChild::SaveFile()
{
    const QString path = FileDir + FileName;
    bool utf8 = m_utf8;
    const QByteArray bytes = EncodeEditorText(RawText(Memo1->document()), utf8, m_byteOrderMark);
    const bool existed = QFileInfo::exists(path);
    QString reason;
    if (!SaveWithBackup(path, FileDir + BackupName, bytes, &reason)) {
        Prompts::current().error(QStringLiteral("Cannot create file \"%1\". %2").arg(path, reason));
        return false;
    }
    // Say so when an 8-bit file changes its encoding: other programs that
    // read it as 8-bit text would see its accented letters change.
    if (utf8 && !m_utf8 && existed)
        ShowInfo(QStringLiteral(
                     "\"%1\" now holds characters that Windows-1252 cannot store, so it was saved "
                     "as UTF-8.")
                     .arg(FileName));
    m_utf8 = utf8;
    Memo1->document()->setModified(false);
    return true;
}

void TChild::New1Click()
{
    emit newRequested();
}
void TChild::Open1Click()
{
    emit openRequested();
}
void TChild::Exit1Click()
{
    emit exitRequested();
}

void TChild::Save1Click()
{
    SaveFile();
}

void TChild::SaveAs1Click()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Save file as...");
    request.filters = {QStringLiteral("Data files (*.dat)"), QStringLiteral("Output files (*.out)"),
                       QStringLiteral("All files (*)")};
    request.selectedFilter = 0;
    request.defaultSuffix = FileExt.mid(1);
    request.fileName = FileName;
    request.directory = FileDir;
    const QString chosen = Prompts::current().saveFileName(this, request);
    if (chosen.isEmpty())
        return;
    ParseFile(chosen);
    setWindowTitle(FileName);
    SaveFile();
}

void TChild::FormCloseQuery(bool &canClose)
{
    if (!Memo1->document()->isModified())
        return;
    const QMessageBox::StandardButton answer = Prompts::current().confirm(
        QStringLiteral("Save changes to ") + FileName + QStringLiteral("? "));
    if (answer == QMessageBox::Yes) {
        // A failed save keeps the window, so that the text is not lost.
        if (!SaveFile())
            canClose = false;
    } else if (answer != QMessageBox::No) {
        canClose = false;
    }
}

void TChild::Close1Click()
{
    Closing = true;
    bool canClose = true;
    FormCloseQuery(canClose);
    if (!canClose) {
        // A later close through the close box asks again.
        Closing = false;
        return;
    }
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->close();
    else
        close();
}

void TChild::closeEvent(QCloseEvent *event)
{
    if (m_printing) {
        ShowInfo(QStringLiteral("The window is printing. Close it when printing has finished."));
        // A Close command whose question was already answered is over: the
        // next close asks again.
        Closing = false;
        event->ignore();
        return;
    }
    if (!Closing && Memo1->document()->isModified()) {
        bool canClose = true;
        FormCloseQuery(canClose);
        if (!canClose) {
            event->ignore();
            return;
        }
    }
    Closing = false;
    event->accept();
}

// ---------------------------------------------------------------------------
// Editing

bool TChild::eventFilter(QObject *watched, QEvent *event)
{
    // The clipboard items are enabled according to the selection and the
    // clipboard at the moment their key is pressed; the editor's own handling
    // of those keys is replaced by the items, so that a disabled item does
    // nothing through its key either.
    if (watched == Memo1
        && (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
        auto *key = static_cast<QKeyEvent *>(event);
        const QKeySequence pressed(key->keyCombination());
        for (QAction *action : {Cut1, Copy1, Paste1, Delete1}) {
            if (action->shortcut() != pressed)
                continue;
            if (event->type() == QEvent::ShortcutOverride) {
                EnableEdits();
                event->accept(); // comes back as a key press, below
                return true;
            }
            if (action->isEnabled())
                action->trigger();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TChild::EnableEdits()
{
    const QMimeData *clipboardData = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    Paste1->setEnabled(clipboardData && clipboardData->hasText());
    const bool selected = Memo1->textCursor().hasSelection();
    Cut1->setEnabled(selected);
    Copy1->setEnabled(selected);
    Delete1->setEnabled(selected);
}

namespace {

QString SelectedText(const QPlainTextEdit *memo)
{
    QString text = memo->textCursor().selectedText();
    text.replace(QChar(QChar::ParagraphSeparator), QLatin1Char('\n'));
    return text;
}

} // namespace

void TChild::Cut1Click()
{
    QTextCursor cursor = Memo1->textCursor();
    if (!cursor.hasSelection())
        return;
    CopyTextToClipboard(SelectedText(Memo1));
    cursor.removeSelectedText();
}

void TChild::Copy1Click()
{
    if (Memo1->textCursor().hasSelection())
        CopyTextToClipboard(SelectedText(Memo1));
}

void TChild::Paste1Click()
{
    const QString text = ClipboardText();
    if (!text.isEmpty())
        Memo1->textCursor().insertText(text);
}

void TChild::Delete1Click()
{
    Memo1->textCursor().removeSelectedText();
}

void TChild::SelectAll1Click()
{
    Memo1->selectAll();
}

void TChild::SetAlignment(Qt::Alignment alignment)
{
    QTextDocument *document = Memo1->document();
    QTextOption option = document->defaultTextOption();
    option.setAlignment(alignment);
    document->setDefaultTextOption(option);
    Memo1->viewport()->update();
}

void TChild::AlignClick(QAction *item)
{
    for (QAction *a : {Left1, Right1, Center1})
        a->setChecked(a == item);
    if (Left1->isChecked())
        SetAlignment(Qt::AlignLeft);
    else if (Right1->isChecked())
        SetAlignment(Qt::AlignRight);
    else if (Center1->isChecked())
        SetAlignment(Qt::AlignHCenter);
}

void TChild::Left1Click()
{
    AlignClick(Left1);
}
void TChild::Right1Click()
{
    AlignClick(Right1);
}
void TChild::Center1Click()
{
    AlignClick(Center1);
}
void TChild::LeftJustifyButtonClick()
{
    AlignClick(Left1);
}
void TChild::CenterTextButtonClick()
{
    AlignClick(Center1);
}
void TChild::RightJustifyButtonClick()
{
    AlignClick(Right1);
}

void TChild::WrapIt()
{
    const bool wrap = Memo1->lineWrapMode() == QPlainTextEdit::NoWrap;
    Memo1->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(wrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
    WordWrap1->setChecked(wrap);
}

void TChild::ApplyFont(const QFont &font)
{
    QFont shown = font;
    const int points = std::abs(m_fontPoints);
    if (points == 0)
        shown.setPointSize(QApplication::font().pointSize() > 0 ? QApplication::font().pointSize()
                                                                : 10);
    else
        shown.setPointSize(std::min(points, LargestScreenPoints));
    Memo1->setFont(shown);
}

void TChild::Font1Click()
{
    const QPalette palette = Memo1->palette();
    QFont chosen = FontDialogFont;
    if (Prompts::current().chooseFont(this, chosen)) {
        FontDialogFont = chosen;
        if (chosen.pointSize() > 0)
            m_fontPoints = chosen.pointSize();
        else if (chosen.pixelSize() > 0)
            m_fontPoints = static_cast<int>(std::lrint(chosen.pixelSize() * 72.0 / logicalDpiY()));
        ApplyFont(chosen);
    }
    // The text keeps its colour whatever the dialog offered.
    Memo1->setPalette(palette);
}

void TChild::ComboBox1FontName()
{
    QFont font = Memo1->font();
    font.setFamily(ComboBox1->currentText());
    ApplyFont(font);
    Memo1->setFocus();
}

void TChild::ComboBox2FontSize()
{
    m_fontPoints = SizeFromText(ComboBox2->currentText());
    ComboBox1FontName();
}

// ---------------------------------------------------------------------------
// Find and replace

void TChild::ShowInfo(const QString &text)
{
    Prompts::current().information(text);
}

void TChild::ShowSearchResult()
{
    Memo1->viewport()->update();
    Memo1->activateWindow();
    Memo1->setFocus();
}

void TChild::FindTextClick()
{
    if (Memo1->document()->isEmpty()) {
        ShowInfo(QStringLiteral("No text to search"));
        return;
    }
    if (!FindTextDlg) {
        FindTextDlg = new TFindDialog(this);
        connect(FindTextDlg, &TFindDialog::findNext, this, Guarded([this] { FindTextDlgFind(); }));
    }
    SearchText = StartFromSelection(FindTextDlg, SelectedText(Memo1));
    Search.ToTop();
    BringUp(FindTextDlg);
}

void TChild::ReplaceClick()
{
    if (Memo1->document()->isEmpty()) {
        ShowInfo(QStringLiteral("No text to search/replace."));
        return;
    }
    if (!ReplaceDialog) {
        ReplaceDialog = new TReplaceDialog(this);
        connect(ReplaceDialog, &TReplaceDialog::findNext, this,
                Guarded([this] { ReplaceDialogFind(); }));
        connect(ReplaceDialog, &TReplaceDialog::replace, this,
                [this](bool all) { RunGuarded([this, all] { ReplaceDialogReplace(all); }); });
    }
    SearchText = StartFromSelection(ReplaceDialog, SelectedText(Memo1));
    Search.ToTop();
    BringUp(ReplaceDialog);
}

void TChild::FindTextDlgFind()
{
    FindTyped(FindTextDlg->findText(), FindTextDlg->matchCase());
}

void TChild::ReplaceDialogFind()
{
    FindTyped(ReplaceDialog->findText(), ReplaceDialog->matchCase());
}

// Find Next from either dialog: a changed pattern starts again at the top.
void TChild::FindTyped(const QString &pattern, bool matchCase)
{
    Search.MatchCase = matchCase;
    if (pattern != SearchText) {
        SearchText = pattern;
        Search.ToTop();
    }
    FindNext(pattern);
}

void TChild::ReplaceDialogReplace(bool all)
{
    Search.MatchCase = ReplaceDialog->matchCase();
    SearchText = ReplaceDialog->findText();
    if (all)
        ReplaceAll(SearchText, ReplaceDialog->replaceText());
    else
        ReplaceFirst(SearchText, ReplaceDialog->replaceText());
}

void TChild::FindNext(const QString &pattern)
{
    MemoLines lines(Memo1);
    const FindResult found = ::FindNext(Search, lines, View(pattern), QtUpperCase);
    if (found.found) {
        QTextCursor cursor = Memo1->textCursor();
        const int start = lines.position(found.line) + static_cast<int>(found.column) - 1;
        cursor.setPosition(start);
        cursor.setPosition(start + static_cast<int>(pattern.size()), QTextCursor::KeepAnchor);
        Memo1->setTextCursor(cursor);
        Memo1->ensureCursorVisible();
    } else {
        ShowInfo(QStringLiteral("String \"") + pattern + QStringLiteral("\" was not found."));
    }
    ShowSearchResult();
}

void TChild::ReplaceFirst(const QString &pattern, const QString &replacement)
{
    {
        MemoLines lines(Memo1);
        ::ReplaceFirst(lines, View(pattern), View(replacement), Search.MatchCase, QtUpperCase);
    }
    ShowSearchResult();
}

void TChild::ReplaceAll(const QString &pattern, const QString &replacement)
{
    {
        MemoLines lines(Memo1);
        ::ReplaceAll(lines, View(pattern), View(replacement), Search.MatchCase, QtUpperCase);
    }
    ShowSearchResult();
}

// ---------------------------------------------------------------------------
// Printing

void TChild::PrintSetup1Click()
{
    Prompts::current().printerSetup(this, ProgramPrinter());
}

void TChild::Print1Click()
{
    const QTextDocument *document = Memo1->document();
    if (document->isEmpty())
        return;
    EditorPrintJob job;
    job.title = windowTitle();
    job.font = Memo1->font();
    job.points = m_fontPoints;
    job.colour = Memo1->palette().color(QPalette::Text);
    job.screenDpi = logicalDpiX();
    job.lines = Lines(document);

    // Events run while the pages are built; the window stays open meanwhile.
    // A Print that arrives during the job is refused, and must not lift the
    // running job's hold on the window.
    const QPointer<TChild> self(this);
    const bool alreadyPrinting = m_printing;
    m_printing = true;
    EditorPrintResult result;
    try {
        result = PrintEditorText(ProgramPrinter(), job);
    } catch (...) {
        if (self)
            m_printing = alreadyPrinting;
        throw;
    }
    if (!self)
        return;
    m_printing = alreadyPrinting;
    switch (result) {
    case EditorPrintResult::FontUnusable:
        Prompts::current().message(
            QStringLiteral("Cannot print in a font of %1 points: no line fits on a page. "
                           "Choose another font size.")
                .arg(m_fontPoints));
        break;
    case EditorPrintResult::Busy:
        Prompts::current().message(
            QStringLiteral("Another text is being printed. Try again when it has finished."));
        break;
    case EditorPrintResult::Printed:
    case EditorPrintResult::NothingToPrint:
        break;
    }
}
