#pragma once

#include <string>

// The registry roots that Velnor reads and writes.
enum class RegistryRoot { LocalMachine, ClassesRoot };

// String values of other programs' registry keys. A key is opened, used
// and closed within each call; no key is ever created.
class Registry {
  public:
    virtual ~Registry() = default;
    // The value's text, or "" on any failure (missing key or value, no
    // access, data longer than 4095 characters).
    virtual std::string GetRegistryString(RegistryRoot root, const std::string& subKey,
                                          const std::string& valueName) = 0;
    // Writes a REG_SZ value into an existing key; fails silently.
    virtual void SetRegistryString(RegistryRoot root, const std::string& subKey, const std::string& valueName,
                                   const std::string& text) = 0;
};
