#pragma once

class CodePage;
class CServerList;
class Registry;

// Every server of "Server List" carries this description in the public list.
constexpr const char* PUBLIC_SERVER_DESCRIPTION = "Blizz Server";

// Appends the servers of the "Server List" value to the list, seeding the
// value with the default list when it holds no list: when there is no
// value, or a string value with no ';'. A value of another type, or one
// that cannot be read, is never overwritten; a multi-string shows the
// names of all its strings, read from the registry's UTF-16 through the
// code page. Names beyond what the list holds are left out; the value
// itself is never shortened.
//
// A value that still holds the server that a launch wrote gets back
// instead the list that the launch replaced, where one was kept; so does
// the per-user "Server List", which is never seeded.
//
// Then, since today's clients read their own gateway lists instead,
// appends the gateways of those lists whose host is not listed yet
// (ignoring the case of ASCII letters), each described by its name: the
// shared list's, then Diablo's, then Warcraft II's, each key's override
// list first. Each shows through the code page and keeps its host and
// name in UTF-16 as its list stored them. A list that is not a
// REG_MULTI_SZ in the clients' layout adds nothing. None of this is
// written anywhere.
void LoadPublicList(Registry& registry, const CodePage& codePage, CServerList& list);
