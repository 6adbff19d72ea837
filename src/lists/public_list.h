#pragma once

class CServerList;
class Registry;

// Every public server carries this description.
constexpr const char* PUBLIC_SERVER_DESCRIPTION = "Blizz Server";

// Appends the servers of the "Server List" value to the list, seeding the
// value with the default list when it holds no list. Names beyond what
// the list holds are left out; the value itself is never shortened.
void LoadPublicList(Registry& registry, CServerList& list);
