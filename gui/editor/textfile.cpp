#include "gui/editor/textfile.h"

#include "gui/common/text.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 ScanBlockBytes = qint64(1) << 20;

[[noreturn]] void CannotOpen(const QString &path, const QString &reason)
{
    throw std::runtime_error(QCoreApplication::translate("TextFile", "Cannot open file \"%1\". %2")
                                 .arg(path, reason)
                                 .toStdString());
}

// Where the bytes stop being whole UTF-8 sequences: the start of a sequence
// that the end of the block cuts short, else the block's size.
qsizetype WholeSequencesEnd(const QByteArray &bytes)
{
    const qsizetype n = bytes.size();
    for (qsizetype back = 1; back <= 3 && back <= n; ++back) {
        const auto c = static_cast<unsigned char>(bytes[n - back]);
        if ((c & 0xC0) == 0x80)
            continue; // a continuation byte: look further back for its lead
        const int length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        return length > back ? n - back : n;
    }
    return n;
}

// The length of the valid UTF-8 sequence at p (at most n bytes there), or 0.
int Utf8Sequence(const unsigned char *p, qsizetype n, char32_t &code)
{
    const unsigned char c = p[0];
    int length = 0;
    char32_t least = 0;
    if (c < 0x80) {
        code = c;
        return 1;
    } else if (c >= 0xC2 && c <= 0xDF) {
        length = 2, code = c & 0x1F, least = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3, code = c & 0x0F, least = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4, code = c & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (n < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (p[i] & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

// UTF-8 where it is valid; each other byte b becomes U+DC00 + b, which valid
// UTF-8 never holds, so that it can be written back unchanged.
QString DecodeUtf8Keeping(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        char32_t code = 0;
        const int length = Utf8Sequence(p + i, n - i, code);
        if (length == 0) {
            text += QChar(char16_t(0xDC00 + p[i]));
            ++i;
            continue;
        }
        if (code > 0xFFFF) {
            text += QChar(QChar::highSurrogate(code));
            text += QChar(QChar::lowSurrogate(code));
        } else {
            text += QChar(char16_t(code));
        }
        i += length;
    }
    return text;
}

bool IsKeptByte(const QChar *text, qsizetype i)
{
    const char16_t c = text[i].unicode();
    return c >= 0xDC80 && c <= 0xDCFF && (i == 0 || !text[i - 1].isHighSurrogate());
}

QByteArray EncodeUtf8Keeping(const QString &text)
{
    const QChar *chars = text.constData();
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && !IsKeptByte(chars, i))
        ++i;
    if (i == n)
        return text.toUtf8();
    QByteArray bytes;
    bytes.reserve(n + n / 2);
    qsizetype from = 0;
    for (i = 0; i < n; ++i) {
        if (!IsKeptByte(chars, i))
            continue;
        bytes += QStringView(chars + from, i - from).toUtf8();
        bytes += char(chars[i].unicode() - 0xDC00);
        from = i + 1;
    }
    bytes += QStringView(chars + from, n - from).toUtf8();
    return bytes;
}

// Turns every line end into '\n', in place, and notes each one. A CR at the
// end of a piece is a line end of its own: pieces end after LF.
void SplitLineEnds(QString &text, std::vector<LineEnd> &ends, std::array<qint64, 4> &counts)
{
    const qsizetype size = text.size();
    QChar *out = text.data();
    const QChar *in = out;
    qsizetype n = 0;
    const auto end = [&](LineEnd kind) {
        out[n++] = QLatin1Char('\n');
        ends.push_back(kind);
        ++counts[static_cast<int>(kind)];
    };
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = in[i].unicode();
        if (c == u'\n') {
            end(LineEnd::Lf);
        } else if (c == u'\r') {
            const bool crlf = i + 1 < size && in[i + 1].unicode() == u'\n';
            end(crlf ? LineEnd::CrLf : LineEnd::Cr);
            i += crlf ? 1 : 0;
        } else if (c == QChar::ParagraphSeparator) {
            end(LineEnd::Paragraph);
        } else {
            out[n++] = in[i];
        }
    }
    text.truncate(n);
}

QStringConverter::Encoding ConverterFor(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf16Le:
        return QStringConverter::Utf16LE;
    case TextEncoding::Utf16Be:
        return QStringConverter::Utf16BE;
    case TextEncoding::Utf32Le:
        return QStringConverter::Utf32LE;
    case TextEncoding::Utf32Be:
        return QStringConverter::Utf32BE;
    default:
        return QStringConverter::Utf8;
    }
}

} // namespace

QString EncodingName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return QStringLiteral("UTF-8");
    case TextEncoding::Utf8Bom:
        return QCoreApplication::translate("TextFile", "UTF-8 with BOM");
    case TextEncoding::Windows1252:
        return QStringLiteral("Windows-1252");
    case TextEncoding::Utf16Le:
        return QStringLiteral("UTF-16 LE");
    case TextEncoding::Utf16Be:
        return QStringLiteral("UTF-16 BE");
    case TextEncoding::Utf32Le:
        return QStringLiteral("UTF-32 LE");
    case TextEncoding::Utf32Be:
        return QStringLiteral("UTF-32 BE");
    }
    return QString();
}

QString LineEndName(LineEnd end)
{
    static const char *const names[] = {"LF", "CR LF", "CR", "U+2029"};
    return QString::fromLatin1(names[static_cast<int>(end)]);
}

QString LineEndChars(LineEnd end)
{
    static const char16_t *const chars[] = {u"\n", u"\r\n", u"\r", u"\u2029"};
    return QString::fromUtf16(chars[static_cast<int>(end)]);
}

struct EditorTextReader::State
{
    QString path;
    QFile file;
    // One decoder for the whole file: it drops a byte order mark at the start
    // only.
    QStringDecoder decoder{QStringDecoder::Utf8};
};

EditorTextReader::EditorTextReader(const QString &path)
    : m_state(std::make_unique<State>())
{
    m_state->path = path;
    QFile &file = m_state->file;
    file.setFileName(path);
    if (QFileInfo(path).isDir())
        CannotOpen(path, QString::fromLocal8Bit(std::strerror(EISDIR)));
    if (!file.open(QIODevice::ReadOnly))
        CannotOpen(path, file.errorString());
    m_size = file.size();
    if (m_size > EditorCapacity)
        throw std::runtime_error(
            QCoreApplication::translate("TextFile", "Text exceeds memo capacity").toStdString());

    // A byte order mark says it all (UTF-32 LE before UTF-16 LE: FF FE 00 00).
    const QByteArray start = file.peek(4);
    if (start.startsWith(QByteArrayView("\xFF\xFE\0\0", 4)))
        m_encoding = TextEncoding::Utf32Le;
    else if (start.startsWith(QByteArrayView("\0\0\xFE\xFF", 4)))
        m_encoding = TextEncoding::Utf32Be;
    else if (start.startsWith("\xFF\xFE"))
        m_encoding = TextEncoding::Utf16Le;
    else if (start.startsWith("\xFE\xFF"))
        m_encoding = TextEncoding::Utf16Be;
    m_wide = m_encoding != TextEncoding::Utf8;
    if (m_wide) {
        m_state->decoder = QStringDecoder(ConverterFor(m_encoding));
        return;
    }

    // Once through, a block at a time: is it UTF-8? Plain ASCII reads the
    // same either way; it is taken as UTF-8 so that letters typed into it
    // later are stored as every other program here expects them.
    bool valid = true;
    QByteArray carried; // the start of a sequence the last block cut short
    bool first = true;
    for (;;) {
        QByteArray block = file.read(ScanBlockBytes);
        if (file.error() != QFileDevice::NoError)
            CannotOpen(path, file.errorString());
        if (block.isEmpty())
            break;
        if (first && block.startsWith("\xEF\xBB\xBF"))
            m_encoding = TextEncoding::Utf8Bom;
        first = false;
        if (valid) {
            block.prepend(carried);
            const qsizetype whole = WholeSequencesEnd(block);
            const QByteArray checked = QByteArray::fromRawData(block.constData(), whole);
            const bool ascii = std::none_of(checked.begin(), checked.end(),
                                            [](char c) { return (c & 0x80) != 0; });
            valid = ascii || LooksLikeUtf8(checked);
            carried = block.mid(whole);
        }
    }
    m_invalidUtf8 = !(valid && carried.isEmpty());
    if (m_invalidUtf8)
        m_encoding = TextEncoding::Windows1252;
    if (!file.seek(0))
        CannotOpen(path, file.errorString());
}

EditorTextReader::~EditorTextReader() = default;

void EditorTextReader::setEncoding(TextEncoding encoding)
{
    if (!m_invalidUtf8)
        return;
    m_encoding = encoding == TextEncoding::Windows1252 ? encoding : TextEncoding::Utf8;
    // A byte order mark before bytes that are not UTF-8 is kept as it was.
    if (m_encoding == TextEncoding::Utf8 && m_state->file.peek(3) == "\xEF\xBB\xBF") {
        m_encoding = TextEncoding::Utf8Bom;
        m_state->file.read(3);
        m_read = 3;
    }
}

QString EditorTextReader::next(qsizetype size, std::vector<LineEnd> &ends)
{
    QFile &file = m_state->file;
    if (m_wide) {
        // Few files are wide; they are read in one go, as their line ends
        // take more than one byte.
        const QByteArray all = file.readAll();
        if (file.error() != QFileDevice::NoError)
            CannotOpen(m_state->path, file.errorString());
        m_read += all.size();
        m_done = true;
        QString text = m_state->decoder.decode(all);
        SplitLineEnds(text, ends, m_endCounts);
        return text;
    }
    // Whole lines: read on to the next LF, a byte that is never part of a
    // longer character in either encoding.
    qsizetype lineEnd = -1;
    while (!m_done) {
        const QByteArray block = file.read(size);
        if (file.error() != QFileDevice::NoError)
            CannotOpen(m_state->path, file.errorString());
        if (block.isEmpty()) {
            m_done = true;
            break;
        }
        const qsizetype searchFrom = m_pending.size();
        m_pending += block;
        m_read += block.size();
        lineEnd = m_pending.indexOf('\n', searchFrom);
        if (lineEnd >= 0 && m_pending.size() >= size)
            break;
    }
    if (m_done)
        lineEnd = m_pending.size() - 1;
    else
        lineEnd = m_pending.lastIndexOf('\n');
    const QByteArrayView piece(m_pending.constData(), lineEnd + 1);
    QString text;
    if (m_encoding == TextEncoding::Windows1252)
        text = FromCp1252(QByteArray::fromRawData(piece.data(), piece.size()));
    else if (m_invalidUtf8)
        text = DecodeUtf8Keeping(piece);
    else
        text = m_state->decoder.decode(piece);
    m_pending.remove(0, lineEnd + 1);
    SplitLineEnds(text, ends, m_endCounts);
    return text;
}

LineEnd EditorTextReader::commonLineEnd() const
{
    const auto most = std::max_element(m_endCounts.begin(), m_endCounts.end());
    return *most == 0 ? LineEnd::Lf : static_cast<LineEnd>(most - m_endCounts.begin());
}

bool EditorTextReader::mixedLineEnds() const
{
    return std::count_if(m_endCounts.begin(), m_endCounts.end(), [](qint64 n) { return n > 0; })
        > 1;
}

QByteArray EncodeEditorText(const QString &text, TextEncoding &encoding)
{
    switch (encoding) {
    case TextEncoding::Windows1252: {
        QByteArray bytes = ToCp1252(text);
        if (FromCp1252(bytes) == text)
            return bytes;
        encoding = TextEncoding::Utf8;
        return EncodeUtf8Keeping(text);
    }
    case TextEncoding::Utf8:
        return EncodeUtf8Keeping(text);
    case TextEncoding::Utf8Bom:
        return QByteArray("\xEF\xBB\xBF") + EncodeUtf8Keeping(text);
    default: {
        QStringEncoder encoder(ConverterFor(encoding), QStringConverter::Flag::WriteBom);
        return encoder.encode(text);
    }
    }
}

namespace {

// Renames, replacing a file of the new name (QFile::rename refuses to).
bool RenameReplacing(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// A name beside path that no file has yet.
QString UnusedName(const QString &path)
{
    for (int i = 0;; ++i) {
        const QString name = QStringLiteral("%1.%2-%3.old")
                                 .arg(path)
                                 .arg(QCoreApplication::applicationPid())
                                 .arg(i);
        if (!QFileInfo::exists(name) && !QFileInfo(name).isSymLink())
            return name;
    }
}

// Writes all of bytes to an unbuffered file. A write that stops short (the
// disk filled up part way) leaves no reason behind; writing the rest makes
// the system say why it cannot go on.
bool WriteWhole(QFileDevice &out, const QByteArray &bytes)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = out.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0)
            return false;
        written += n;
    }
    return out.flush();
}

} // namespace

namespace {

// Keeps the previous version as a copy and writes the file in place: its
// inode, and with it every hard link, owner, group and mode, stays. Used when
// the file has more than one name or its folder takes no new files.
bool SaveInPlace(const QString &path, const QString &backupPath, const QByteArray &bytes,
                 QString *error, bool *backupImpossible)
{
    const auto failed = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    const bool keepBackup = backupPath != path;
    if (keepBackup) {
        QFile previous(path);
        QSaveFile copy(backupPath);
        // A folder that takes no new file may still let a backup be replaced
        // in place.
        copy.setDirectWriteFallback(true);
        if (!previous.open(QIODevice::ReadOnly) || !copy.open(QIODevice::WriteOnly)
            || !WriteWhole(copy, previous.readAll()) || !copy.commit()) {
            const QString folder = QFileInfo(backupPath).absolutePath();
            if (backupImpossible)
                *backupImpossible = true;
            return failed(
                ::access(QFile::encodeName(folder).constData(), W_OK) != 0
                    ? QCoreApplication::translate(
                          "TextFile",
                          "The previous version could not be kept as \"%1\": the "
                          "folder \"%2\" does not let new files be made.")
                          .arg(backupPath, folder)
                    : QCoreApplication::translate(
                          "TextFile", "The previous version could not be kept as \"%1\". %2")
                          .arg(backupPath, copy.errorString()));
        }
    }
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return failed(out.errorString());
    if (!WriteWhole(out, bytes)) {
        QString reason = out.errorString();
        if (keepBackup)
            reason += QCoreApplication::translate("TextFile", " The previous version is in \"%1\".")
                          .arg(backupPath);
        return failed(reason);
    }
    return true;
}

} // namespace

bool SaveWithBackup(const QString &path, const QString &backupPath, const QByteArray &bytes,
                    QString *error, bool *backupImpossible)
{
    const auto failed = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (backupImpossible)
        *backupImpossible = false;

    // A character device (such as /dev/null or /dev/full) cannot be replaced
    // by a new file: that would put a plain file in its place and hide a
    // failed write. The text goes to it directly, without a backup. Pipes,
    // sockets and disk devices are no place for a text file: a pipe can stall
    // the program or end it, a disk device would be overwritten.
    const QFileInfo target(path);
    // A folder or a special file under the backup name is not set aside: the
    // user put it there, and it may hold anything.
    const QFileInfo backup(backupPath);
    if (backupPath != path && backup.exists() && !backup.isSymLink() && !backup.isFile())
        return failed(
            QCoreApplication::translate("TextFile",
                                        "The name \"%1\" for the previous version is taken by a "
                                        "folder or a special file. Rename or remove it, then save "
                                        "again.")
                .arg(backupPath));
    if (target.exists() && !target.isFile() && !target.isDir()) {
        struct stat info
        { };
        if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISCHR(info.st_mode))
            return failed(QCoreApplication::translate(
                "TextFile", "It is not a file but a pipe, a socket or a disk device."));
        QFile device(path);
        if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
            || !WriteWhole(device, bytes))
            return failed(device.errorString());
        return true;
    }

    struct stat before
    { };
    const bool existed = ::stat(QFile::encodeName(path).constData(), &before) == 0;
    const QString folder = target.absolutePath();
    if (existed && S_ISREG(before.st_mode)
        && (before.st_nlink > 1 || ::access(QFile::encodeName(folder).constData(), W_OK) != 0))
        return SaveInPlace(path, backupPath, bytes, error, backupImpossible);

    // 1. The new text goes to a temporary file beside the file; nothing else
    //    has changed if that fails (missing folder, full disk, no rights).
    //    Unbuffered, so that every write reaches the system and a failure
    //    comes back with the system's reason.
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(out.errorString());
    if (!WriteWhole(out, bytes)) {
        const QString reason = out.errorString();
        out.cancelWriting();
        return failed(reason);
    }

    // 2. The previous version becomes the backup. An older backup is only set
    //    aside, so that it can come back if the last step fails.
    const QFileInfo current(path);
    const bool keepBackup = backupPath != path && current.isFile();
    QString parked;
    bool moved = false;  // path itself now carries the backup name
    bool copied = false; // the backup is a copy (the file is reached through a link)
    if (keepBackup) {
        if (QFileInfo::exists(backupPath) || QFileInfo(backupPath).isSymLink()) {
            parked = UnusedName(backupPath);
            if (!RenameReplacing(backupPath, parked))
                parked.clear();
        }
        if (current.isSymLink()) {
            QFile::remove(backupPath);
            copied = QFile::copy(path, backupPath);
        } else {
            moved = RenameReplacing(path, backupPath);
        }
        if (!moved && !copied) {
            if (backupImpossible)
                *backupImpossible = true;
            const QString reason
                = QCoreApplication::translate("TextFile",
                                              "The previous version could not be kept as \"%1\".")
                      .arg(backupPath);
            out.cancelWriting();
            if (!parked.isEmpty())
                RenameReplacing(parked, backupPath);
            return failed(reason);
        }
    }

    // 3. The complete new text takes the file's name.
    if (!out.commit()) {
        const QString reason = out.errorString();
        if (moved)
            RenameReplacing(backupPath, path);
        else if (copied)
            QFile::remove(backupPath);
        if (!parked.isEmpty())
            RenameReplacing(parked, backupPath);
        return failed(reason);
    }
    if (!parked.isEmpty())
        QFile::remove(parked);
    // The new file is the user's: owner and group as before, where the system
    // lets them be given.
    if (existed && !current.isSymLink()) {
        // Refused when the user may not give the file away: it stays theirs.
        const int refused
            = ::chown(QFile::encodeName(path).constData(), before.st_uid, before.st_gid);
        Q_UNUSED(refused);
    }
    return true;
}
