#include "platform/registry.h"

#include <algorithm>

std::string RegistryStringText(const RegistryValue& value)
{
    return std::string(value.data.begin(), std::find(value.data.begin(), value.data.end(), '\0'));
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
