#include "clients/utf16_bytes.h"

std::u16string Utf16OfBytes(const std::string& data)
{
    std::u16string text(data.size() / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(static_cast<unsigned char>(data[2 * i]) |
                                        static_cast<unsigned char>(data[2 * i + 1]) << 8);
    return text;
}

std::string BytesOfUtf16(const std::u16string& text)
{
    std::string data;
    data.reserve(2 * text.size());
    for (const char16_t unit : text) {
        data += static_cast<char>(unit & 0xFF);
        data += static_cast<char>(unit >> 8);
    }
    return data;
}
