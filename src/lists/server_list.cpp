#include "lists/server_list.h"

bool CServerList::Add(const ServerEntry& entry)
{
    if (IsFull())
        return false;
    entries[count++] = entry;
    return true;
}
