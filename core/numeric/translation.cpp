#include "core/numeric/translation.h"

#include <vector>

std::string Filled(const std::string &text, std::initializer_list<std::string> arguments)
{
    const std::vector<std::string> args(arguments);
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] == '%' && next >= '1' && next <= '9'
            && static_cast<std::size_t>(next - '1') < args.size()) {
            result += args[static_cast<std::size_t>(next - '1')];
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}
