#include "core/numeric/showntext.h"

#include <utility>

std::pair<char32_t, std::size_t> DecodeUtf8(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80)
        return {lead, 1};
    std::size_t length;
    char32_t code;
    char32_t least; // the smallest code of this length: shorter forms are not UTF-8
    if ((lead & 0xE0) == 0xC0) {
        length = 2, code = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, code = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, code = lead & 0x07, least = 0x10000;
    } else {
        return {0, 0};
    }
    if (i + length > text.size())
        return {0, 0};
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return {0, 0};
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {0, 0};
    return {code, length};
}

namespace {

bool Invisible(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0xAD || (c >= 0x2000 && c <= 0x200F)
        || (c >= 0x2028 && c <= 0x202F) || (c >= 0x205F && c <= 0x2064) || c == 0x3000
        || c == 0xFEFF;
}

std::string Hex(unsigned value, int digits)
{
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int k = digits - 1; k >= 0; --k, value >>= 4)
        text[static_cast<std::size_t>(k)] = Digits[value & 0xF];
    return text;
}

} // namespace

std::string ShownText(std::string_view text, std::size_t limit)
{
    std::string shown;
    std::size_t columns = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto [code, length] = DecodeUtf8(text, i);
        std::string piece;
        if (length == 0)
            piece = "\\x" + Hex(static_cast<unsigned char>(text[i]), 2);
        else if (Invisible(code))
            piece = "\\u" + Hex(code, 4);
        else
            piece.assign(text.substr(i, length));
        const std::size_t width = length <= 1 || Invisible(code) ? piece.size() : 1;
        if (columns + width > limit) {
            shown += "\xE2\x80\xA6"; // …
            break;
        }
        shown += piece;
        columns += width;
        i += length == 0 ? 1 : length;
    }
    return shown;
}

std::size_t Columns(std::string_view utf8)
{
    std::size_t count = 0;
    for (char c : utf8)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}
