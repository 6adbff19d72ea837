#include "window_messages.h"

#include <cstdio>
#include <stdexcept>
#include <vector>

LRESULT SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD timeoutMs)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, timeoutMs, &result)) {
        char what[160];
        std::snprintf(what, sizeof what, "a %s window did not answer message 0x%04X within %lu ms",
                      ClassOf(window).c_str(), message, timeoutMs);
        throw std::runtime_error(what);
    }
    return static_cast<LRESULT>(result);
}

std::string TextOf(HWND window)
{
    const auto length = static_cast<std::size_t>(SendWithin(window, WM_GETTEXTLENGTH, 0, 0));
    std::vector<char> text(length + 1);
    const auto got = static_cast<std::size_t>(
        SendWithin(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    return std::string(text.data(), got < text.size() ? got : 0);
}

void SetTextOf(HWND window, const std::string& text)
{
    SendWithin(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string ClassOf(HWND window)
{
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}
