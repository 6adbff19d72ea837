#pragma once

#include <string>
#include <vector>

struct ServerEntry;

// The characters that the file reads as white space.
inline constexpr const char* WHITE_SPACE = " \t\r\n\v\f";

// The lines of a private list file as stored, each with its end: a
// carriage return and newline together, or either alone, so that files of
// every system read the same. A last line without an end counts; the empty
// text after a final end does not. Lines have no length limit, and joined
// they give the text back.
std::vector<std::string> SplitPrivateListLines(const std::string& text);

// One server from a line, its end dropped: the name runs up to the first
// space, the description is the rest without its leading white space. A
// line without a space is a name alone, its trailing white space dropped.
ServerEntry ParsePrivateListLine(const std::string& line);

// The line of one server, ended by a carriage return and newline: the name
// padded with spaces to 21 characters, or followed by one space when it is
// that long already, then the description.
std::string FormatPrivateListLine(const ServerEntry& entry);
