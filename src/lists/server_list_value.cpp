#include "lists/server_list_value.h"

#include <utility>

std::vector<std::string> SplitServerList(const std::string& value)
{
    std::vector<std::string> names;
    std::string::size_type start = 0;
    std::string::size_type separator = value.find(';');
    if (separator != std::string::npos) {
        do {
            names.push_back(value.substr(start, separator - start));
            start = separator + 1;
            separator = value.find(';', start);
        } while (separator != std::string::npos && separator > start);
    }
    names.push_back(value.substr(start));
    return names;
}

std::vector<std::string> SplitServerListStrings(const std::string& data)
{
    std::vector<std::string> names;
    std::string::size_type start = 0;
    while (start < data.size() && data[start] != '\0') {
        std::string::size_type end = data.find('\0', start);
        if (end == std::string::npos)
            end = data.size();
        for (std::string& name : SplitServerList(data.substr(start, end - start)))
            names.push_back(std::move(name));
        start = end + 1;
    }
    return names.empty() ? SplitServerList("") : names;
}
