#include "platform/code_page_win32.h"

#include <windows.h>

std::u16string Win32CodePage::ToUtf16(const std::string& text) const
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
    return std::u16string(wide.begin(), wide.end());
}

std::string Win32CodePage::FromUtf16(const std::u16string& text) const
{
    if (text.empty())
        return {};
    const std::wstring wide(text.begin(), text.end());
    const int size = static_cast<int>(wide.size());
    // No best fit: a character the code page lacks is "?", not a look-alike.
    // The UTF-8 code page shows every character and takes neither the flag
    // nor a replacement.
    const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const char* replacement = utf8 ? nullptr : "?";
    const int length =
        WideCharToMultiByte(CP_ACP, flags, wide.data(), size, nullptr, 0, replacement, nullptr);
    std::string narrow(length, '\0');
    WideCharToMultiByte(CP_ACP, flags, wide.data(), size, narrow.data(), length, replacement, nullptr);
    return narrow;
}
