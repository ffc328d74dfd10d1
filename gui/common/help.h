#pragma once
// Context help.
//
// Every window, control, menu or action may carry a help-context number
// (setHelpContext). A window may name its own help file (setHelpFile); the
// editor windows name "Ombrelay". Otherwise the application help file is used:
// the program's file name with the extension ".hlp". Help files live in the
// help folder, share/mervan beside the program's bin folder, both in the build
// tree and where the program is installed. Help requests go through
// HelpSystem::current(), which tests can replace to record them; without one
// installed it is the help window (helpviewer.h).

#include <QLocale>
#include <QString>

class QApplication;
class QMenu;
class QObject;
class QWidget;

void setHelpContext(QObject *object, int context);
// A menu's hint (on the action that opens it, for the status line) and its
// help context, on the menu and on that action.
void setMenuHelp(QMenu *menu, const QString &hint, int context);
int helpContext(const QObject *object); // 0 when none
void setHelpFile(QWidget *window, const QString &file);
QString helpFile(const QWidget *window); // empty when none

QString ApplicationHelpFile();
// The help folder of the program at programPath: ../share/mervan from the
// program's folder, so /opt/mervan/bin/mervan gives /opt/mervan/share/mervan.
QString HelpFolder(const QString &programPath);
// The program's help file: its file name with the extension replaced by ".hlp"
// (a program without an extension gets one), in its help folder:
// /opt/mervan/bin/mervan gives /opt/mervan/share/mervan/mervan.hlp.
QString ProgramHelpFile(const QString &programPath);
void SetApplicationHelpFile(const QString &file);
// The help file a request from window goes to: the window's own, else the
// application's; relative names are looked up in the help folder.
QString HelpFileFor(const QWidget *window);
// The help file in the user's language: file's name in the folder of one of
// locale's languages beside it (share/mervan/de/mervan.hlp for German), else
// file itself. The help is in English until such folders are installed.
QString LocalisedHelpFile(const QString &file, const QLocale &locale);
// A help file name as it is opened: a relative name is taken from the
// running program's help folder, a name without extension gets ".hlp", and
// LocalisedHelpFile picks the copy in the user's language when there is one.
QString ResolveHelpFile(const QString &file);

class HelpSystem
{
public:
    virtual ~HelpSystem() = default;
    virtual void showTopics(const QString &helpFile) = 0;               // contents and index
    virtual void showContext(const QString &helpFile, int context) = 0; // one topic by number

    // The installed help system, else the help window.
    static HelpSystem &current();
    static HelpSystem *install(HelpSystem *help); // not owned; nullptr restores the viewer
};

// The context for F1 in window: the focused widget's, else that of its nearest
// ancestor that has one; 0 when none does.
int ContextForFocus(const QWidget *window);

// F1 everywhere in the program (installed once; further calls do nothing):
// - with a menu item highlighted, the topic of that item's context, from the
//   help file of the window that owns the item;
// - in a window without a menu bar, the topic of ContextForFocus, or the
//   contents when nothing carries a context;
// - in a window with a menu bar and no menu open, the key is left alone: the
//   window's own F1 command (Help, the contents) handles it.
void InstallHelpKeys(QApplication &app);
