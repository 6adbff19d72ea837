#pragma once

class CodePage;
class CServerList;
class Registry;

// Every public server carries this description.
constexpr const char* PUBLIC_SERVER_DESCRIPTION = "Blizz Server";

// Appends the servers of the "Server List" value to the list, seeding the
// value with the default list when it holds no list: when there is no
// value, or a string value with no ';'. A value of another type, or one
// that cannot be read, is never overwritten; a multi-string shows the
// names of all its strings, read from the registry's UTF-16 through the
// code page. Names beyond what the list holds are left out; the value
// itself is never shortened.
void LoadPublicList(Registry& registry, const CodePage& codePage, CServerList& list);
