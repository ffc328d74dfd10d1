#pragma once
// Reading and writing the files of the editor windows.
//
// Files are 8-bit text: UTF-8 when the bytes are valid UTF-8 with at least one
// multi-byte character, Windows-1252 otherwise. Any of CR LF, CR or LF ends a
// line on reading; writing uses CR LF. Opening a file and saving it unchanged
// gives the same bytes, line breaks aside.

#include <QByteArray>
#include <QString>

struct EditorText
{
    QString text; // lines separated by '\n'
    bool utf8 = false;
    bool byteOrderMark = false; // the UTF-8 file began with EF BB BF
};

// Files larger than this do not fit in an editor window.
constexpr qint64 EditorCapacity = qint64(512) * 1024 * 1024;

// Decodes file bytes and turns every line break into '\n'.
EditorText DecodeEditorText(const QByteArray &bytes);

// Encodes text whose lines are separated by '\n' with CR LF line breaks: in
// UTF-8 when utf8 is set, else in Windows-1252. A text with characters that
// Windows-1252 cannot hold is written in UTF-8 rather than lose them; utf8
// then becomes true. byteOrderMark puts EF BB BF before UTF-8 text.
QByteArray EncodeEditorText(const QString &text, bool &utf8, bool byteOrderMark = false);

// Reads the file. Throws std::runtime_error with "Cannot open file ..." and the
// system's reason, or "Text exceeds memo capacity".
EditorText LoadEditorFile(const QString &path);

// Writes bytes to path so that a failure at any step leaves the file and its
// backup as they were. On success the previous version of path, if there was
// one, is kept under backupPath (which replaces an older backup); when
// backupPath names the file itself, no backup is made and the file is replaced
// only once the new text is complete. A character device is written to
// directly, without a backup; a pipe, a socket or a disk device is refused.
// On failure error receives the reason.
bool SaveWithBackup(const QString &path, const QString &backupPath, const QByteArray &bytes,
                    QString *error);
