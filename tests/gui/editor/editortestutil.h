#pragma once
// Small helpers shared by the editor window tests.

#include "gui/editor/mdichild.h"
#include "testfiles.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QString>
#include <QTest>
#include <QTextCursor>

// Types text at the end of the editor, as the user would (sets the modified mark).
inline void TypeAtEnd(TChild &child, const QString &text)
{
    child.Memo1->moveCursor(QTextCursor::End);
    QTest::keyClicks(child.Memo1, text);
}

// Replaces the whole text as an edit (the modified mark is set).
inline void ReplaceText(TChild &child, const QString &text)
{
    child.Memo1->selectAll();
    child.Memo1->textCursor().insertText(text);
}

// Selects count characters from document position start.
inline void SelectRange(TChild &child, int start, int count)
{
    QTextCursor cursor = child.Memo1->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(start + count, QTextCursor::KeepAnchor);
    child.Memo1->setTextCursor(cursor);
}

// The files of a folder, sorted, without "." and "..".
inline QStringList FilesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}
