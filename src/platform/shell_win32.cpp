#include "platform/shell_win32.h"

#include <windows.h>

#include <shellapi.h>

#include "platform/system_library_win32.h"

namespace {

using ShellExecuteProc = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);

// The shell's library takes longer to load than the rest of the program
// takes to show its window, so it is loaded only when first needed, and
// kept: what it starts may still use it after the call.
ShellExecuteProc ShellExecuteFunction()
{
    static const ShellExecuteProc execute = [] {
        HMODULE shell = LoadSystemLibrary("SHELL32.DLL");
        return shell ? LibraryFunction<ShellExecuteProc>(shell, "ShellExecuteA") : nullptr;
    }();
    return execute;
}

} // namespace

int Win32Shell::Execute(const std::string& verb, const std::string& file, const std::string& parameters,
                        const std::string& directory, int showCommand)
{
    ShellExecuteProc execute = ShellExecuteFunction();
    if (!execute)
        return SE_ERR_DLLNOTFOUND;
    HINSTANCE result = execute(nullptr, verb.c_str(), file.c_str(), parameters.c_str(),
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
