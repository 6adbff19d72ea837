#pragma once

#include "platform/clock.h"
#include "platform/file_store.h"

// Files on the local disk through the C run-time, with the final move of a
// replacement done by the system in one step.
class Win32FileStore : public FileStore {
  public:
    // The clock times the retries of a replacement that another program's
    // open handle holds up.
    explicit Win32FileStore(Clock& clock) : m_clock(clock) {}

    std::string WindowsDirectory() override;
    std::optional<std::string> ReadFile(const std::string& path) override;
    // Creates the file only where none exists: an existing file that could
    // not be read must not be emptied.
    bool CreateEmptyFile(const std::string& path) override;
    bool WriteWholeFile(const std::string& path, const std::string& bytes) override;

  private:
    // Moves the replacement into the file's place, trying again for about
    // a second while another program holds the file.
    bool Replace(const std::string& replacement, const std::string& path);

    Clock& m_clock;
};
