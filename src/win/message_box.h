#pragma once

#include <windows.h>

#include <string>

namespace win {

// A modal message box with the application's name as its caption.
inline int ShowMessageBox(HWND owner, const std::string& text, UINT style)
{
    return MessageBoxA(owner, text.c_str(), "Velnor", style);
}

} // namespace win
