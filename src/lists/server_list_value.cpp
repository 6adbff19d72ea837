#include "lists/server_list_value.h"

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
