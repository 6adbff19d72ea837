#include "win/control.h"

namespace win {

// The length asked for first is never short, but may be long where the
// system leaves room for double-byte characters; the copy says how much
// text there is.
std::string GetText(HWND control)
{
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
    const int length = GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void SetText(HWND control, const std::string& text)
{
    SetWindowTextA(control, text.c_str());
}

} // namespace win
