#include "lists/private_list_encoding.h"

#include <utility>

#include "lists/utf8.h"

namespace {

const std::string UTF8_MARK = "\xEF\xBB\xBF";
const std::string UTF16_LITTLE_ENDIAN_MARK = "\xFF\xFE";
const std::string UTF16_BIG_ENDIAN_MARK = "\xFE\xFF";

bool StartsWith(const std::string& bytes, const std::string& prefix)
{
    return bytes.compare(0, prefix.size(), prefix) == 0;
}

bool IsLowSurrogate(unsigned unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// UTF-16 after its mark; an odd last byte is no character and is dropped.
std::string NarrowUtf16(const std::string& bytes, bool bigEndian)
{
    std::string text;
    unsigned previous = 0;
    for (std::string::size_type i = 2; i + 1 < bytes.size(); i += 2) {
        const unsigned first = static_cast<unsigned char>(bytes[i]);
        const unsigned second = static_cast<unsigned char>(bytes[i + 1]);
        const unsigned unit = bigEndian ? first << 8 | second : second << 8 | first;
        // The second half of a surrogate pair already gave its '?'.
        const bool pairEnd = IsLowSurrogate(unit) && previous >= 0xD800 && previous <= 0xDBFF;
        if (!pairEnd)
            text += unit < 0x80 ? static_cast<char>(unit) : '?';
        previous = unit;
    }
    return text;
}

} // namespace

PrivateListText DecodePrivateListFile(const std::string& bytes)
{
    if (StartsWith(bytes, UTF16_LITTLE_ENDIAN_MARK))
        return {PrivateListEncoding::Utf16, false, NarrowUtf16(bytes, false)};
    if (StartsWith(bytes, UTF16_BIG_ENDIAN_MARK))
        return {PrivateListEncoding::Utf16, false, NarrowUtf16(bytes, true)};
    const bool mark = StartsWith(bytes, UTF8_MARK);
    std::string text = mark ? bytes.substr(UTF8_MARK.size()) : bytes;
    const bool utf8 = (mark || !IsAscii(text)) && DecodeUtf8(text);
    return {utf8 ? PrivateListEncoding::Utf8 : PrivateListEncoding::Ansi, mark, std::move(text)};
}

std::string EncodePrivateListFile(const PrivateListText& file)
{
    return file.utf8Mark ? UTF8_MARK + file.text : file.text;
}
