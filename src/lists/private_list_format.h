#pragma once

#include <string>
#include <vector>

struct ServerEntry;

// The lines of a private list file as stored: each line without its
// newline, and without the carriage return before it, so that files with
// either line end read the same. A last line without newline counts; the
// empty text after a final newline does not. Lines have no length limit.
std::vector<std::string> SplitPrivateListLines(const std::string& text);

// One server from a line: the name runs up to the first space, the
// description is the rest without its leading white space. A line without
// a space is a name alone, its trailing white space dropped.
ServerEntry ParsePrivateListLine(const std::string& line);

// The line of one server, newline included: the name padded with spaces
// to 21 characters, or followed by one space when it is that long already,
// then the description.
std::string FormatPrivateListLine(const ServerEntry& entry);
