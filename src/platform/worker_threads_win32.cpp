#include "platform/worker_threads_win32.h"

#include <windows.h>

#include <memory>
#include <new>

namespace {

// A probe needs little beyond its 4 KiB echo reply buffer and the system's
// resolver and socket calls beneath it. The program's default of 2 MiB per
// thread would take 200 MiB of a 32-bit address space for a full list.
constexpr SIZE_T PROBE_STACK_RESERVATION = 256 * 1024;

struct ThreadStart {
    ThreadProc proc;
    void* parameter;
};

DWORD WINAPI ThreadEntry(LPVOID parameter)
{
    std::unique_ptr<ThreadStart> start(static_cast<ThreadStart*>(parameter));
    try {
        return start->proc(start->parameter);
    } catch (...) {
        return static_cast<DWORD>(-1);
    }
}

} // namespace

bool Win32WorkerThreads::StartThread(ThreadProc proc, void* parameter)
{
    std::unique_ptr<ThreadStart> start(new (std::nothrow) ThreadStart{proc, parameter});
    if (!start)
        return false;
    HANDLE thread = CreateThread(nullptr, PROBE_STACK_RESERVATION, ThreadEntry, start.get(),
                                 STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
    if (thread == nullptr)
        return false;
    start.release();
    // Nobody waits for the thread: it ends by itself.
    CloseHandle(thread);
    return true;
}
