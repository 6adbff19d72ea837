#pragma once

#include <string>
#include <vector>

#include "clients/game_table.h"
#include "clients/gateway_list.h"
#include "platform/registry.h"

// Selects the gateway in each of the game's lists that exists, adding it
// last where its host is not listed; one write per changed list, in the
// type it had. A list that is missing is not made. Answers, for each list
// left as it was, one line that names it and says why.
std::vector<std::string> PointGatewayLists(Game game, const Gateway& gateway, Registry& registry);

// Writes the server into the per-user "Server List" that older clients
// read before the machine's, where that value is a string; never makes it.
// Answers, when a value is there but was left as it was, one line that
// names it and says why.
std::vector<std::string> PointUserServerList(const std::string& server, Registry& registry);

// The line that names a value left as it was, and why.
std::string LeftValueLine(RegistryRoot root, const std::string& key, const std::string& valueName,
                          const std::string& reason);

// For a server whose host the code page cannot hold, which the 8-bit
// "Server List" values would only get with "?" in it: one line that names
// the machine's value, and one for the per-user value where it is there.
std::vector<std::string> ServerListsLeftForHost(Registry& registry);

// The message that tells the user which values were left, from those lines.
std::string LeftValuesText(const std::vector<std::string>& lines);
