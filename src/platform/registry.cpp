#include "platform/registry.h"

#include <algorithm>

std::string RegistryStringText(const RegistryValue& value)
{
    return std::string(value.data.begin(), std::find(value.data.begin(), value.data.end(), '\0'));
}

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

std::string Registry::GetRegistryString(RegistryRoot root, const std::string& subKey,
                                        const std::string& valueName)
{
    const RegistryRead read = ReadValue(root, subKey, valueName);
    if (read.status != RegistryReadStatus::Read || read.value.type != RegistryType::String)
        return "";
    return RegistryStringText(read.value);
}

void Registry::SetRegistryString(RegistryRoot root, const std::string& subKey, const std::string& valueName,
                                 const std::string& text)
{
    WriteValue(root, subKey, valueName, {RegistryType::String, text + '\0'});
}
