#include "gui/editor/editorcommands.h"

#include "gui/common/errorbox.h"
#include "gui/common/help.h"
#include "gui/common/pictures.h"
#include "gui/editor/editorwindow.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QStyle>

namespace {

constexpr int FileHelp = 2;
constexpr int EditHelp = 3;

} // namespace

EditorCommands::EditorCommands(QWidget *parent)
    : QToolBar(QStringLiteral("Editor"), parent)
{
    setObjectName(QStringLiteral("editorToolBar"));
    // Help asked for from the editor's menus and tools goes to the editor's
    // own help file.
    setHelpFile(this, QStringLiteral("Ombrelay"));
    setIconSize(QSize(16, 16));
    createActions();
    createMenus();
    createToolBar();
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &EditorCommands::updateClipboardActions);
    setEditor(nullptr);
}

QAction *EditorCommands::addCommand(const QString &name, const QString &caption,
                                    const QString &hint, int context)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(name);
    action->setStatusTip(hint);
    setHelpContext(action, context);
    // The menus show captions only, as they always did.
    action->setIconVisibleInMenu(false);
    return action;
}

// Runs slot on the bound editor when the action is triggered; what escapes it
// goes to the application's error box.
template <typename Slot>
void EditorCommands::forEditor(QAction *action, Slot slot)
{
    connect(action, &QAction::triggered, this, [this, slot] {
        if (EditorWindow *editor = m_editor)
            RunGuarded([editor, slot] { (editor->*slot)(); });
    });
}

void EditorCommands::createActions()
{
    const QStyle *style = this->style();
    m_newAction = addCommand(QStringLiteral("actionEditorNew"), tr("&New"), tr("Create a new file"),
                             FileHelp);
    m_newAction->setShortcut(QKeySequence(QKeySequence::New));
    connect(m_newAction, &QAction::triggered, this, &EditorCommands::newRequested);
    m_openAction = addCommand(QStringLiteral("actionEditorOpen"), tr("&Open"),
                              tr("Open an existing file"), FileHelp);
    m_openAction->setShortcut(QKeySequence(QKeySequence::Open));
    m_openAction->setToolTip(tr("Open a file"));
    m_openAction->setIcon(QIcon::fromTheme(QStringLiteral("document-open"),
                                           style->standardIcon(QStyle::SP_DialogOpenButton)));
    connect(m_openAction, &QAction::triggered, this, &EditorCommands::openRequested);
    m_closeAction = addCommand(QStringLiteral("actionClose"), tr("&Close"),
                               tr("Close current window"), FileHelp);
    m_closeAction->setToolTip(tr("Close file"));
    m_closeAction->setIcon(QIcon::fromTheme(QStringLiteral("window-close"),
                                            style->standardIcon(QStyle::SP_DialogCloseButton)));
    forEditor(m_closeAction, &EditorWindow::closeFile);
    m_saveAction = addCommand(QStringLiteral("actionSave"), tr("&Save"),
                              tr("Save the current file"), FileHelp);
    m_saveAction->setShortcut(QKeySequence(QKeySequence::Save));
    m_saveAction->setToolTip(tr("Save File"));
    m_saveAction->setIcon(QIcon::fromTheme(QStringLiteral("document-save"),
                                           style->standardIcon(QStyle::SP_DialogSaveButton)));
    forEditor(m_saveAction, &EditorWindow::save);
    m_saveAsAction = addCommand(QStringLiteral("actionSaveAs"), tr("Save &as"),
                                tr("Save current file under different name."), FileHelp);
    forEditor(m_saveAsAction, &EditorWindow::saveAs);
    m_printSetupAction = addCommand(QStringLiteral("actionPrintSetup"), tr("Print setup"),
                                    tr("Set printer settings"), FileHelp);
    forEditor(m_printSetupAction, &EditorWindow::printSetup);
    m_printAction = addCommand(QStringLiteral("actionPrint"), tr("&Print"),
                               tr("Print current file."), FileHelp);
    m_printAction->setShortcut(QKeySequence(QKeySequence::Print));
    m_printAction->setIcon(Pictures::Print());
    forEditor(m_printAction, &EditorWindow::print);
    m_exitAction = addCommand(QStringLiteral("actionEditorExit"), tr("E&xit"), tr("Leave Ombrelay"),
                              FileHelp);
    m_exitAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
    connect(m_exitAction, &QAction::triggered, this, &EditorCommands::exitRequested);

    m_findAction
        = addCommand(QStringLiteral("actionFind"), tr("&Find"), tr("Find a text string"), EditHelp);
    m_findAction->setShortcut(QKeySequence(QKeySequence::Find));
    forEditor(m_findAction, &EditorWindow::showFindDialog);
    m_findNextAction = addCommand(QStringLiteral("actionFindNext"), tr("Find &Next"),
                                  tr("Find the next occurrence"), EditHelp);
    m_findNextAction->setShortcut(QKeySequence(QKeySequence::FindNext));
    forEditor(m_findNextAction, &EditorWindow::findAgain);
    m_findPreviousAction = addCommand(QStringLiteral("actionFindPrevious"), tr("Find &Previous"),
                                      tr("Find the previous occurrence"), EditHelp);
    m_findPreviousAction->setShortcut(QKeySequence(QKeySequence::FindPrevious));
    forEditor(m_findPreviousAction, &EditorWindow::findAgainUp);
    m_undoAction = addCommand(QStringLiteral("actionUndo"), tr("&Undo"), tr("Undo the last change"),
                              EditHelp);
    m_undoAction->setShortcut(QKeySequence(QKeySequence::Undo));
    forEditor(m_undoAction, &EditorWindow::undo);
    m_redoAction = addCommand(QStringLiteral("actionRedo"), tr("R&edo"),
                              tr("Redo the change last undone"), EditHelp);
    m_redoAction->setShortcuts(
        {QKeySequence(QKeySequence::Redo), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    forEditor(m_redoAction, &EditorWindow::redo);
    m_replaceAction = addCommand(QStringLiteral("actionReplace"), tr("&Replace"),
                                 tr("Replace one text string for another"), EditHelp);
    forEditor(m_replaceAction, &EditorWindow::showReplaceDialog);

    const auto alignment = [this](const QString &name, const QString &caption, const QString &hint,
                                  const QString &tip, Qt::Alignment align) {
        QAction *action = addCommand(name, caption, hint, EditHelp);
        action->setCheckable(true);
        action->setToolTip(tip);
        action->setIcon(Pictures::Alignment(align));
        connect(action, &QAction::triggered, this, [this, align] {
            if (m_editor)
                m_editor->setTextAlignment(align);
            updateAlignment();
        });
        return action;
    };
    m_alignLeftAction
        = alignment(QStringLiteral("actionAlignLeft"), tr("&Left"),
                    tr("Select left justification."), tr("Left Justify"), Qt::AlignLeft);
    m_alignRightAction
        = alignment(QStringLiteral("actionAlignRight"), tr("&Right"),
                    tr("Select right justification."), tr("Right Justify"), Qt::AlignRight);
    m_alignCentreAction
        = alignment(QStringLiteral("actionAlignCenter"), tr("&Center"),
                    tr("Select center justification."), tr("Center Text"), Qt::AlignHCenter);
    m_fontAction
        = addCommand(QStringLiteral("actionFont"), tr("&Font"), tr("Select the font."), EditHelp);
    m_fontAction->setToolTip(tr("Select Font"));
    m_fontAction->setIcon(Pictures::Font());
    forEditor(m_fontAction, &EditorWindow::chooseFont);
    m_wordWrapAction = addCommand(QStringLiteral("actionWordWrap"), tr("&Word Wrap"),
                                  tr("Toggle wordwrap on or off."), EditHelp);
    m_wordWrapAction->setCheckable(true);
    forEditor(m_wordWrapAction, &EditorWindow::toggleWordWrap);

    m_cutAction = addCommand(QStringLiteral("actionCut"), tr("Cu&t"), tr("Cut text to clipboard"),
                             EditHelp);
    m_cutAction->setShortcut(QKeySequence(QKeySequence::Cut));
    m_cutAction->setToolTip(tr("Cut Text"));
    m_cutAction->setIcon(Pictures::Cut());
    forEditor(m_cutAction, &EditorWindow::cutSelection);
    m_copyAction
        = addCommand(QStringLiteral("actionCopy"), tr("&Copy"), tr("Copy selected text"), EditHelp);
    m_copyAction->setShortcut(QKeySequence(QKeySequence::Copy));
    m_copyAction->setToolTip(tr("Copy Text"));
    m_copyAction->setIcon(Pictures::Copy());
    forEditor(m_copyAction, &EditorWindow::copySelection);
    m_pasteAction = addCommand(QStringLiteral("actionPaste"), tr("&Paste"),
                               tr("Paste text from clipboard"), EditHelp);
    m_pasteAction->setShortcut(QKeySequence(QKeySequence::Paste));
    m_pasteAction->setToolTip(tr("Paste Text"));
    m_pasteAction->setIcon(Pictures::Paste());
    forEditor(m_pasteAction, &EditorWindow::pasteText);
    // QKeySequence::Delete is the Del key alone; this one is Ctrl+D.
    m_deleteAction = addCommand(QStringLiteral("actionDelete"), tr("&Delete"),
                                tr("Delete selected text"), EditHelp);
    m_deleteAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    m_deleteAction->setToolTip(tr("Delete Text"));
    m_deleteAction->setIcon(Pictures::Delete());
    forEditor(m_deleteAction, &EditorWindow::deleteSelection);
    m_selectAllAction = addCommand(QStringLiteral("actionSelectAll"), tr("Select &All"),
                                   tr("Select all text"), EditHelp);
    forEditor(m_selectAllAction, &EditorWindow::selectAll);
}

void EditorCommands::createMenus()
{
    m_fileMenu = new QMenu(tr("&File"), this);
    m_fileMenu->setObjectName(QStringLiteral("editorFileMenu"));
    m_fileMenu->menuAction()->setObjectName(QStringLiteral("editorFileMenu"));
    setMenuHelp(m_fileMenu, tr("Create, open, close and print a file."), FileHelp);
    m_fileMenu->addActions({m_newAction, m_openAction, m_closeAction});
    m_fileMenu->addSeparator();
    m_fileMenu->addActions({m_saveAction, m_saveAsAction});
    m_fileMenu->addSeparator();
    m_fileMenu->addActions({m_printSetupAction, m_printAction});
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_exitAction);

    m_editMenu = new QMenu(tr("&Edit"), this);
    m_editMenu->setObjectName(QStringLiteral("editMenu"));
    m_editMenu->menuAction()->setObjectName(QStringLiteral("editMenu"));
    setMenuHelp(m_editMenu, tr("File editting commands."), EditHelp);
    connect(m_editMenu, &QMenu::aboutToShow, this, &EditorCommands::updateClipboardActions);
    m_editMenu->addActions({m_undoAction, m_redoAction});
    m_editMenu->addSeparator();
    m_searchMenu = m_editMenu->addMenu(tr("&Search..."));
    m_searchMenu->setObjectName(QStringLiteral("searchMenu"));
    setMenuHelp(m_searchMenu, tr("Find and/or replace text"), EditHelp);
    m_searchMenu->addActions(
        {m_findAction, m_findNextAction, m_findPreviousAction, m_replaceAction});
    m_editMenu->addSeparator();
    m_characterMenu = m_editMenu->addMenu(tr("&Character"));
    m_characterMenu->setObjectName(QStringLiteral("characterMenu"));
    setMenuHelp(m_characterMenu, tr("Select text alignment, font, and toggle wordwrap."), EditHelp);
    m_characterMenu->addActions({m_alignLeftAction, m_alignRightAction, m_alignCentreAction,
                                 m_fontAction, m_wordWrapAction});
    m_editMenu->addSeparator();
    m_editMenu->addActions({m_cutAction, m_copyAction, m_pasteAction, m_deleteAction});
    m_editMenu->addSeparator();
    m_editMenu->addAction(m_selectAllAction);
}

void EditorCommands::createToolBar()
{
    addActions({m_saveAction, m_openAction, m_closeAction, m_printAction});
    addSeparator();
    addAction(m_fontAction);
    addSeparator();
    addActions({m_copyAction, m_pasteAction, m_cutAction, m_deleteAction});
    addSeparator();
    addActions({m_alignLeftAction, m_alignCentreAction, m_alignRightAction});
    addSeparator();

    QFont boxFont(QStringLiteral("Times New Roman"));
    boxFont.setPixelSize(12);
    boxFont.setBold(true);
    const auto box = [this, &boxFont](const QString &name, int width, const QString &label) {
        auto *b = new QComboBox(this);
        b->setObjectName(name);
        b->setAccessibleName(label);
        b->setEditable(true);
        b->setInsertPolicy(QComboBox::NoInsert);
        b->setFixedWidth(width);
        // The keyboard comes to a box only when it is clicked.
        b->setFocusPolicy(Qt::ClickFocus);
        b->setFont(boxFont);
        QPalette colours = b->palette();
        colours.setColor(QPalette::Base, colours.color(QPalette::Highlight));
        colours.setColor(QPalette::Text, Qt::black);
        b->setPalette(colours);
        b->lineEdit()->setPalette(colours);
        b->lineEdit()->setAccessibleName(label);
        addWidget(b);
        return b;
    };
    m_fontFamilyBox = box(QStringLiteral("fontFamilyBox"), 180, tr("Font name"));
    m_fontFamilyBox->addItems(QFontDatabase::families());
    m_fontSizeBox = box(QStringLiteral("fontSizeBox"), 44, tr("Font size"));
    for (int size = 6; size <= 72; ++size)
        m_fontSizeBox->addItem(QString::number(size));

    // A name or size applies on Enter or on a pick from the list; typing only
    // edits the box. Afterwards the keyboard goes back to the text.
    const auto applyFamily = [this] {
        if (!m_editor)
            return;
        m_editor->setFontFamily(m_fontFamilyBox->currentText());
        m_editor->setFocus();
    };
    const auto applySize = [this] {
        if (!m_editor)
            return;
        m_editor->setFontFamily(m_fontFamilyBox->currentText());
        m_editor->setFontSizeText(m_fontSizeBox->currentText());
        m_editor->setFocus();
    };
    connect(m_fontFamilyBox->lineEdit(), &QLineEdit::returnPressed, this, applyFamily);
    connect(m_fontFamilyBox, &QComboBox::textActivated, this, applyFamily);
    connect(m_fontSizeBox->lineEdit(), &QLineEdit::returnPressed, this, applySize);
    connect(m_fontSizeBox, &QComboBox::textActivated, this, applySize);
}

void EditorCommands::setEditor(EditorWindow *editor)
{
    for (const QMetaObject::Connection &connection : m_editorConnections)
        disconnect(connection);
    m_editorConnections.clear();
    m_editor = editor;

    const QList<QAction *> commands = actions() + m_fileMenu->actions() + m_editMenu->actions()
        + m_searchMenu->actions() + m_characterMenu->actions();
    for (QAction *action : commands) {
        if (!action->isSeparator() && !action->menu() && action != m_newAction
            && action != m_openAction && action != m_exitAction)
            action->setEnabled(editor);
    }
    m_fontFamilyBox->setEnabled(editor);
    m_fontSizeBox->setEnabled(editor);
    if (!editor)
        return;

    m_editorConnections
        << connect(editor, &QPlainTextEdit::copyAvailable, this,
                   [this](bool selected) {
                       for (QAction *action : {m_cutAction, m_copyAction, m_deleteAction})
                           action->setEnabled(selected);
                   })
        << connect(editor, &EditorWindow::textAlignmentChanged, this,
                   &EditorCommands::updateAlignment)
        << connect(editor, &EditorWindow::wordWrapChanged, m_wordWrapAction, &QAction::setChecked)
        << connect(editor, &QPlainTextEdit::undoAvailable, m_undoAction, &QAction::setEnabled)
        << connect(editor, &QPlainTextEdit::redoAvailable, m_redoAction, &QAction::setEnabled);
    m_undoAction->setEnabled(editor->document()->isUndoAvailable());
    m_redoAction->setEnabled(editor->document()->isRedoAvailable());
    updateClipboardActions();
    updateAlignment();
    m_wordWrapAction->setChecked(editor->wordWrap());

    const QSignalBlocker familyBlocker(m_fontFamilyBox);
    const QSignalBlocker sizeBlocker(m_fontSizeBox);
    m_fontFamilyBox->setEditText(editor->font().family());
    m_fontSizeBox->setEditText(QString::number(editor->fontPoints()));
}

void EditorCommands::updateClipboardActions()
{
    const QMimeData *mime = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    m_pasteAction->setEnabled(m_editor && mime && mime->hasText());
    const bool selected = m_editor && m_editor->textCursor().hasSelection();
    for (QAction *action : {m_cutAction, m_copyAction, m_deleteAction})
        action->setEnabled(selected);
}

void EditorCommands::updateAlignment()
{
    const Qt::Alignment alignment = m_editor ? m_editor->textAlignment() : Qt::Alignment();
    m_alignLeftAction->setChecked(alignment == Qt::AlignLeft);
    m_alignRightAction->setChecked(alignment == Qt::AlignRight);
    m_alignCentreAction->setChecked(alignment == Qt::AlignHCenter);
}
