#include "calculators/calcread.h"

#include "numeric/messages.h"
#include "numeric/strings.h"

#include <iterator>

namespace {

template <class Reader>
bool ReadField(const std::string &text, std::vector<std::string> &messages, Reader read)
{
    std::string line = text;
    MessageRecorder recorder;
    read(line);
    std::vector<std::string> shown = recorder.take();
    messages.insert(messages.end(), std::make_move_iterator(shown.begin()),
                    std::make_move_iterator(shown.end()));
    return !ReadErrorFlag;
}

} // namespace

bool ReadRealField(const std::string &text, double &value, std::vector<std::string> &messages)
{
    return ReadField(text, messages, [&](std::string &line) { value = ReadReal(line, Delimiters); });
}

bool ReadIntegerField(const std::string &text, std::int32_t &value,
                      std::vector<std::string> &messages)
{
    return ReadField(text, messages,
                     [&](std::string &line) { value = ReadInteger(line, Delimiters); });
}
