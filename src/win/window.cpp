#include "win/window.h"

namespace win {

// The length asked for first is never short, but may be long where the
// system leaves room for double-byte characters; the copy says how much
// text there is.
std::string Window::GetText() const
{
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(m_handle)) + 1, '\0');
    const int length = GetWindowTextA(m_handle, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

std::u16string Window::GetUtf16Text() const
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(m_handle)) + 1, L'\0');
    const int length = GetWindowTextW(m_handle, text.data(), static_cast<int>(text.size()));
    return std::u16string(text.begin(), text.begin() + length);
}

} // namespace win
