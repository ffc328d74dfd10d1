#pragma once
// Helpers for the analysis tests: a scratch folder, files in it, and an
// analysis run on given values.

#include "core/analysis/analysisrun.h"
#include "core/analysis/datafile.h"
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
    AnalysisResult analyse(const std::string &content, std::int32_t count, double width = 0.0,
                           bool centred = false)
    {
        const AnalysisRun run = AnalyseDataFile(request(content, count, width, centred));
        EXPECT_TRUE(run.ok()) << run.error->text();
        return run.result;
    }

    // What stops the analysis of the file content with the given classes.
    std::string refusal(const std::string &content, std::int32_t count, double width = 0.0,
                        bool centred = false)
    {
        const AnalysisRun run = AnalyseDataFile(request(content, count, width, centred));
        EXPECT_FALSE(run.ok());
        return run.ok() ? std::string() : run.error->text();
    }

    AnalysisRequest request(const std::string &content, std::int32_t count, double width,
                            bool centred)
    {
        AnalysisRequest request;
        request.dataFileName = write("sample.dat", content);
        request.classCount = count;
        request.classWidth = width;
        request.centred = centred;
        return request;
    }

    // The sample of a data file, read as the analysis reads it.
    static Sample readSample(const std::string &path, bool decimalComma = false)
    {
        Checked<Sample> read = ReadDataFile(path, decimalComma);
        EXPECT_TRUE(read.ok()) << read.error->text();
        return std::move(read.value);
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
