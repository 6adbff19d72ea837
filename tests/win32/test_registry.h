#pragma once

#include <windows.h>

#include <string>

// The registry view that the games and the program use: the 32-bit one, on
// 64-bit Windows and in a 64-bit Wine prefix. The tests set up and inspect
// keys there, whichever build they are.
constexpr REGSAM GAMES_VIEW = KEY_WOW64_32KEY;

// Removes a key without sub-keys from the games' view (RegDeleteKeyA alone
// works in the view of the build).
inline void DeleteGamesKey(HKEY root, const std::string& path)
{
    const std::string::size_type slash = path.rfind('\\');
    HKEY parent = nullptr;
    const std::string parentPath = slash == std::string::npos ? "" : path.substr(0, slash);
    if (RegOpenKeyExA(root, parentPath.c_str(), 0, KEY_ALL_ACCESS | GAMES_VIEW, &parent) != ERROR_SUCCESS)
        return;
    RegDeleteKeyA(parent, path.substr(slash + 1).c_str());
    RegCloseKey(parent);
}

// A value name in the wide characters of the ...W functions; names here
// are ASCII.
inline std::wstring WideName(const std::string& name)
{
    return std::wstring(name.begin(), name.end());
}

// Puts the "Server List" value the program reads at start-up, so that no
// test ever shows (or could ping) anything but test addresses.
inline void SeedServerList(const std::string& value)
{
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Battle.Net\\Configuration", 0, nullptr, 0,
                              KEY_ALL_ACCESS | GAMES_VIEW, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "Server List", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
}
