#include "core/calculators/calcread.h"

#include "core/numeric/strings.h"

namespace {

// Reads text as one line with read and collects the read-error message it
// shows; true when a number was read.
template <class Reader>
bool ReadField(const std::string &text, std::vector<std::string> &messages, Reader read)
{
    std::string line = text;
    return !CollectMessages(messages, [&] {
        read(line);
        return ReadErrorFlag;
    });
}

} // namespace

bool ReadRealField(const std::string &text, double &value, std::vector<std::string> &messages)
{
    return ReadField(text, messages,
                     [&](std::string &line) { value = ReadReal(line, Delimiters); });
}

bool ReadIntegerField(const std::string &text, std::int32_t &value,
                      std::vector<std::string> &messages)
{
    return ReadField(text, messages,
                     [&](std::string &line) { value = ReadInteger(line, Delimiters); });
}

bool ReadBoundedRealField(const std::string &text, const char *emptyMessage, long double low,
                          long double high, const char *rangeMessage, double &value,
                          std::vector<std::string> &messages)
{
    if (text.empty()) {
        messages.push_back(emptyMessage);
        return false;
    }
    const bool read = ReadRealField(text, value, messages);
    const long double a = value;
    if (!read || !(a >= low && a <= high)) {
        messages.push_back(rangeMessage);
        return false;
    }
    return true;
}

bool ReadAlphaField(const std::string &text, double &alpha, std::vector<std::string> &messages)
{
    return ReadBoundedRealField(text, "Please enter the desired probability in percentage points.",
                                0.0001L, 0.999999L, "Alpha must be between 0.0001 and 0.999999",
                                alpha, messages);
}

bool ReadDegreesField(const std::string &text, const char *emptyMessage, std::int32_t &v,
                      std::vector<std::string> &messages)
{
    if (text.empty()) {
        messages.push_back(emptyMessage);
        return false;
    }
    const bool read = ReadIntegerField(text, v, messages);
    if (v < 1 || v > 200 || !read) {
        messages.push_back("The degrees of freedom must be between 1 and 200.");
        return false;
    }
    return true;
}

bool ReadAlphaAndDegrees(const std::string &alphaText, const std::string &vText, double &alpha,
                         std::int32_t &v, std::vector<std::string> &messages)
{
    return ReadAlphaField(alphaText, alpha, messages)
        && ReadDegreesField(vText, "Please enter the degrees of freedom.", v, messages);
}
