#pragma once

#include <string>

// The registry roots that Velnor reads and writes.
enum class RegistryRoot { LocalMachine, CurrentUser, ClassesRoot };

// The stored types that Velnor tells apart; every other type is Other.
enum class RegistryType { String, MultiString, Other };

// A value as stored: its type and its data bytes, terminators included.
// String data is 8-bit text in the system's code page. MultiString data is
// the registry's own form, the raw UTF-16LE bytes: two bytes a unit, each
// line ending in a zero unit, so that no character is lost to the code page.
struct RegistryValue {
    RegistryType type = RegistryType::String;
    std::string data;

    bool operator==(const RegistryValue& other) const { return type == other.type && data == other.data; }
    bool operator!=(const RegistryValue& other) const { return !(*this == other); }
};

// What a read found: the whole value, no such key or value, or a value
// that is there but could not be read (no access, a read that failed).
enum class RegistryReadStatus { Read, Missing, Failed };

struct RegistryRead {
    RegistryReadStatus status = RegistryReadStatus::Missing;
    RegistryValue value;
};

// Values of other programs' registry keys. A key is opened, used and
// closed within each call, asking only for what the call does: a read for
// a read, the setting of a value for a write. No key is ever created but
// Velnor's own. The games are 32-bit programs, so on 64-bit systems every
// access goes through the 32-bit view.
class Registry {
  public:
    virtual ~Registry() = default;
    // The whole value, whatever its length.
    virtual RegistryRead ReadValue(RegistryRoot root, const std::string& subKey,
                                   const std::string& valueName) = 0;
    // Writes the value, in its type, into an existing key; true when stored.
    virtual bool WriteValue(RegistryRoot root, const std::string& subKey, const std::string& valueName,
                            const RegistryValue& value) = 0;
    // The same into a key of Velnor's own, which is made when missing.
    virtual bool WriteOwnValue(RegistryRoot root, const std::string& subKey, const std::string& valueName,
                               const RegistryValue& value) = 0;

    // The text of a string value, or "" on any failure (missing key or
    // value, no access, a value of another type).
    std::string GetRegistryString(RegistryRoot root, const std::string& subKey, const std::string& valueName);
    // Writes the text as a string value into an existing key; fails silently.
    void SetRegistryString(RegistryRoot root, const std::string& subKey, const std::string& valueName,
                           const std::string& text);
};

// The text of a string value's data: up to its first terminator, as the
// games read it.
std::string RegistryStringText(const RegistryValue& value);
