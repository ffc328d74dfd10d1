// Replacing a file: what may be replaced, and how.

#include "core/files/safewrite.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class SafeWriteTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern = (fs::path(::testing::TempDir()) / "mervan-files-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override { fs::remove_all(folder); }
    std::string at(const std::string &name) const { return (folder / name).string(); }
    void put(const std::string &name, const std::string &bytes, mode_t mode = 0644)
    {
        std::ofstream(at(name)) << bytes;
        ::chmod(at(name).c_str(), mode);
    }
    std::string read(const std::string &name) const
    {
        std::ostringstream bytes;
        bytes << std::ifstream(at(name)).rdbuf();
        return bytes.str();
    }
    std::size_t entries() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
    }
    // Writes the pieces to name; 0 or the errno.
    int replace(const std::string &name, std::vector<std::string> pieces, bool makes = true)
    {
        return WriteWholeFile(ExaminePlace(at(name)), [&](const PieceSink &sink) {
            for (std::string &piece : pieces)
                if (!sink(piece))
                    return false;
            return makes;
        });
    }
    fs::path folder;
};

TEST_F(SafeWriteTest, OnlyRegularFilesAndNewNamesAreReplaced)
{
    put("plain", "x");
    put("locked", "x", 0444);
    fs::create_directory(at("folder"));
    ASSERT_EQ(::mkfifo(at("pipe").c_str(), 0644), 0);
    const struct
    {
        std::string name, link; // link: what a link of that name leads to
        PlaceProblem problem;
        std::string text;
    } cases[] = {
        {"new", "", PlaceProblem::None, ""},
        {"plain", "", PlaceProblem::None, ""},
        {"to-plain", "plain", PlaceProblem::None, ""},
        {"to-nothing", "missing", PlaceProblem::None, ""},
        {"folder", "", PlaceProblem::Folder, "it is a directory, not a file."},
        {"pipe", "", PlaceProblem::Pipe, "it is a named pipe (FIFO), not a file."},
        {"to-pipe", "pipe", PlaceProblem::Pipe, "link to the named pipe (FIFO) \"" + at("pipe")},
        {"to-folder", "folder", PlaceProblem::Folder, "link to the directory \"" + at("folder")},
        {"to-device", "/dev/null", PlaceProblem::Device, "link to the device \"/dev/null\"."},
        {"locked", "", PlaceProblem::ReadOnly, "it is read-only and was not replaced."},
        {"to-locked", "locked", PlaceProblem::ReadOnly, "link to the read-only file \""},
    };
    for (const auto &c : cases) {
        if (!c.link.empty()) {
            ASSERT_EQ(::symlink(c.link.c_str(), at(c.name).c_str()), 0);
        }
        const FilePlace place = ExaminePlace(at(c.name));
        const std::string text = PlaceProblemText(place);
        EXPECT_EQ(place.problem, c.problem) << c.name;
        EXPECT_TRUE(c.text.empty() ? text.empty() : text.find(c.text) != std::string::npos)
            << c.name << ": " << text;
    }
}

TEST_F(SafeWriteTest, ReplacingKeepsLinkAndModeAndLeavesNothingElse)
{
    const struct
    {
        mode_t mode;
        std::vector<std::string> pieces;
        bool makes;
        std::string expected;
    } cases[] = {
        {0640, {"new ", "contents"}, true, "new contents"},
        {0604, {std::string(1 << 20, 'y')}, true, std::string(1 << 20, 'y')},
        {0640, {"half"}, false, "old"}, // the contents were not made: the old file stays
    };
    for (const auto &c : cases) {
        put("file", "old", c.mode);
        ASSERT_EQ(::symlink("file", at("link").c_str()), 0);
        EXPECT_EQ(replace("link", c.pieces, c.makes), c.makes ? 0 : EIO);
        EXPECT_EQ(read("file"), c.expected);
        struct stat info;
        EXPECT_TRUE(::lstat(at("link").c_str(), &info) == 0 && S_ISLNK(info.st_mode));
        EXPECT_TRUE(::stat(at("file").c_str(), &info) == 0 && (info.st_mode & 07777) == c.mode);
        EXPECT_EQ(entries(), 2u);
        fs::remove(at("link"));
    }
    EXPECT_EQ(replace("fresh", {"a", "b"}), 0);
    EXPECT_EQ(read("fresh"), "ab");
    EXPECT_EQ(entries(), 2u);
}

TEST_F(SafeWriteTest, AReadOnlyFolderIsBlamed)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser writes into read-only folders";
    put("file", "old");
    fs::permissions(folder, fs::perms::owner_write, fs::perm_options::remove);
    const std::string text = PlaceProblemText(ExaminePlace(at("file")));
    fs::permissions(folder, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(text,
              "the folder \"" + folder.string() + "\" is read-only; no file can be written there.");
}

} // namespace
