#include "lists/server_list.h"

#include <algorithm>

bool CServerList::Add(const ServerEntry& entry)
{
    if (IsFull())
        return false;
    entries[count++] = entry;
    return true;
}

std::string HostKey(const std::string& host)
{
    std::string key = host;
    std::transform(key.begin(), key.end(), key.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return key;
}
