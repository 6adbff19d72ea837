#include "platform/shell_win32.h"

#include <windows.h>

#include <shellapi.h>

int Win32Shell::Execute(const std::string& verb, const std::string& file, const std::string& parameters,
                        const std::string& directory, int showCommand)
{
    HINSTANCE result = ShellExecuteA(nullptr, verb.c_str(), file.c_str(), parameters.c_str(),
                                     directory.empty() ? nullptr : directory.c_str(), showCommand);
    return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

int Win32Shell::StartCommandLine(const std::string& commandLine, int showCommand)
{
    return static_cast<int>(WinExec(commandLine.c_str(), showCommand));
}

void Win32Shell::RemoveFile(const std::string& path)
{
    DeleteFileA(path.c_str());
}
