#pragma once

#include <string>

// How the bytes of a private list file hold its text. Notepad saves
// "UTF-8" with a byte order mark and "Unicode" as UTF-16 with one.
enum class PrivateListEncoding { Ansi, Utf8WithMark, Utf16 };

struct PrivateListText {
    PrivateListEncoding encoding = PrivateListEncoding::Ansi;
    // The text without its byte order mark. UTF-16 text is turned into
    // 8-bit text for showing: every character outside ASCII becomes '?'.
    std::string text;
};

PrivateListText DecodePrivateListFile(const std::string& bytes);

// The bytes that store the text in an encoding Velnor writes (ANSI, or
// UTF-8 with its mark): the mark, then the text as it is.
std::string EncodePrivateListFile(PrivateListEncoding encoding, const std::string& text);
