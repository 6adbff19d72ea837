#pragma once

#include <string>

// The system's clipboard, for text.
class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // Puts the text on the clipboard in place of what it held; nothing
    // changes when another program holds the clipboard open.
    virtual void CopyText(const std::string& text) = 0;
};
