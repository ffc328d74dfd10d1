#pragma once
// EditorCommands: the editor commands of the main window. It holds the actions
// of the editor's File and Edit menus, the tool bar that shares them, and the
// font name and size boxes; every command acts on the editor window it is
// bound to, the active one. The main window shows the menus and the bar while
// an editor window is active.

#include <QPointer>
#include <QToolBar>

#include "gui/editor/editorwindow.h"
class QAction;
class QComboBox;
class QMenu;

class EditorCommands : public QToolBar
{
    Q_OBJECT
public:
    explicit EditorCommands(QWidget *parent = nullptr);

    QMenu *fileMenu() const { return m_fileMenu; }
    QMenu *editMenu() const { return m_editMenu; }
    // The New command of the File menu, which shares its key with the main
    // window's own New.
    QAction *newAction() const { return m_newAction; }

    EditorWindow *editor() const { return m_editor; }
    // Binds the commands to editor; nullptr disables them.
    void setEditor(EditorWindow *editor);

signals:
    // The File menu's New, Open and Exit are the main window's commands.
    void newRequested();
    void openRequested();
    void exitRequested();

private:
    void createActions();
    void createMenus();
    void createToolBar();
    void updateClipboardActions();
    void updateAlignment();
    QAction *addCommand(const QString &name, const QString &caption, const QString &hint,
                        int context);
    template <typename Slot>
    void forEditor(QAction *action, Slot slot);

    QPointer<EditorWindow> m_editor;
    QList<QMetaObject::Connection> m_editorConnections;

    QMenu *m_fileMenu = nullptr;
    QMenu *m_editMenu = nullptr;
    QMenu *m_searchMenu = nullptr;
    QMenu *m_characterMenu = nullptr;
    QAction *m_newAction = nullptr;
    QAction *m_openAction = nullptr;
    QAction *m_closeAction = nullptr;
    QAction *m_saveAction = nullptr;
    QAction *m_saveAsAction = nullptr;
    QAction *m_printSetupAction = nullptr;
    QAction *m_printAction = nullptr;
    QAction *m_exitAction = nullptr;
    QAction *m_findAction = nullptr;
    QAction *m_findNextAction = nullptr;
    QAction *m_findPreviousAction = nullptr;
    QAction *m_replaceAction = nullptr;
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
    QAction *m_alignLeftAction = nullptr;
    QAction *m_alignRightAction = nullptr;
    QAction *m_alignCentreAction = nullptr;
    QAction *m_fontAction = nullptr;
    QAction *m_wordWrapAction = nullptr;
    QAction *m_cutAction = nullptr;
    QAction *m_copyAction = nullptr;
    QAction *m_pasteAction = nullptr;
    QAction *m_deleteAction = nullptr;
    QAction *m_selectAllAction = nullptr;
    QComboBox *m_fontFamilyBox = nullptr;
    QComboBox *m_fontSizeBox = nullptr;
};
