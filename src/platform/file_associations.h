#pragma once

#include <optional>
#include <string>

// The file associations below HKEY_CLASSES_ROOT, as the link fallback
// reads them.
class FileAssociations {
  public:
    virtual ~FileAssociations() = default;
    // The default value of the key at the path, or nothing when the key
    // cannot be opened or its default value cannot be read (absent, empty,
    // or longer than 259 characters).
    virtual std::optional<std::string> ReadKeyDefaultValue(const std::string& subKey) = 0;
};
