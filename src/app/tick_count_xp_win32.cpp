#include <windows.h>

#include "platform/system_library_win32.h"

// The C++ run-time's thread library measures its timed waits with
// GetTickCount64, which Windows XP's kernel32 lacks: imported from there,
// it would keep the program from starting on XP at all. This is the import
// slot that the library calls through, filled here instead of by the
// loader: with kernel32's own function where the system has one, and else
// with the performance counter in milliseconds, which is how that library
// measures its waits when built for XP.

namespace {

using TickCount64Fn = ULONGLONG(WINAPI*)();

ULONGLONG CounterMilliseconds()
{
    LARGE_INTEGER counter;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    // In two steps, so that a counter of many days cannot overflow.
    const LONGLONG seconds = counter.QuadPart / frequency.QuadPart;
    const LONGLONG rest = counter.QuadPart % frequency.QuadPart;
    return static_cast<ULONGLONG>(seconds * 1000 + rest * 1000 / frequency.QuadPart);
}

// Looked up on every call, without a static that would need the thread
// library's own guard.
ULONGLONG WINAPI TickCount64()
{
    const auto system = LibraryFunction<TickCount64Fn>(GetModuleHandleA("KERNEL32.DLL"), "GetTickCount64");
    return system ? system() : CounterMilliseconds();
}

} // namespace

extern "C" {
// The name under which the 32-bit import of GetTickCount64 is linked.
extern const TickCount64Fn importedTickCount64 __asm__("__imp__GetTickCount64@0");
const TickCount64Fn importedTickCount64 = TickCount64;
}
