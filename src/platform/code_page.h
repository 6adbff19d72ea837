#pragma once

#include <string>

// The system's code page, in which the program's own 8-bit text is written
// and shown, against the UTF-16 that the registry keeps for itself.
class CodePage {
  public:
    virtual ~CodePage() = default;
    virtual std::u16string ToUtf16(const std::string& text) const = 0;
    // A character that the code page cannot show becomes "?".
    virtual std::string FromUtf16(const std::u16string& text) const = 0;

    // Whether the 8-bit text gives back every character of the text: none
    // became "?" or a look-alike.
    bool Holds(const std::u16string& text) const { return ToUtf16(FromUtf16(text)) == text; }
};
