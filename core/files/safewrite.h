#pragma once
// Writing a file in place of another so that nothing is ever half written:
// the new contents go to a file beside the final place and are renamed over
// it only once complete and on the disk.

#include <functional>
#include <string>

// True when the two names lead to the same file on disk (the same name, a
// link, or a folder that ignores letter case).
bool SameFile(const std::string &a, const std::string &b);

// The file exists and may not be written: it is to be left as it is. A file
// without any write permission counts as read-only also for the superuser.
bool ReadOnlyFile(const std::string &path);

// Writes one piece of the contents and empties it; false when it failed.
using PieceSink = std::function<bool(std::string &piece)>;
// Makes the contents, handing them to the sink in pieces; false when the
// sink failed (or the contents could not be made).
using ContentMaker = std::function<bool(const PieceSink &sink)>;

// Writes what make produces to path, completely or not at all: an earlier
// file at path is replaced only once the new one is complete. What a run that
// was killed while writing the same path left behind is removed first.
// Returns 0, or the errno of the failure (EIO when make failed without one).
int WriteWholeFile(const std::string &path, const ContentMaker &make);
