#pragma once

#include "platform/shell.h"

// The Windows shell: ShellExecuteA, WinExec and DeleteFileA.
class Win32Shell : public Shell {
  public:
    int Execute(const std::string& verb, const std::string& file, const std::string& parameters,
                const std::string& directory, int showCommand) override;
    int StartCommandLine(const std::string& commandLine, int showCommand) override;
    void RemoveFile(const std::string& path) override;
};
