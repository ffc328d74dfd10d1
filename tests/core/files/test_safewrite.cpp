// Replacing a file: what may be replaced, and how.

#include "core/files/safewrite.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

TEST(SafeWriteTest, ReplacesOnlyRegularFilesKeepingLinksAndModes)
{
    std::string pattern = (fs::path(::testing::TempDir()) / "mervan-files-XXXXXX").string();
    const fs::path folder = ::mkdtemp(pattern.data());
    auto at = [&](const std::string &name) { return (folder / name).string(); };
    auto put = [&](const std::string &name, int mode) {
        std::ofstream(at(name)) << "old";
        fs::permissions(at(name), static_cast<fs::perms>(mode));
    };
    put("locked", 0444);
    fs::create_directory(at("folder"));
    const struct
    {
        std::string name, link; // a link of that name, and where it leads
        PlaceProblem problem;
        std::string text;
    } cases[] = {
        {"to-nothing", "missing", PlaceProblem::None, ""},
        {"to-folder", "folder", PlaceProblem::Folder, "link to the directory \"" + at("folder")},
        {"to-device", "/dev/null", PlaceProblem::Device, "link to the device \"/dev/null\"."},
        {"to-locked", "locked", PlaceProblem::ReadOnly, "link to the read-only file \""},
    };
    for (const auto &c : cases) {
        fs::create_symlink(c.link, at(c.name));
        const FilePlace place = ExaminePlace(at(c.name));
        EXPECT_EQ(place.problem, c.problem) << c.name;
        const std::string text = PlaceProblemText(place);
        EXPECT_TRUE(c.text.empty() ? text.empty() : text.find(c.text) != std::string::npos)
            << c.name << ": " << text;
    }

    // Through a link the file is replaced, keeping its mode, and the link
    // stays; nothing else is left in the folder; unmade contents keep the
    // old file.
    fs::remove_all(folder);
    fs::create_directory(folder);
    for (const auto &[mode, made, expected] :
         {std::tuple{0640, true, "new contents"}, std::tuple{0604, true, "new contents"},
          std::tuple{0640, false, "old"}}) {
        put("file", mode);
        fs::create_symlink("file", at("link"));
        const int failure = WriteWholeFile(ExaminePlace(at("link")), [&](const PieceSink &sink) {
            std::string first = "new ", second = "contents";
            return sink(first) && sink(second) && made;
        });
        EXPECT_EQ(failure, made ? 0 : EIO);
        std::string text;
        std::getline(std::ifstream(at("file")), text);
        EXPECT_EQ(text, expected);
        EXPECT_TRUE(fs::is_symlink(at("link")));
        EXPECT_EQ(static_cast<int>(fs::status(at("file")).permissions()), mode);
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 2);
        fs::remove(at("link"));
    }
    fs::remove_all(folder);
}

} // namespace
