#include "core/analysis/datafile.h"

#include "core/numeric/mutil.h"
#include "core/numeric/showntext.h"
#include "core/numeric/strings.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The token routines show a bad token together with its line, and keep
// columns in 8 bits. A line of this many characters or fewer (plus the blank
// the reader appends) is shown whole; a longer one is shown in pieces of at
// most this length, cut between tokens.
constexpr std::size_t ShownLineLength = 254;

// The file is read in blocks so that a file of any size needs only the
// memory of its values.
constexpr std::size_t ReadBlockSize = 1 << 20;

std::array<bool, 256> DelimiterTable()
{
    std::array<bool, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[c] = InSet(Delimiters, static_cast<char>(c));
    return table;
}

unsigned char Byte(char c)
{
    return static_cast<unsigned char>(c);
}

bool IsDigit(char c);

// Reads the tokens of one data file and appends them to the sample.
class DataReader
{
public:
    DataReader(Sample &sample, bool decimalComma)
        : m_sample(sample)
        , m_decimalComma(decimalComma)
        , m_delimiter(DelimiterTable())
    { }

    // lineNumber counts the file's lines from 1, blank ones included.
    void readLine(std::string_view line, std::size_t lineNumber);
    // Notes whether the commas found may be decimal signs.
    void finish();

private:
    bool isDelimiter(char c) const { return m_delimiter[Byte(c)]; }
    // The first index from k on that is not a delimiter, or the line's end.
    std::size_t skipDelimiters(std::string_view line, std::size_t k) const
    {
        while (k < line.size() && isDelimiter(line[k]))
            ++k;
        return k;
    }
    // The end of the token that begins at k.
    std::size_t tokenEnd(std::string_view line, std::size_t k) const
    {
        while (k < line.size() && (!isDelimiter(line[k]) || isDecimalComma(line, k)))
            ++k;
        return k;
    }
    bool isDecimalComma(std::string_view line, std::size_t k) const
    {
        return m_decimalComma && line[k] == ',' && k > 0 && k + 1 < line.size()
            && IsDigit(line[k - 1]) && IsDigit(line[k + 1]);
    }
    void noteCommas(std::string_view line);
    std::string_view pieceAt(std::string_view line, std::size_t start) const;
    void leaveOut(std::string_view line, std::size_t lineNumber, std::size_t tokenStart,
                  std::size_t tokenLength);

    Sample &m_sample;
    bool m_decimalComma;
    std::array<bool, 256> m_delimiter;
    // Where the piece of the current line that a message shows begins.
    std::size_t m_pieceStart = 0;
    bool m_sawPoint = false;
    bool m_sawDigitComma = false;
};

// How many of the tokens left out the message shows.
constexpr std::size_t ShownLeftOut = 5;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The piece of line that begins at start: as many whole tokens as fit in
// ShownLineLength characters, or the one token that begins there when it
// alone is longer.
std::string_view DataReader::pieceAt(std::string_view line, std::size_t start) const
{
    if (line.size() - start <= ShownLineLength)
        return line.substr(start);
    const std::size_t limit = start + ShownLineLength;
    std::size_t end = start;
    std::size_t k = start;
    while (k < line.size()) {
        k = skipDelimiters(line, k);
        if (k == line.size())
            break;
        const std::size_t next = tokenEnd(line, k);
        if (next > limit) {
            if (end == start)
                end = next;
            break;
        }
        end = next;
        k = next;
    }
    return line.substr(start, end - start);
}

void DataReader::noteCommas(std::string_view line)
{
    if (!m_sawPoint && line.find('.') != std::string_view::npos)
        m_sawPoint = true;
    for (std::size_t k = line.find(','); !m_sawDigitComma && k != std::string_view::npos;
         k = line.find(',', k + 1)) {
        m_sawDigitComma
            = k > 0 && k + 1 < line.size() && IsDigit(line[k - 1]) && IsDigit(line[k + 1]);
    }
}

void DataReader::leaveOut(std::string_view line, std::size_t lineNumber, std::size_t tokenStart,
                          std::size_t tokenLength)
{
    if (m_sample.skippedTokens++ >= ShownLeftOut)
        return;
    // The line is shown from where the piece begins, so the caret stands
    // under the token as the shown text places it.
    const std::string_view piece = pieceAt(line, m_pieceStart);
    m_sample.leftOut.push_back(
        {lineNumber, ShownText(line.substr(tokenStart, tokenLength), ShownTokenLength),
         ShownText(piece, ShownLineLength),
         Columns(ShownText(piece.substr(0, tokenStart - m_pieceStart), ShownLineLength))});
}

void DataReader::readLine(std::string_view line, std::size_t lineNumber)
{
    if (!m_decimalComma && !(m_sawPoint && m_sawDigitComma))
        noteCommas(line);
    m_pieceStart = 0;
    std::size_t k = 0;
    while (true) {
        k = skipDelimiters(line, k);
        if (k == line.size())
            break;
        const std::size_t tokenStart = k;
        k = tokenEnd(line, k);
        if (k - m_pieceStart > ShownLineLength)
            m_pieceStart = tokenStart;
        std::string_view token = line.substr(tokenStart, k - tokenStart);
        std::string withPoint;
        if (m_decimalComma && token.find(',') != std::string_view::npos) {
            withPoint.assign(token);
            std::replace(withPoint.begin(), withPoint.end(), ',', '.');
            token = withPoint;
        }

        double x = 0.0;
        if (!TokenValue(token, x)) {
            leaveOut(line, lineNumber, tokenStart, k - tokenStart);
            continue;
        }
        const std::int64_t decimals = TokenDecimals(token);
        // The decimals are kept in a byte, as the report has always read them.
        if (decimals > m_sample.decimals)
            m_sample.decimals = static_cast<int>(decimals & 0xFF);
        m_sample.values.push_back(x);
    }
}

void DataReader::finish()
{
    m_sample.commaDecimalsSeen = !m_decimalComma && m_sawDigitComma && !m_sawPoint;
}

// The index of the first CR or LF of data from i on, or size.
std::size_t LineEnd(const char *data, std::size_t i, std::size_t size)
{
    while (i < size && data[i] != '\r' && data[i] != '\n')
        ++i;
    return i;
}

// Closes a file descriptor when it goes out of scope.
struct FileCloser
{
    int fd;
    ~FileCloser() { ::close(fd); }
};

} // namespace

bool TokenValue(std::string_view token, double &value)
{
    // Most data tokens are plain decimals such as -12.75. Those with at most
    // 19 significant digits are converted here: the digits and the power of
    // ten are both exact in extended precision, so the one division rounds the
    // decimal to extended precision exactly as the general conversion does.
    // Everything else goes to the general conversion.
    std::size_t i = 0;
    const std::size_t n = token.size();
    bool negative = false;
    if (i < n && (token[i] == '-' || token[i] == '+')) {
        negative = token[i] == '-';
        ++i;
    }
    std::uint64_t digits = 0;
    int significant = 0;
    int decimals = 0;
    std::size_t integerDigits = 0;
    while (i < n && token[i] >= '0' && token[i] <= '9') {
        if (digits != 0 || token[i] != '0')
            ++significant;
        digits = digits * 10 + static_cast<std::uint64_t>(token[i] - '0');
        ++integerDigits;
        ++i;
        if (significant > 19)
            break;
    }
    bool plain = integerDigits > 0 && significant <= 19;
    if (plain && i < n && token[i] == '.') {
        ++i;
        std::size_t fractionDigits = 0;
        while (i < n && token[i] >= '0' && token[i] <= '9' && significant <= 19) {
            if (digits != 0 || token[i] != '0')
                ++significant;
            digits = digits * 10 + static_cast<std::uint64_t>(token[i] - '0');
            ++decimals;
            ++fractionDigits;
            ++i;
        }
        plain = fractionDigits > 0 && significant <= 19 && decimals <= ExactPowersOfTen;
    }
    if (plain && i == n) {
        long double x = static_cast<long double>(digits);
        if (decimals > 0)
            x /= PowerOfTen(decimals);
        value = static_cast<double>(negative ? -x : x);
        return true;
    }
    long double x = 0.0L;
    if (!ConvertReal(std::string(token), x))
        return false;
    value = static_cast<double>(x);
    return true;
}

Checked<Sample> ReadDataFile(const std::string &fileName, bool decimalComma)
{
    Checked<Sample> read;
    Sample &sample = read.value;
    sample.dataFileName = fileName;
    const auto fail = [&read, &fileName](AnalysisErrorCode code, std::string reason = {}) {
        read.error = AnalysisError{code, {fileName}, {}};
        if (!reason.empty())
            read.error->arguments.push_back(std::move(reason));
        return read;
    };

    // A folder, a pipe or a device is refused before it is opened (a pipe
    // waits for a writer); and again once open, should the name have moved.
    struct stat info;
    if (::stat(fileName.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
        return fail(AnalysisErrorCode::NotARegularFile);
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return fail(AnalysisErrorCode::CannotOpen, std::strerror(errno));
    const FileCloser closer{fd};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return fail(AnalysisErrorCode::NotARegularFile);

    DataReader reader(sample, decimalComma);
    std::optional<AnalysisError> failure;
    std::vector<char> block(ReadBlockSize);
    // A line that runs on past the end of a block.
    std::string pending;
    std::size_t lineNumber = 1;
    bool afterCR = false;
    bool firstBlock = true;
    bool inLine = false;
    // After the first block, room for the whole file's values at that
    // block's density, so that they are not copied over and over.
    const std::size_t fileSize = static_cast<std::size_t>(info.st_size);
    std::size_t consumed = 0;
    bool reserved = false;
    while (true) {
        if (!reserved && consumed > 0) {
            reserved = true;
            if (fileSize > consumed) {
                const long double perByte
                    = static_cast<long double>(sample.values.size()) / consumed;
                sample.values.reserve(static_cast<std::size_t>(perByte * fileSize * 1.02L) + 1024);
            }
        }
        const ssize_t got = ::read(fd, block.data(), block.size());
        if (got < 0) {
            if (errno == EINTR)
                continue;
            failure = AnalysisError{
                AnalysisErrorCode::CannotRead, {fileName, std::strerror(errno)}, {}};
            break;
        }
        if (got == 0)
            break;
        const char *data = block.data();
        const std::size_t size = static_cast<std::size_t>(got);
        consumed += size;
        if (std::memchr(data, '\0', size) != nullptr) {
            failure = AnalysisError{AnalysisErrorCode::NotText, {fileName}, {}};
            break;
        }
        std::size_t i = 0;
        // A UTF-8 byte order mark before the first line is no token.
        if (firstBlock && size >= 3 && std::memcmp(data, "\xEF\xBB\xBF", 3) == 0)
            i = 3;
        firstBlock = false;
        if (inLine) {
            const std::size_t j = LineEnd(data, i, size);
            pending.append(data + i, j - i);
            i = j;
            if (j == size)
                continue;
            reader.readLine(pending, lineNumber);
            pending.clear();
            inLine = false;
        }
        while (true) {
            // Blank lines, line ends and leading white space (every character
            // up to code 32) are passed over before each line.
            // Line ends count lines: CR LF, CR or LF each end one.
            for (; i < size && Byte(data[i]) <= 32; ++i) {
                if (data[i] == '\r' || (data[i] == '\n' && !afterCR))
                    ++lineNumber;
                afterCR = data[i] == '\r';
            }
            if (i == size)
                break;
            const std::size_t j = LineEnd(data, i, size);
            if (j == size) {
                pending.assign(data + i, j - i);
                afterCR = false;
                inLine = true;
                break;
            }
            afterCR = false;
            reader.readLine(std::string_view(data + i, j - i), lineNumber);
            i = j;
        }
    }
    if (!failure && inLine)
        reader.readLine(pending, lineNumber);
    reader.finish();
    if (failure)
        read.error = std::move(failure);
    else if (sample.values.empty())
        return fail(AnalysisErrorCode::NoNumbers);
    return read;
}

std::vector<std::string> SampleNotes(const Sample &sample, const Translator &translator)
{
    const auto say
        = [&translator](const char *english) { return translator("SampleNotes", english); };
    const std::size_t skipped = sample.skippedTokens;
    if (skipped == 0)
        return {};
    std::string text = skipped == 1
        ? Filled(
            say(MERVAN_TEXT("SampleNotes", "1 token that is not a number was left out of \"%1\"")),
            {sample.dataFileName})
        : Filled(say(MERVAN_TEXT("SampleNotes",
                                 "%1 tokens that are not numbers were left out of \"%2\"")),
                 {std::to_string(skipped), sample.dataFileName});
    text += skipped > sample.leftOut.size()
        ? Filled(say(MERVAN_TEXT("SampleNotes", "; the first %1:")),
                 {std::to_string(sample.leftOut.size())})
            + "\n"
        : ":\n";
    for (const LeftOutToken &left : sample.leftOut) {
        text += "\n"
            + Filled(say(MERVAN_TEXT("SampleNotes", "Line %1: \"%2\"")),
                     {std::to_string(left.line), left.token})
            + "\n";
        text += left.piece + '\n' + std::string(left.column, ' ') + '^';
    }
    return {text};
}
