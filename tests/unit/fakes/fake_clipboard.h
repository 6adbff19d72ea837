#pragma once

#include <string>
#include <vector>

#include "platform/clipboard.h"

// Keeps every text copied, in order.
class FakeClipboard : public Clipboard {
  public:
    void CopyText(const std::string& text) override { copied.push_back(text); }
    std::vector<std::string> copied;
};
