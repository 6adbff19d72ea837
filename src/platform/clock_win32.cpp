#include "platform/clock_win32.h"

#include <windows.h>

std::uint32_t Win32Clock::TickCount()
{
    return GetTickCount();
}

void Win32Clock::Sleep(std::uint32_t milliseconds)
{
    ::Sleep(milliseconds);
}
