#pragma once

#include <string>

class CServerList;
struct ServerEntry;

// Why a server typed into the Add Server dialog cannot join the private
// list, or "" when it can. The file separates name and description by the
// first space and reads a line break as the end of a server, and a game is
// handed at most 127 characters of a name.
std::string CheckNewServer(const ServerEntry& server, const CServerList& list);
