#include "controls/file_associations_win32.h"

#include <windows.h>

#include <cstring>
#include <memory>
#include <type_traits>

namespace {

// One default value with its terminating zero.
constexpr LONG VALUE_BUFFER_SIZE = 260;

struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using UniqueKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

} // namespace

std::optional<std::string> Win32FileAssociations::ReadKeyDefaultValue(const std::string& subKey)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, subKey.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return std::nullopt;
    UniqueKey key(opened);
    char value[VALUE_BUFFER_SIZE] = "";
    LONG size = VALUE_BUFFER_SIZE;
    if (RegQueryValueA(key.get(), nullptr, value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    // Data stored without a terminator ends at the buffer's end.
    std::string text(value, strnlen(value, sizeof value));
    if (text.empty())
        return std::nullopt;
    return text;
}
