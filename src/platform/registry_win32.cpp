#include "platform/registry_win32.h"

#include "platform/code_page_win32.h"

namespace {

HKEY RootKey(RegistryRoot root)
{
    switch (root) {
    case RegistryRoot::CurrentUser:
        return HKEY_CURRENT_USER;
    case RegistryRoot::ClassesRoot:
        return HKEY_CLASSES_ROOT;
    case RegistryRoot::LocalMachine:
        break;
    }
    return HKEY_LOCAL_MACHINE;
}

// Only the access that each call needs: a key that this user may read but
// not write still reads, where no virtualisation reopens it (a 64-bit
// build, an elevated program, a policy that turns it off). The 32-bit
// view is the one the games use; a 32-bit program on a 32-bit system
// ignores the flag.
constexpr REGSAM READ_ACCESS = KEY_READ | KEY_WOW64_32KEY;
constexpr REGSAM WRITE_ACCESS = KEY_SET_VALUE | KEY_WOW64_32KEY;

RegistryType TypeOf(DWORD type)
{
    switch (type) {
    case REG_SZ:
        return RegistryType::String;
    case REG_MULTI_SZ:
        return RegistryType::MultiString;
    default:
        return RegistryType::Other;
    }
}

RegistryReadStatus StatusOf(LONG result)
{
    if (result == ERROR_SUCCESS)
        return RegistryReadStatus::Read;
    return result == ERROR_FILE_NOT_FOUND ? RegistryReadStatus::Missing : RegistryReadStatus::Failed;
}

std::wstring WideName(const std::string& valueName)
{
    const std::u16string name = Win32CodePage().ToUtf16(valueName);
    return std::wstring(name.begin(), name.end());
}

// Reads the whole value: a multi-string through the wide-character
// function, in the registry's own UTF-16, anything else through the 8-bit
// one. Another program may grow or retype the value between asking for its
// size and reading it, so ask again while it does.
LONG ReadWhole(CRegistryKey& key, const std::string& valueName, RegistryValue& value)
{
    const std::wstring wideName = WideName(valueName);
    LONG result = ERROR_MORE_DATA;
    for (int attempt = 0; attempt < 4 && result == ERROR_MORE_DATA; ++attempt) {
        DWORD size = 0;
        DWORD type = REG_NONE;
        result = key.QueryWideValue(nullptr, wideName, &size, &type);
        const bool wide = type == REG_MULTI_SZ;
        if (result == ERROR_SUCCESS && !wide)
            result = key.QueryValue(nullptr, valueName.c_str(), &size, &type);
        if (result != ERROR_SUCCESS)
            break;
        value.data.assign(size, '\0');
        result = wide ? key.QueryWideValue(value.data.data(), wideName, &size, &type)
                      : key.QueryValue(value.data.data(), valueName.c_str(), &size, &type);
        value.data.resize(size);
        value.type = TypeOf(type);
        if (result == ERROR_SUCCESS && (type == REG_MULTI_SZ) != wide)
            result = ERROR_MORE_DATA;
    }
    return result;
}

LONG WriteInto(CRegistryKey& key, const std::string& valueName, const RegistryValue& value)
{
    return value.type == RegistryType::MultiString
               ? key.SetWideValue(WideName(valueName), REG_MULTI_SZ, value.data)
               : key.SetValue(valueName.c_str(), REG_SZ, value.data);
}

} // namespace

LONG CRegistryKey::Open(HKEY parent, const char* subKey, REGSAM access)
{
    HKEY key = nullptr;
    const LONG opened = RegOpenKeyExA(parent, subKey, 0, access, &key);
    return Hold(opened, key);
}

LONG CRegistryKey::Create(HKEY parent, const char* subKey, REGSAM access)
{
    HKEY key = nullptr;
    const LONG opened = RegCreateKeyExA(parent, subKey, 0, nullptr, 0, access, nullptr, &key, nullptr);
    return Hold(opened, key);
}

LONG CRegistryKey::Hold(LONG opened, HKEY key)
{
    if (opened != ERROR_SUCCESS)
        return opened;
    const LONG result = Close();
    m_hKey = key;
    return result;
}

LONG CRegistryKey::QueryValue(char* buffer, const char* valueName, DWORD* size, DWORD* type)
{
    return RegQueryValueExA(m_hKey, valueName, nullptr, type, reinterpret_cast<BYTE*>(buffer), size);
}

LONG CRegistryKey::QueryWideValue(char* buffer, const std::wstring& valueName, DWORD* size, DWORD* type)
{
    return RegQueryValueExW(m_hKey, valueName.c_str(), nullptr, type, reinterpret_cast<BYTE*>(buffer), size);
}

LONG CRegistryKey::QueryDefaultValue(char* buffer, LONG* size)
{
    return RegQueryValueA(m_hKey, nullptr, buffer, size);
}

LONG CRegistryKey::SetValue(const char* valueName, DWORD type, const std::string& data)
{
    return RegSetValueExA(m_hKey, valueName, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                          static_cast<DWORD>(data.size()));
}

LONG CRegistryKey::SetWideValue(const std::wstring& valueName, DWORD type, const std::string& data)
{
    return RegSetValueExW(m_hKey, valueName.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                          static_cast<DWORD>(data.size()));
}

LONG CRegistryKey::Close()
{
    if (m_hKey == nullptr)
        return ERROR_SUCCESS;
    LONG result = RegCloseKey(m_hKey);
    m_hKey = nullptr;
    return result;
}

RegistryRead Win32Registry::ReadValue(RegistryRoot root, const std::string& subKey,
                                      const std::string& valueName)
{
    CRegistryKey key;
    RegistryRead read;
    read.status = StatusOf(key.Open(RootKey(root), subKey.c_str(), READ_ACCESS));
    if (read.status != RegistryReadStatus::Read)
        return read;
    read.status = StatusOf(ReadWhole(key, valueName, read.value));
    if (read.status != RegistryReadStatus::Read)
        read.value = {};
    return read;
}

bool Win32Registry::WriteValue(RegistryRoot root, const std::string& subKey, const std::string& valueName,
                               const RegistryValue& value)
{
    CRegistryKey key;
    if (key.Open(RootKey(root), subKey.c_str(), WRITE_ACCESS) != ERROR_SUCCESS)
        return false;
    return WriteInto(key, valueName, value) == ERROR_SUCCESS;
}

bool Win32Registry::WriteOwnValue(RegistryRoot root, const std::string& subKey, const std::string& valueName,
                                  const RegistryValue& value)
{
    CRegistryKey key;
    if (key.Create(RootKey(root), subKey.c_str(), WRITE_ACCESS) != ERROR_SUCCESS)
        return false;
    return WriteInto(key, valueName, value) == ERROR_SUCCESS;
}
