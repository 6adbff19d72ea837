#pragma once

#include <string>

#include "platform/code_page.h"

// Latin-1 as the system's code page: each byte is the character of that
// number, and a character beyond 255 is "?".
class FakeCodePage : public CodePage {
  public:
    std::u16string ToUtf16(const std::string& text) const override
    {
        std::u16string wide;
        for (const char c : text)
            wide += static_cast<char16_t>(static_cast<unsigned char>(c));
        return wide;
    }
    std::string FromUtf16(const std::u16string& text) const override
    {
        std::string narrow;
        for (const char16_t unit : text)
            narrow += unit <= 0xFF ? static_cast<char>(unit) : '?';
        return narrow;
    }
};
