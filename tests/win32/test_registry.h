#pragma once

#include <windows.h>

#include <string>

// Puts the "Server List" value the program reads at start-up, so that no
// test ever shows (or could ping) anything but test addresses.
inline void SeedServerList(const std::string& value)
{
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Battle.Net\\Configuration", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "Server List", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
}
