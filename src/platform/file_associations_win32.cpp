#include "platform/file_associations_win32.h"

#include <cstring>

#include "platform/registry_win32.h"

namespace {

// One default value with its terminating zero.
constexpr LONG VALUE_BUFFER_SIZE = 260;

} // namespace

std::optional<std::string> Win32FileAssociations::ReadKeyDefaultValue(const std::string& subKey)
{
    CRegistryKey key;
    if (key.Open(HKEY_CLASSES_ROOT, subKey.c_str(), KEY_QUERY_VALUE) != ERROR_SUCCESS)
        return std::nullopt;
    char value[VALUE_BUFFER_SIZE] = "";
    LONG size = VALUE_BUFFER_SIZE;
    if (key.QueryDefaultValue(value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    // Data stored without a terminator ends at the buffer's end.
    std::string text(value, strnlen(value, sizeof value));
    if (text.empty())
        return std::nullopt;
    return text;
}
