#pragma once

class CServerList;
class Registry;

// Appends the servers of the "Server List" value to the list, seeding the
// value with the default list when it holds no list.
void LoadPublicList(Registry& registry, CServerList& list);
