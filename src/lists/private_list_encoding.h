#pragma once

#include <string>

// How the bytes of a private list file hold its text. Notepad saves
// "Unicode" as UTF-16 with a byte order mark, and "UTF-8" with one or,
// since 2019, without.
enum class PrivateListEncoding { Ansi, Utf8, Utf16 };

struct PrivateListText {
    PrivateListEncoding encoding = PrivateListEncoding::Ansi;
    // The file begins with UTF-8's byte order mark, which a save keeps.
    bool utf8Mark = false;
    // The text without its byte order mark: 8-bit text, or UTF-8. UTF-16
    // text is turned into 8-bit text for showing: every character outside
    // ASCII becomes '?'.
    std::string text;
};

// A file is UTF-8 when its text is, and either has the mark or holds a
// byte above 127: a file of plain ASCII reads the same either way. Any
// other file is 8-bit text, with or without the mark.
PrivateListText DecodePrivateListFile(const std::string& bytes);

// The bytes that store the text of a file that Velnor writes (8-bit text
// or UTF-8): the mark it was read with, then the text as it is.
std::string EncodePrivateListFile(const PrivateListText& file);
