#pragma once
// Reading and writing the files of the editor windows.
//
// A file that begins with a byte order mark is UTF-8, UTF-16 or UTF-32 as the
// mark says, and is written back so. Other files are UTF-8 when their bytes
// are valid UTF-8 (plain ASCII included); otherwise the window asks whether
// to read them as Windows-1252 or as UTF-8 with each byte that is not UTF-8
// kept as it is. CR LF, CR, LF and U+2029 each end a line; every line keeps
// its own line end, and a new line takes the file's most common one. New
// files are UTF-8 with LF. Opening a file and saving it unchanged gives the
// same bytes.

#include <QByteArray>
#include <QString>

#include <array>
#include <memory>
#include <vector>

enum class TextEncoding { Utf8, Utf8Bom, Windows1252, Utf16Le, Utf16Be, Utf32Le, Utf32Be };
// How a line ends; kept per line in the text blocks' user state (-1: none yet).
enum class LineEnd { Lf, CrLf, Cr, Paragraph };

QString EncodingName(TextEncoding encoding);
QString LineEndName(LineEnd end);
QString LineEndChars(LineEnd end);

// Files larger than this do not fit in an editor window.
constexpr qint64 EditorCapacity = qint64(512) * 1024 * 1024;

// Reads a file's text piece by piece, never holding the whole file: a first
// pass over the file finds its encoding, then each piece is whole lines, so
// that a large file goes into a window with little more memory than the
// window's text takes.
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

    TextEncoding encoding() const { return m_encoding; }
    // The file has no byte order mark and bytes that are not UTF-8: it is
    // read as Windows-1252 unless setEncoding chooses UTF-8 (the bytes that
    // are not UTF-8 then come through as U+DC80 to U+DCFF and go back out as
    // they came).
    bool invalidUtf8() const { return m_invalidUtf8; }
    void setEncoding(TextEncoding encoding);
    qint64 size() const { return m_size; }
    bool atEnd() const { return m_done && m_pending.isEmpty(); }
    qint64 bytesRead() const { return m_read - m_pending.size(); }
    // The next whole lines from about size bytes, each line end as '\n'; the
    // line ends as they were are appended to ends. Throws as the constructor
    // does when the file cannot be read.
    QString next(qsizetype size, std::vector<LineEnd> &ends);
    // The line end found most often so far (LF when there is none), and
    // whether more than one kind was found.
    LineEnd commonLineEnd() const;
    bool mixedLineEnds() const;

private:
    struct State;
    std::unique_ptr<State> m_state; // freed also when the constructor throws
    TextEncoding m_encoding = TextEncoding::Utf8;
    bool m_invalidUtf8 = false;
    bool m_wide = false; // UTF-16 or UTF-32: read whole
    std::array<qint64, 4> m_endCounts{};
    QByteArray m_pending; // read, not yet handed out: at most a part of a line
    qint64 m_size = 0;
    qint64 m_read = 0;
    bool m_done = false;
};

// The bytes of text (its line ends as they are) in encoding. A text with
// characters that Windows-1252 cannot hold is written in UTF-8 rather than
// lose them; encoding then becomes UTF-8. In UTF-8, U+DC80 to U+DCFF standing
// alone are the bytes 80 to FF that were not UTF-8 in the file.
QByteArray EncodeEditorText(const QString &text, TextEncoding &encoding);

// Writes bytes to path so that a failure at any step leaves the file and its
// backup as they were. On success the previous version of path, if there was
// one, is kept under backupPath (which replaces an older backup); when
// backupPath names the file itself, no backup is made and the file is replaced
// only once the new text is complete. A character device is written to
// directly, without a backup; a pipe, a socket or a disk device is refused, and
// so is a backup name held by a folder or anything but a file or a link.
// A file with more than one hard link, or in a folder that takes no new
// files, is written in place after a copy of it is kept as the backup, so
// that its links, owner and group stay; otherwise the new file replaces it and
// is given the old one's owner and group where the system allows.
// On failure error receives the reason, and backupImpossible (when given)
// says whether it was the backup that could not be made; saving again with
// backupPath equal to path then saves without one.
bool SaveWithBackup(const QString &path, const QString &backupPath, const QByteArray &bytes,
                    QString *error, bool *backupImpossible = nullptr);
