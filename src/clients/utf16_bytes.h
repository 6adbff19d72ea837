#pragma once

#include <string>

// The clients' multi-string values hold UTF-16LE, as the registry's wide
// functions read and write them.

// The UTF-16 units of multi-string data; an odd last byte is no unit and is
// left out.
std::u16string Utf16OfBytes(const std::string& data);
// The UTF-16LE bytes of the units.
std::string BytesOfUtf16(const std::u16string& text);
