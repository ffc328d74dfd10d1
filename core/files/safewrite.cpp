#include "core/files/safewrite.h"

#include <cerrno>
#include <charconv>
#include <filesystem>
#include <new>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool WriteAll(int fd, const std::string &text)
{
    const char *p = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, p, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// The name of the temporary file that a run with process id pid writes the
// file into before renaming it.
std::string TemporaryName(const std::string &finalName, long pid, int attempt)
{
    return finalName + "." + std::to_string(pid) + "-" + std::to_string(attempt) + ".tmp";
}

// A run that was killed while writing leaves its temporary file behind; the
// next run of the same file removes those of processes that are gone.
void RemoveLeftovers(const std::string &finalName)
{
    const std::filesystem::path target(finalName);
    const std::string prefix = target.filename().string() + ".";
    std::filesystem::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    std::error_code failed;
    for (std::filesystem::directory_iterator it(folder, failed), end; !failed && it != end;
         it.increment(failed)) {
        const std::string name = it->path().filename().string();
        if (name.size() <= prefix.size() + 4 || name.compare(0, prefix.size(), prefix) != 0
            || name.compare(name.size() - 4, 4, ".tmp") != 0)
            continue;
        long pid = 0;
        int attempt = 0;
        const char *first = name.data() + prefix.size();
        const char *last = name.data() + name.size() - 4;
        const auto [dash, pidFailed] = std::from_chars(first, last, pid);
        if (pidFailed != std::errc() || dash == last || *dash != '-')
            continue;
        const auto [end2, attemptFailed] = std::from_chars(dash + 1, last, attempt);
        if (attemptFailed != std::errc() || end2 != last
            || name != TemporaryName(target.filename().string(), pid, attempt))
            continue;
        if (pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            ::unlink(it->path().c_str());
    }
}

} // namespace

// Writes a piece to fd and empties it; keeps errno of a failure in failure. A
// named type outside the anonymous namespace, so that its type information is
// shared read-only data rather than data of this file.
struct FilePieceSink
{
    int fd;
    int &failure;

    bool operator()(std::string &piece) const
    {
        if (!WriteAll(fd, piece)) {
            failure = errno;
            return false;
        }
        piece.clear();
        return true;
    }
};

bool SameFile(const std::string &a, const std::string &b)
{
    if (a == b)
        return true;
    // Names of files that do not exist yet are compared spelled out in full
    // ("./x.OUT" and "x.OUT" are one place); existing files by identity.
    std::error_code failed;
    const std::filesystem::path fullA = std::filesystem::weakly_canonical(a, failed);
    if (!failed) {
        const std::filesystem::path fullB = std::filesystem::weakly_canonical(b, failed);
        if (!failed && fullA == fullB)
            return true;
    }
    struct stat sa;
    struct stat sb;
    if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool ReadOnlyFile(const std::string &path)
{
    struct stat info;
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0
        || (::access(path.c_str(), W_OK) != 0 && errno == EACCES);
}

int WriteWholeFile(const std::string &path, const ContentMaker &make)
{
    RemoveLeftovers(path);

    // The contents go to a new file beside their final place and are renamed
    // over it only when complete, so a failure never leaves half a file or
    // destroys the previous one.
    std::string temporaryName;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporaryName = TemporaryName(path, ::getpid(), attempt);
        fd = ::open(temporaryName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return errno;

    int failure = 0;
    bool written = false;
    try {
        written = make(FilePieceSink{fd, failure});
    } catch (const std::bad_alloc &) {
        failure = ENOMEM;
    }
    if (written && ::fdatasync(fd) != 0 && errno != EINVAL)
        failure = errno;
    if (::close(fd) != 0 && failure == 0)
        failure = errno;
    if (!written && failure == 0)
        failure = EIO;
    if (failure == 0 && ::rename(temporaryName.c_str(), path.c_str()) != 0)
        failure = errno;
    if (failure != 0)
        ::unlink(temporaryName.c_str());
    return failure;
}
