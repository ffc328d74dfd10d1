#include "gui/editor/textfile.h"

#include "gui/common/text.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <sys/stat.h>

namespace {

// Turns CR LF and lone CR into '\n', in place. A CR at the end of a piece is
// followed by a LF only when the piece ends in CR LF, as pieces end after LF.
void UnifyLineBreaks(QString &text)
{
    const qsizetype size = text.size();
    if (!text.contains(QLatin1Char('\r')))
        return;
    QChar *out = text.data();
    const QChar *in = out;
    qsizetype n = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = in[i].unicode();
        if (c == u'\r') {
            out[n++] = QLatin1Char('\n');
            if (i + 1 < size && in[i + 1].unicode() == u'\n')
                ++i;
        } else {
            out[n++] = in[i];
        }
    }
    text.truncate(n);
}

} // namespace

namespace {

constexpr qint64 ScanBlockBytes = qint64(1) << 20;

[[noreturn]] void CannotOpen(const QString &path, const QString &reason)
{
    throw std::runtime_error(
        QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason).toStdString());
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

} // namespace

struct EditorTextReader::State
{
    QString path;
    QFile file;
    // One decoder for the whole file: it drops a byte order mark at the start
    // only (it is remembered and written back).
    QStringDecoder utf8{QStringDecoder::Utf8};
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
        throw std::runtime_error("Text exceeds memo capacity");

    // Once through, a block at a time: is it UTF-8, and how does it break its
    // lines? Plain ASCII reads the same either way; it is taken as UTF-8 so
    // that letters typed into it later are stored as every other program here
    // expects them.
    bool valid = true;
    qint64 offset = 0;
    qint64 firstBreak = -1;
    qint64 firstReturn = -1;
    QByteArray carried; // the start of a sequence the last block cut short
    for (;;) {
        QByteArray block = file.read(ScanBlockBytes);
        if (file.error() != QFileDevice::NoError)
            CannotOpen(path, file.errorString());
        if (block.isEmpty())
            break;
        if (offset == 0)
            m_format.byteOrderMark = block.startsWith("\xEF\xBB\xBF");
        if (firstBreak < 0 && block.indexOf('\n') >= 0)
            firstBreak = offset + block.indexOf('\n');
        if (firstReturn < 0 && block.indexOf('\r') >= 0)
            firstReturn = offset + block.indexOf('\r');
        offset += block.size();
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
    m_format.utf8 = valid && carried.isEmpty();
    m_format.byteOrderMark = m_format.utf8 && m_format.byteOrderMark;
    m_format.crlf = firstReturn >= 0 && (firstBreak < 0 || firstReturn < firstBreak);
    if (!file.seek(0))
        CannotOpen(path, file.errorString());
}

EditorTextReader::~EditorTextReader() = default;

QString EditorTextReader::next(qsizetype size)
{
    QFile &file = m_state->file;
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
    QString text = m_format.utf8 ? m_state->utf8.decode(piece)
                                 : FromCp1252(QByteArray::fromRawData(piece.data(), piece.size()));
    m_pending.remove(0, lineEnd + 1);
    UnifyLineBreaks(text);
    return text;
}

QByteArray EncodeEditorText(const QString &text, bool &utf8, bool byteOrderMark, bool crlf)
{
    QString withBreaks = text;
    if (crlf)
        withBreaks.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    if (!utf8) {
        QByteArray bytes = ToCp1252(withBreaks);
        if (FromCp1252(bytes) == withBreaks)
            return bytes;
        utf8 = true;
    }
    return byteOrderMark ? QByteArray("\xEF\xBB\xBF") + withBreaks.toUtf8() : withBreaks.toUtf8();
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

bool SaveWithBackup(const QString &path, const QString &backupPath, const QByteArray &bytes,
                    QString *error)
{
    const auto failed = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };

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
        return failed(QStringLiteral("The name \"%1\" for the previous version is taken by a "
                                     "folder or a special file. Rename or remove it, then save "
                                     "again.")
                          .arg(backupPath));
    if (target.exists() && !target.isFile() && !target.isDir()) {
        struct stat info
        { };
        if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISCHR(info.st_mode))
            return failed(
                QStringLiteral("It is not a file but a pipe, a socket or a disk device."));
        QFile device(path);
        if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
            || !WriteWhole(device, bytes))
            return failed(device.errorString());
        return true;
    }

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
            const QString reason
                = QStringLiteral("The previous version could not be kept as \"%1\".")
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
    return true;
}
