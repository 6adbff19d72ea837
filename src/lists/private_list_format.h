#pragma once

#include <string>
#include <vector>

struct ServerEntry;

// The characters that the file reads as white space.
inline constexpr const char* WHITE_SPACE = " \t\r\n\v\f";

// The lines of a private list file as stored, each without its end: a
// carriage return and newline together, or either alone, so that files of
// every system read the same. A last line without an end counts; the empty
// text after a final end does not. Lines have no length limit.
std::vector<std::string> SplitPrivateListLines(const std::string& text);

// One server from a line: the name runs up to the first space, the
// description is the rest without its leading white space. A line without
// a space is a name alone, its trailing white space dropped.
ServerEntry ParsePrivateListLine(const std::string& line);

// The line of one server, newline included: the name padded with spaces
// to 21 characters, or followed by one space when it is that long already,
// then the description.
std::string FormatPrivateListLine(const ServerEntry& entry);
