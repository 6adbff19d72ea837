#pragma once

#include "platform/file_store.h"

// Files on the local disk through the C run-time, with the final move of a
// replacement done by the system in one step.
class Win32FileStore : public FileStore {
  public:
    std::string WindowsDirectory() override;
    std::optional<std::string> ReadFile(const std::string& path) override;
    // Creates the file only where none exists: an existing file that could
    // not be read must not be emptied.
    bool CreateEmptyFile(const std::string& path) override;
    bool WriteWholeFile(const std::string& path, const std::string& bytes) override;
};
