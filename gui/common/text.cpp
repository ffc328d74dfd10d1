#include "gui/common/text.h"

#include "core/numeric/showntext.h"

#include <array>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F, where it places
// typographic characters. The five codes it leaves unassigned (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the C1 controls of the same value, as Windows does,
// so every byte survives a round trip.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

char16_t Decode(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return HighControls[byte - 0x80];
    return byte;
}

char Encode(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return static_cast<char>(unit);
    for (std::size_t i = 0; i < HighControls.size(); ++i) {
        if (HighControls[i] == unit)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

QString Decode(const char *bytes, qsizetype size)
{
    QString text(size, Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < size; ++i)
        out[i] = QChar(Decode(static_cast<unsigned char>(bytes[i])));
    return text;
}

template <typename Bytes>
Bytes Encode(const QString &text)
{
    Bytes bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // A character outside the basic plane is one '?', not two.
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        bytes.push_back(Encode(c.unicode()));
    }
    return bytes;
}

} // namespace

QString FromCp1252(const QByteArray &bytes)
{
    return Decode(bytes.constData(), bytes.size());
}

QByteArray ToCp1252(const QString &text)
{
    return Encode<QByteArray>(text);
}

bool LooksLikeUtf8(const QByteArray &bytes)
{
    const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    bool multiByte = false;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = DecodeUtf8(text, i).second;
        if (length == 0)
            return false;
        multiByte = multiByte || length > 1;
        i += length;
    }
    // Plain ASCII reads the same in both sets; it stays in the program's own.
    return multiByte;
}

QString DecodeText(const QByteArray &bytes)
{
    return LooksLikeUtf8(bytes) ? QString::fromUtf8(bytes) : FromCp1252(bytes);
}

QString WithLineFeeds(const QString &text)
{
    QString result = text;
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

QString FromCore(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToCore(const QString &text)
{
    return text.toUtf8().toStdString();
}
