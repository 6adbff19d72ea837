#include <windows.h>

#include <string>

// Stands in for a file named ICMP.DLL that landed beside the program. If
// it is ever loaded, it leaves a mark beside itself for the test to find.
BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID)
{
    if (reason != DLL_PROCESS_ATTACH)
        return TRUE;
    char path[MAX_PATH] = "";
    GetModuleFileNameA(module, path, MAX_PATH);
    HANDLE mark = CreateFileA((std::string(path) + ".loaded").c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (mark != INVALID_HANDLE_VALUE)
        CloseHandle(mark);
    return TRUE;
}
