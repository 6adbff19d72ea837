#include "ui/window_queue_win32.h"

#include <windows.h>

std::uint32_t Win32WindowQueue::TickCount()
{
    return GetTickCount();
}

void Win32WindowQueue::AnswerSentAndPaint(std::uint32_t milliseconds)
{
    const DWORD start = GetTickCount();
    // Also for a region to paint that a look into the queue has seen
    // already: without MWMO_INPUTAVAILABLE the wait would sleep past it.
    MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds, QS_SENDMESSAGE | QS_PAINT, MWMO_INPUTAVAILABLE);
    // PeekMessage runs the sent messages itself. A window that never
    // validates its update region must not hold the wait past its time.
    MSG message;
    while (GetTickCount() - start < milliseconds &&
           PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_SENDMESSAGE | PM_QS_PAINT))
        DispatchMessageA(&message);
}

void Win32WindowQueue::Peek()
{
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
}
