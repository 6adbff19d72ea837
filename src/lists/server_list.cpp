#include "lists/server_list.h"

#include "platform/code_page.h"

bool CServerList::Add(const ServerEntry& entry)
{
    if (IsFull())
        return false;
    entries[count++] = entry;
    return true;
}

std::u16string StoredServerName(const ServerEntry& entry, const CodePage& codePage)
{
    return entry.serverNameUtf16.empty() ? codePage.ToUtf16(entry.serverName) : entry.serverNameUtf16;
}

std::u16string StoredDescription(const ServerEntry& entry, const CodePage& codePage)
{
    return entry.descriptionUtf16.empty() ? codePage.ToUtf16(entry.description) : entry.descriptionUtf16;
}
