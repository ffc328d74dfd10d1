#pragma once
// Reading and writing the files of the editor windows.
//
// Files are 8-bit text: UTF-8 when the bytes are valid UTF-8 (plain ASCII
// included), Windows-1252 otherwise. Any of CR LF, CR or LF ends a line on
// reading; a file is written back with the line breaks it had (LF when its
// first line break is a lone LF or it has none, CR LF otherwise). New files are
// UTF-8 with LF. Opening a file and saving it unchanged gives the same bytes.

#include <QByteArray>
#include <QString>

#include <memory>

struct EditorText
{
    QString text; // lines separated by '\n'
    bool utf8 = false;
    bool byteOrderMark = false; // the UTF-8 file began with EF BB BF
    bool crlf = false;          // lines end in CR LF
};

// Files larger than this do not fit in an editor window.
constexpr qint64 EditorCapacity = qint64(512) * 1024 * 1024;

// Reads a file's text piece by piece, never holding the whole file: a first
// pass over the file finds its encoding and line breaks, then each piece is
// whole lines, so that a large file goes into a window with little more
// memory than the window's text takes.
class EditorTextReader
{
public:
    // Opens path and reads it once through. Throws std::runtime_error with
    // "Cannot open file ..." and the reason when it cannot be read, or with
    // "Text exceeds memo capacity" when it is larger than EditorCapacity.
    explicit EditorTextReader(const QString &path);
    ~EditorTextReader();
    EditorTextReader(const EditorTextReader &) = delete;
    EditorTextReader &operator=(const EditorTextReader &) = delete;

    // The encoding and line breaks (EditorText without its text).
    const EditorText &format() const { return m_format; }
    qint64 size() const { return m_size; }
    bool atEnd() const { return m_done && m_pending.isEmpty(); }
    qint64 bytesRead() const { return m_read - m_pending.size(); }
    // The next whole lines from about size bytes, line breaks as '\n'.
    // Throws as the constructor does when the file cannot be read.
    QString next(qsizetype size);

private:
    struct State;
    std::unique_ptr<State> m_state; // freed also when the constructor throws
    EditorText m_format;
    QByteArray m_pending; // read, not yet handed out: at most a part of a line
    qint64 m_size = 0;
    qint64 m_read = 0;
    bool m_done = false;
};

// Encodes text whose lines are separated by '\n' with CR LF line breaks when
// crlf is set, else LF: in UTF-8 when utf8 is set, else in Windows-1252. A text with characters
// that Windows-1252 cannot hold is written in UTF-8 rather than lose them; utf8 then becomes true.
// byteOrderMark puts EF BB BF before UTF-8 text.
QByteArray EncodeEditorText(const QString &text, bool &utf8, bool byteOrderMark = false,
                            bool crlf = true);

// Writes bytes to path so that a failure at any step leaves the file and its
// backup as they were. On success the previous version of path, if there was
// one, is kept under backupPath (which replaces an older backup); when
// backupPath names the file itself, no backup is made and the file is replaced
// only once the new text is complete. A character device is written to
// directly, without a backup; a pipe, a socket or a disk device is refused, and
// so is a backup name held by a folder or anything but a file or a link.
// On failure error receives the reason.
bool SaveWithBackup(const QString &path, const QString &backupPath, const QByteArray &bytes,
                    QString *error);
