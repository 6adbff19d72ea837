#pragma once

#include <windows.h>

#include <string>

namespace win {

// A control's text, of any length.
std::string GetText(HWND control);
void SetText(HWND control, const std::string& text);

inline void Enable(HWND control, bool enabled)
{
    EnableWindow(control, enabled ? TRUE : FALSE);
}

// A check box or radio button; an indeterminate one counts as not checked.
inline bool IsChecked(HWND button)
{
    return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

} // namespace win
