#pragma once

#include <optional>
#include <string>

// The files that Velnor keeps: read whole, created empty, or replaced whole.
class FileStore {
  public:
    virtual ~FileStore() = default;
    // The "WinDir" environment value, "" when it is not set.
    virtual std::string WindowsDirectory() = 0;
    // The file's bytes, or nothing when it cannot be opened.
    virtual std::optional<std::string> ReadFile(const std::string& path) = 0;
    virtual bool CreateEmptyFile(const std::string& path) = 0;
    // Writes the bytes as they are to a new file beside the old one and
    // only then puts it in the old one's place: a failure leaves the old
    // file whole. A read-only file is never replaced.
    virtual bool WriteWholeFile(const std::string& path, const std::string& bytes) = 0;
};
