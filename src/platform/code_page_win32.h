#pragma once

#include "platform/code_page.h"

// MultiByteToWideChar and WideCharToMultiByte, in the system's ANSI code
// page (CP_ACP), the one that the ...A functions use.
class Win32CodePage : public CodePage {
  public:
    std::u16string ToUtf16(const std::string& text) const override;
    std::string FromUtf16(const std::u16string& text) const override;
};
