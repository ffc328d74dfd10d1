#pragma once
// Writing a file in place of another so that nothing is ever half written or
// destroyed: the new contents go to a file beside the final place, unnamed
// where the file system allows it, and take the final name only once complete
// and on the disk. Only a regular file (or a new name) is ever replaced.

#include "core/numeric/translation.h"

#include <functional>
#include <string>

// True when the two names lead to the same file on disk (the same name, a
// link, or a folder that ignores letter case).
bool SameFile(const std::string &a, const std::string &b);

// True when path itself is a symbolic link (whatever it leads to).
bool IsLink(const std::string &path);

// The file exists and may not be written: it is to be left as it is. A file
// without any write permission counts as read-only also for the superuser.
bool ReadOnlyFile(const std::string &path);

// Why a file cannot take the place of path.
enum class PlaceProblem {
    None,
    Folder,         // path is (or leads to) a folder
    Pipe,           // a named pipe
    Device,         // a character or block device
    Socket,         // a socket
    Special,        // any other kind of file but a regular one
    ReadOnly,       // a regular file that may not be written
    ReadOnlyFolder, // the folder takes no new files
};

// Where a file written in place of a path goes, and whether it may.
struct FilePlace
{
    std::string target;       // where the file goes: path, or the file a link leads to
    bool throughLink = false; // path is a link to an existing target
    PlaceProblem problem = PlaceProblem::None;
    std::string folder; // for ReadOnlyFolder: the folder
};

// Looks at what path is: a new name, a regular file (directly or through
// links: the file a link leads to is the one replaced, the link stays) or
// something that is never replaced.
FilePlace ExaminePlace(const std::string &path);

// The reason a place is refused, as a clause to follow "Cannot write X: ",
// naming the real cause (the link, the folder, the device), with a full stop;
// in English unless translator translates.
std::string PlaceProblemText(const FilePlace &place, const Translator &translator = {});

// Writes one piece of the contents and empties it; false when it failed.
using PieceSink = std::function<bool(std::string &piece)>;
// Makes the contents, handing them to the sink in pieces; false when the
// sink failed (or the contents could not be made).
using ContentMaker = std::function<bool(const PieceSink &sink)>;

// Writes what make produces to place.target, completely or not at all: an
// earlier file there is replaced only once the new one is complete and on the
// disk, and keeps its owner and permissions. A run killed while writing
// leaves nothing behind where the file system has unnamed files; elsewhere
// the named temporary file it leaves is removed by the next run for the same
// place. The place must have been examined (no problem). Returns 0, or the
// errno of the failure (EIO when make failed without one).
int WriteWholeFile(const FilePlace &place, const ContentMaker &make);
