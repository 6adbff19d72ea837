#pragma once

#include <optional>
#include <string>

// The UTF-16 of UTF-8 bytes; nothing when they are not UTF-8 as the
// standard allows it (no overlong form, no surrogate, nothing beyond
// U+10FFFF, no sequence cut short).
std::optional<std::u16string> DecodeUtf8(const std::string& bytes);

// The UTF-8 of UTF-16 text; half a surrogate pair, which UTF-8 cannot
// hold, becomes U+FFFD.
std::string EncodeUtf8(const std::u16string& text);

bool IsAscii(const std::string& text);
