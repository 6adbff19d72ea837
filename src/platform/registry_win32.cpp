#include "platform/registry_win32.h"

#include <algorithm>
#include <array>

namespace {

// Every value Velnor reads fits here with its terminator; longer ones read
// as nothing, as the games' own readers would not take them either.
constexpr DWORD REGISTRY_BUFFER_SIZE = 4096;

HKEY RootKey(RegistryRoot root)
{
    return root == RegistryRoot::ClassesRoot ? HKEY_CLASSES_ROOT : HKEY_LOCAL_MACHINE;
}

} // namespace

LONG CRegistryKey::Open(HKEY parent, const char* subKey, REGSAM access)
{
    HKEY key = nullptr;
    LONG result = RegOpenKeyExA(parent, subKey, 0, access, &key);
    if (result != ERROR_SUCCESS)
        return result;
    result = Close();
    m_hKey = key;
    return result;
}

LONG CRegistryKey::QueryValue(char* buffer, const char* valueName, DWORD* size)
{
    DWORD type = 0;
    return RegQueryValueExA(m_hKey, valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer), size);
}

LONG CRegistryKey::SetStringValue(const char* text, const char* valueName)
{
    return RegSetValueExA(m_hKey, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                          static_cast<DWORD>(lstrlenA(text) + 1));
}

LONG CRegistryKey::Close()
{
    if (m_hKey == nullptr)
        return ERROR_SUCCESS;
    LONG result = RegCloseKey(m_hKey);
    m_hKey = nullptr;
    return result;
}

std::string Win32Registry::GetRegistryString(RegistryRoot root, const std::string& subKey,
                                             const std::string& valueName)
{
    CRegistryKey key;
    // Full access for the read too: a key the games could not write reads
    // as nothing here, as it would for them.
    if (key.Open(RootKey(root), subKey.c_str(), KEY_ALL_ACCESS) != ERROR_SUCCESS)
        return "";
    std::array<char, REGISTRY_BUFFER_SIZE> buffer{};
    DWORD size = REGISTRY_BUFFER_SIZE;
    if (key.QueryValue(buffer.data(), valueName.c_str(), &size) != ERROR_SUCCESS)
        return "";
    // Data stored without a terminator must not lead the read past the
    // bytes the query returned.
    return std::string(buffer.begin(), std::find(buffer.begin(), buffer.begin() + size, '\0'));
}

void Win32Registry::SetRegistryString(RegistryRoot root, const std::string& subKey,
                                      const std::string& valueName, const std::string& text)
{
    CRegistryKey key;
    if (key.Open(RootKey(root), subKey.c_str(), KEY_ALL_ACCESS) != ERROR_SUCCESS)
        return;
    key.SetStringValue(text.c_str(), valueName.c_str());
}
