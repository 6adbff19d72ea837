#include "lists/utf8.h"

#include <algorithm>

namespace {

// The length of the sequence that the byte starts; 0 for a byte that
// starts none.
int SequenceLength(unsigned lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    return lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
}

bool IsSurrogate(char32_t point)
{
    return point >= 0xD800 && point <= 0xDFFF;
}

void AppendUtf16(char32_t point, std::u16string& text)
{
    if (point < 0x10000) {
        text += static_cast<char16_t>(point);
        return;
    }
    point -= 0x10000;
    text += static_cast<char16_t>(0xD800 + (point >> 10));
    text += static_cast<char16_t>(0xDC00 + (point & 0x3FF));
}

void AppendUtf8(char32_t point, std::string& bytes)
{
    if (point < 0x80) {
        bytes += static_cast<char>(point);
        return;
    }
    const int length = point < 0x800 ? 2 : point < 0x10000 ? 3 : 4;
    static const unsigned LEAD_MARKS[] = {0, 0, 0xC0, 0xE0, 0xF0};
    bytes += static_cast<char>(LEAD_MARKS[length] | point >> (6 * (length - 1)));
    for (int shift = 6 * (length - 2); shift >= 0; shift -= 6)
        bytes += static_cast<char>(0x80 | (point >> shift & 0x3F));
}

} // namespace

std::optional<std::u16string> DecodeUtf8(const std::string& bytes)
{
    static const char32_t SMALLEST[] = {0, 0, 0x80, 0x800, 0x10000};
    std::u16string text;
    for (std::string::size_type i = 0; i < bytes.size();) {
        const unsigned lead = static_cast<unsigned char>(bytes[i]);
        const int length = SequenceLength(lead);
        if (length == 0 || bytes.size() - i < static_cast<std::string::size_type>(length))
            return std::nullopt;
        char32_t point = length == 1 ? lead : lead & (0xFFu >> (length + 1));
        for (int k = 1; k < length; ++k) {
            const unsigned next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            point = point << 6 | (next & 0x3F);
        }
        if (point < SMALLEST[length] || point > 0x10FFFF || IsSurrogate(point))
            return std::nullopt;
        AppendUtf16(point, text);
        i += length;
    }
    return text;
}

std::string EncodeUtf8(const std::u16string& text)
{
    std::string bytes;
    for (std::u16string::size_type i = 0; i < text.size(); ++i) {
        char32_t point = text[i];
        const bool pair = point <= 0xDBFF && point >= 0xD800 && i + 1 < text.size() &&
                          text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        if (pair)
            point = 0x10000 + ((point - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (IsSurrogate(point))
            point = 0xFFFD;
        AppendUtf8(point, bytes);
    }
    return bytes;
}

bool IsAscii(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}
