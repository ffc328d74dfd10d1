#pragma once
// Helpers for the analysis tests: a scratch folder, files in it, and an
// analysis run on given values.

#include "core/analysis/analysisrun.h"
#include "core/numeric/strings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

// A fresh folder under the test temporary folder, removed afterwards.
class AnalysisTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern = (fs::path(::testing::TempDir()) / "mervan-analysis-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(folder, ignored);
    }

    std::string write(const std::string &name, const std::string &bytes)
    {
        const std::string path = (folder / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    static std::string read(const std::string &path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // Values written one per blank, ten per line.
    static std::string join(const std::vector<std::string> &tokens)
    {
        std::string text;
        for (std::size_t i = 0; i < tokens.size(); ++i)
            text += tokens[i] + ((i % 10 == 9) ? "\r\n" : " ");
        return text;
    }

    // A complete analysis of the file content with the given classes.
    AnalysisState analyse(const std::string &content, std::int32_t count, double width = 0.0,
                          bool center = false)
    {
        AnalysisState state;
        state.ClassCount = count;
        state.ClassWidth = width;
        state.CentreData = center;
        std::string error;
        const bool done = AnalyseDataFile(state, write("sample.dat", content), error);
        EXPECT_TRUE(done) << error;
        return state;
    }

    fs::path folder;
};

// The report split at its LF line ends.
inline std::vector<std::string> ReportLines(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}
