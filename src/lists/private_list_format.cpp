#include "lists/private_list_format.h"

#include "lists/server_list.h"

namespace {

// The name field's width, so that descriptions line up in the file.
constexpr std::string::size_type NAME_FIELD_WIDTH = 21;

} // namespace

std::vector<std::string> SplitPrivateListLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    while (start < text.size()) {
        std::string::size_type end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        else
            end += text.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

ServerEntry ParsePrivateListLine(const std::string& storedLine)
{
    const std::string line = storedLine.substr(0, storedLine.find_first_of("\r\n"));
    std::string::size_type separator = line.find(' ');
    if (separator == std::string::npos) {
        std::string::size_type last = line.find_last_not_of(WHITE_SPACE);
        return {line.substr(0, last == std::string::npos ? 0 : last + 1), "", 0};
    }
    std::string::size_type description = line.find_first_not_of(WHITE_SPACE, separator);
    return {line.substr(0, separator), description == std::string::npos ? "" : line.substr(description), 0};
}

std::string FormatPrivateListLine(const ServerEntry& entry)
{
    std::string line = entry.serverName;
    if (line.size() < NAME_FIELD_WIDTH)
        line.append(NAME_FIELD_WIDTH - line.size(), ' ');
    else
        line += ' ';
    return line + entry.description + "\r\n";
}
