#pragma once
// Small helpers shared by the editor window tests.

#include "gui/editor/editorwindow.h"
#include "testfiles.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QString>
#include <QTest>
#include <QTextCursor>
#include <QToolBar>
#include <QToolButton>

// Types text at the end of the editor, as the user would (sets the modified mark).
inline void TypeAtEnd(EditorWindow &child, const QString &text)
{
    child.moveCursor(QTextCursor::End);
    QTest::keyClicks(&child, text);
}

// Replaces the whole text as an edit (the modified mark is set).
inline void ReplaceText(EditorWindow &child, const QString &text)
{
    child.selectAll();
    child.textCursor().insertText(text);
}

// Selects count characters from document position start.
inline void SelectRange(EditorWindow &child, int start, int count)
{
    QTextCursor cursor = child.textCursor();
    cursor.setPosition(start);
    cursor.setPosition(start + count, QTextCursor::KeepAnchor);
    child.setTextCursor(cursor);
}

// The files of a folder, sorted, without "." and "..".
inline QStringList FilesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}

// The tool bar button that shows action in window.
inline QToolButton *ButtonFor(const QMainWindow &window, QAction *action)
{
    for (QToolBar *bar : window.findChildren<QToolBar *>()) {
        if (auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(action)))
            return button;
    }
    return nullptr;
}
