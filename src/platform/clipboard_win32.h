#pragma once

#include "platform/clipboard.h"

// The Windows clipboard, as 8-bit text (CF_TEXT).
class Win32Clipboard : public Clipboard {
  public:
    void CopyText(const std::string& text) override;
};
