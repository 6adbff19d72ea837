#include "platform/clock_win32.h"

#include <windows.h>

namespace {

// Runs the messages that other threads have sent to this thread's windows
// (PeekMessage delivers those itself) and the paint messages, until none
// is left or the time is up: a window that never validates its update
// region must not hold the sleeper past its time.
void RunSentAndPaintMessages(DWORD start, DWORD milliseconds)
{
    MSG message;
    while (GetTickCount() - start < milliseconds &&
           PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_SENDMESSAGE | PM_QS_PAINT))
        DispatchMessageA(&message);
}

} // namespace

std::uint32_t Win32Clock::TickCount()
{
    return GetTickCount();
}

void Win32Clock::Sleep(std::uint32_t milliseconds)
{
    ::Sleep(milliseconds);
}

void Win32WindowClock::Sleep(std::uint32_t milliseconds)
{
    const DWORD start = GetTickCount();
    for (DWORD elapsed = 0; elapsed < milliseconds; elapsed = GetTickCount() - start) {
        // Wakes for a message sent or a region to paint, or when the time is up.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_SENDMESSAGE | QS_PAINT);
        RunSentAndPaintMessages(start, milliseconds);
    }
}
