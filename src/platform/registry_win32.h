#pragma once

#include <windows.h>

#include <string>

#include "platform/registry.h"

// One open registry key of any hive, closed at the latest when the object
// goes.
class CRegistryKey {
  public:
    CRegistryKey() = default;
    ~CRegistryKey() { Close(); }
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;

    // Opens an existing key; never creates one. On success the key held so
    // far is closed and that close's result is returned.
    LONG Open(HKEY parent, const char* subKey, REGSAM access);
    // Opens the key, making it first when it is missing; as Open otherwise.
    LONG Create(HKEY parent, const char* subKey, REGSAM access);
    // Reads a value of any type as bytes; size is the buffer's capacity on
    // entry and the number of bytes stored on return.
    LONG QueryValue(char* buffer, const char* valueName, DWORD* size, DWORD* type);
    // The same through the wide-character function: the data of a
    // multi-string comes as the UTF-16 bytes the registry keeps.
    LONG QueryWideValue(char* buffer, const std::wstring& valueName, DWORD* size, DWORD* type);
    // Reads the key's default value as a string; size as for QueryValue.
    LONG QueryDefaultValue(char* buffer, LONG* size);
    // Writes the bytes as a value of the given type.
    LONG SetValue(const char* valueName, DWORD type, const std::string& data);
    // Writes the bytes through the wide-character function: a multi-string
    // given as UTF-16 bytes is stored as they are.
    LONG SetWideValue(const std::wstring& valueName, DWORD type, const std::string& data);
    LONG Close();

  private:
    // Keeps the key just opened, closing the one held so far.
    LONG Hold(LONG opened, HKEY key);

    HKEY m_hKey = nullptr;
};

// The registry of this machine, one key opened and closed per call.
class Win32Registry : public Registry {
  public:
    RegistryRead ReadValue(RegistryRoot root, const std::string& subKey,
                           const std::string& valueName) override;
    bool WriteValue(RegistryRoot root, const std::string& subKey, const std::string& valueName,
                    const RegistryValue& value) override;
    bool WriteOwnValue(RegistryRoot root, const std::string& subKey, const std::string& valueName,
                       const RegistryValue& value) override;
};
