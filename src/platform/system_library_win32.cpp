#include "platform/system_library_win32.h"

#include <string>

namespace {

// LOAD_LIBRARY_SEARCH_SYSTEM32, which the headers of older systems lack.
constexpr DWORD SEARCH_SYSTEM32 = 0x00000800;

using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
using SetDllDirectoryFn = BOOL(WINAPI*)(LPCSTR);

// Looked up at run time: systems before the 2011 loader update lack the
// first two, and the oldest the last.
template <typename Function> Function Kernel32Function(const char* name)
{
    return LibraryFunction<Function>(GetModuleHandleA("KERNEL32.DLL"), name);
}

// The loader knows the LOAD_LIBRARY_SEARCH_ flags exactly where it has
// AddDllDirectory.
bool SearchFlagsKnown()
{
    return Kernel32Function<FARPROC>("AddDllDirectory") != nullptr;
}

} // namespace

void RestrictDllSearchToSystem()
{
    if (auto setDefault = Kernel32Function<SetDefaultDllDirectoriesFn>("SetDefaultDllDirectories"))
        setDefault(SEARCH_SYSTEM32);
    if (auto setDirectory = Kernel32Function<SetDllDirectoryFn>("SetDllDirectoryA"))
        setDirectory("");
}

HMODULE LoadSystemLibrary(const char* fileName)
{
    if (SearchFlagsKnown())
        return LoadLibraryExA(fileName, nullptr, SEARCH_SYSTEM32);
    char directory[MAX_PATH] = "";
    const UINT length = GetSystemDirectoryA(directory, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    return LoadLibraryA((std::string(directory) + "\\" + fileName).c_str());
}

HMODULE LoadFirstSystemLibrary(std::initializer_list<const char*> fileNames)
{
    for (const char* fileName : fileNames) {
        if (HMODULE library = LoadSystemLibrary(fileName))
            return library;
    }
    return nullptr;
}
