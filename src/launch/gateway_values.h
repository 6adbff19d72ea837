#pragma once

#include <string>
#include <vector>

#include "launch/game_table.h"
#include "launch/gateway_list.h"
#include "platform/registry.h"

class CodePage;

// Where a client keeps its own gateway list, below HKEY_CURRENT_USER.
struct GatewayValue {
    const char* key;
    const char* valueName;
};

// The lists that the game's clients read: StarCraft and the early Diablo
// and Warcraft II share one key; today's Diablo and Warcraft II each have
// their own as well. At each key the override list, which a client takes
// instead of the normal one when it is there, comes first.
std::vector<GatewayValue> GatewayValuesOf(Game game);
// Every list of every game, in the order the public list shows them: the
// shared key's, Diablo's, then Warcraft II's, each key's override first.
std::vector<GatewayValue> AllGatewayValues();

// Selects the gateway in each of the game's lists that exists, adding it
// last where its host is not listed; one write per changed list, in the
// type it had. A list that is missing is not made. The gateway is given in
// the code page and added in UTF-16. Answers, for each list left as it was,
// one line that names it and says why.
std::vector<std::string> PointGatewayLists(Game game, const Gateway& gateway, Registry& registry,
                                           const CodePage& codePage);

// Writes the server into the per-user "Server List" that older clients
// read before the machine's, where that value is a string; never makes it.
// Answers, when a value is there but was left as it was, one line that
// names it and says why.
std::vector<std::string> PointUserServerList(const std::string& server, Registry& registry);

// The line that names a value left as it was, and why.
std::string LeftValueLine(RegistryRoot root, const std::string& key, const std::string& valueName,
                          const std::string& reason);
// The message that tells the user which values were left, from those lines.
std::string LeftValuesText(const std::vector<std::string>& lines);
