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

struct SafeWriteTest : ::testing::Test
{
    SafeWriteTest()
    {
        std::string pattern = (fs::path(::testing::TempDir()) / "mervan-files-XXXXXX").string();
        folder = ::mkdtemp(pattern.data());
    }
    ~SafeWriteTest() override { fs::remove_all(folder); }
    std::string at(const std::string &name) const { return (folder / name).string(); }
    void put(const std::string &name, mode_t mode)
    {
        std::ofstream(at(name)) << "old";
        ::chmod(at(name).c_str(), mode);
    }
    std::string read(const std::string &name) const
    {
        std::ostringstream bytes;
        bytes << std::ifstream(at(name)).rdbuf();
        return bytes.str();
    }
    fs::path folder;
};

TEST_F(SafeWriteTest, OnlyRegularFilesAndNewNamesAreReplaced)
{
    put("plain", 0644);
    put("locked", 0444);
    fs::create_directory(at("folder"));
    const struct
    {
        std::string name, link; // link: where a link of that name leads
        PlaceProblem problem;
        std::string text;
    } cases[] = {
        {"new", "", PlaceProblem::None, ""},
        {"to-plain", "plain", PlaceProblem::None, ""},
        {"to-nothing", "missing", PlaceProblem::None, ""},
        {"to-folder", "folder", PlaceProblem::Folder, "link to the directory \"" + at("folder")},
        {"to-device", "/dev/null", PlaceProblem::Device, "link to the device \"/dev/null\"."},
        {"to-locked", "locked", PlaceProblem::ReadOnly, "link to the read-only file \""},
    };
    for (const auto &c : cases) {
        if (!c.link.empty())
            fs::create_symlink(c.link, at(c.name));
        const FilePlace place = ExaminePlace(at(c.name));
        const std::string text = PlaceProblemText(place);
        EXPECT_EQ(place.problem, c.problem) << c.name;
        EXPECT_TRUE(c.text.empty() ? text.empty() : text.find(c.text) != std::string::npos)
            << c.name << ": " << text;
    }
}

// Through a link the file is replaced and the link stays; the file keeps its
// permissions; nothing else is left in the folder; unmade contents keep the
// old file.
TEST_F(SafeWriteTest, ReplacingKeepsLinkAndModeAndLeavesNothingElse)
{
    for (const auto &[mode, made, expected] :
         {std::tuple{0640, true, "new contents"}, std::tuple{0604, true, "new contents"},
          std::tuple{0640, false, "old"}}) {
        put("file", static_cast<mode_t>(mode));
        fs::create_symlink("file", at("link"));
        const int failure = WriteWholeFile(ExaminePlace(at("link")), [&](const PieceSink &sink) {
            std::string first = "new ", second = "contents";
            return sink(first) && sink(second) && made;
        });
        EXPECT_EQ(failure, made ? 0 : EIO);
        EXPECT_EQ(read("file"), expected);
        EXPECT_TRUE(fs::is_symlink(at("link")));
        EXPECT_EQ(static_cast<int>(fs::status(at("file")).permissions()), mode);
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 2);
        fs::remove(at("link"));
    }
}

} // namespace
