#pragma once

#include <string>

// Show commands passed to the shell, as Windows numbers them.
constexpr int SHOW_HIDE = 0;
constexpr int SHOW_SHOW = 5;

// Whether a result of Execute or StartCommandLine means success: the
// shell's error codes run from 0 to 32.
constexpr bool ShellSucceeded(int result)
{
    return result > 32;
}

// Starting programs and documents, and deleting files.
class Shell {
  public:
    virtual ~Shell() = default;
    // Performs a verb on a file or address; above 32 means success, 0 to 32
    // is the shell's error code. An empty directory means none.
    virtual int Execute(const std::string& verb, const std::string& file, const std::string& parameters,
                        const std::string& directory, int showCommand) = 0;
    // Starts a command line; above 32 means started, else an error code.
    virtual int StartCommandLine(const std::string& commandLine, int showCommand) = 0;
    // Deletes a file; a missing file is no error and nothing is reported.
    virtual void RemoveFile(const std::string& path) = 0;
};
