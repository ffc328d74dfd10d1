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

// The folder a file at path goes into.
std::string FolderOf(const std::string &path)
{
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

// A new, named file beside path for the contents; -1 with errno when none
// could be made.
int OpenNamedTemporary(const std::string &path, std::string &temporaryName)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryName = TemporaryName(path, ::getpid(), attempt);
        const int fd = ::open(temporaryName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// An unnamed file in the folder of path, or -1: with errno 0 when the file
// system (or a system without /proc to name it through) has none, so that a
// named one is to be used.
int OpenUnnamed(const std::string &path)
{
    errno = 0;
    if (::access("/proc/self/fd", X_OK) != 0) {
        errno = 0;
        return -1;
    }
    const int fd = ::open(FolderOf(path).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL))
        errno = 0;
    return fd;
}

// Gives the unnamed file fd the name; 0 or errno.
int NameUnnamed(int fd, const std::string &name)
{
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ? 0
                                                                                            : errno;
}

// The new file takes the owner and the permissions of the one it replaces.
// Only the superuser may give a file away; others keep at least the group
// where they belong to it.
int KeepOwnerAndMode(int fd, const struct stat &old)
{
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
        if (errno != EPERM)
            return errno;
        if (::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0 && errno != EPERM)
            return errno;
    }
    return ::fchmod(fd, old.st_mode & 07777) == 0 ? 0 : errno;
}

// Writes a piece to fd and empties it; keeps errno of a failure in failure.
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

} // namespace

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

bool IsLink(const std::string &path)
{
    struct stat info;
    return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

FilePlace ExaminePlace(const std::string &path)
{
    FilePlace place;
    place.target = path;
    struct stat info;
    if (::stat(path.c_str(), &info) == 0) {
        // An existing file through a link: the file is replaced, the link
        // stays. A link that leads nowhere is itself replaced, as a new name.
        if (IsLink(path)) {
            std::error_code failed;
            const std::filesystem::path resolved = std::filesystem::canonical(path, failed);
            if (!failed) {
                place.target = resolved.string();
                place.throughLink = true;
            }
        }
        if (S_ISDIR(info.st_mode))
            place.problem = PlaceProblem::Folder;
        else if (S_ISFIFO(info.st_mode))
            place.problem = PlaceProblem::Pipe;
        else if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))
            place.problem = PlaceProblem::Device;
        else if (S_ISSOCK(info.st_mode))
            place.problem = PlaceProblem::Socket;
        else if (!S_ISREG(info.st_mode))
            place.problem = PlaceProblem::Special;
        else if (ReadOnlyFile(place.target))
            place.problem = PlaceProblem::ReadOnly;
        if (place.problem != PlaceProblem::None)
            return place;
    }
    // The new file is made beside the target and renamed: the folder must
    // take new files even when the file itself may be written.
    const std::string folder = FolderOf(place.target);
    if (::access(folder.c_str(), W_OK | X_OK) != 0 && (errno == EACCES || errno == EROFS)) {
        place.problem = PlaceProblem::ReadOnlyFolder;
        place.folder = folder;
    }
    return place;
}

std::string PlaceProblemText(const FilePlace &place, const Translator &translator)
{
    const auto say = [&translator](const char *english, std::initializer_list<std::string> args) {
        return Filled(translator("FilePlace", english), args);
    };
    // Through a link: the first text, with the link's target; else the second.
    const auto either = [&](const char *link, const char *own) {
        return place.throughLink ? say(link, {place.target}) : say(own, {});
    };
    switch (place.problem) {
    case PlaceProblem::None:
        return std::string();
    case PlaceProblem::Folder:
        return either(MERVAN_TEXT("FilePlace", "it is a link to the directory \"%1\"."),
                      MERVAN_TEXT("FilePlace", "it is a directory, not a file."));
    case PlaceProblem::Pipe:
        return either(MERVAN_TEXT("FilePlace", "it is a link to the named pipe (FIFO) \"%1\"."),
                      MERVAN_TEXT("FilePlace", "it is a named pipe (FIFO), not a file."));
    case PlaceProblem::Device:
        return either(MERVAN_TEXT("FilePlace", "it is a link to the device \"%1\"."),
                      MERVAN_TEXT("FilePlace", "it is a device, not a file."));
    case PlaceProblem::Socket:
        return either(MERVAN_TEXT("FilePlace", "it is a link to the socket \"%1\"."),
                      MERVAN_TEXT("FilePlace", "it is a socket, not a file."));
    case PlaceProblem::Special:
        return either(
            MERVAN_TEXT("FilePlace", "it is a link to \"%1\", which is not a regular file."),
            MERVAN_TEXT("FilePlace", "it is not a regular file."));
    case PlaceProblem::ReadOnly:
        return either(MERVAN_TEXT("FilePlace",
                                  "it is a link to the read-only file \"%1\", which was not "
                                  "replaced. Please make it writable or remove the link."),
                      MERVAN_TEXT("FilePlace",
                                  "it is read-only and was not replaced. Please make "
                                  "it writable or remove it."));
    case PlaceProblem::ReadOnlyFolder:
        return say(MERVAN_TEXT("FilePlace",
                               "the folder \"%1\" is read-only; no file can be written there."),
                   {place.folder});
    }
    return std::string();
}

int WriteWholeFile(const FilePlace &place, const ContentMaker &make)
{
    const std::string &path = place.target;
    RemoveLeftovers(path);
    struct stat old;
    const bool replacing = ::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode);

    // The contents go to a new file beside their final place, which takes
    // the final name only when complete, so a failure never leaves half a
    // file or destroys the previous one. An unnamed file vanishes with a run
    // that is killed; a named one is removed by the next run.
    std::string temporaryName;
    int fd = OpenUnnamed(path);
    const bool unnamed = fd >= 0;
    if (fd < 0 && errno == 0)
        fd = OpenNamedTemporary(path, temporaryName);
    if (fd < 0)
        return errno;

    int failure = replacing ? KeepOwnerAndMode(fd, old) : 0;
    bool written = false;
    if (failure == 0) {
        try {
            written = make(FilePieceSink{fd, failure});
        } catch (const std::bad_alloc &) {
            failure = ENOMEM;
        }
    }
    if (written && ::fdatasync(fd) != 0 && errno != EINVAL)
        failure = errno;
    if (!written && failure == 0)
        failure = EIO;
    // An unnamed file is named while open: with the final name when that is
    // new, otherwise with a fresh name that is then renamed over the old file.
    if (unnamed && failure == 0) {
        failure = replacing ? EEXIST : NameUnnamed(fd, path);
        if (failure == 0) {
            temporaryName = path;
        } else if (failure == EEXIST) {
            for (int attempt = 0; attempt < 100 && failure == EEXIST; ++attempt) {
                temporaryName = TemporaryName(path, ::getpid(), attempt);
                failure = NameUnnamed(fd, temporaryName);
            }
        }
        if (failure != 0)
            temporaryName.clear();
    }
    if (::close(fd) != 0 && failure == 0)
        failure = errno;
    if (failure == 0 && temporaryName != path && ::rename(temporaryName.c_str(), path.c_str()) != 0)
        failure = errno;
    if (failure != 0 && !temporaryName.empty())
        ::unlink(temporaryName.c_str());
    return failure;
}
