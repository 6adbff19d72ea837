#pragma once

#include <windows.h>

#include <string>

// Talking to the windows of another process without ever hanging: while
// Velnor pings, its window thread dispatches nothing, so every message
// that waits for an answer waits a bounded time.

// The default wait for a window that is not busy.
constexpr DWORD ANSWER_TIMEOUT_MS = 10000;

// Sends the message and returns its result; throws std::runtime_error when
// no answer comes within the timeout.
LRESULT SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                   DWORD timeoutMs = ANSWER_TIMEOUT_MS);

// The text of any window, a control of another process included.
std::string TextOf(HWND window);
void SetTextOf(HWND window, const std::string& text);
std::string ClassOf(HWND window);

// Polls the condition until it holds or the time is up; answers whether
// it held.
template <typename Condition> bool PollUntil(Condition condition, DWORD timeoutMs, DWORD intervalMs = 20)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(intervalMs);
    }
}
