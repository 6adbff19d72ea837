#pragma once

#include <string>
#include <vector>

#include "launch/game_table.h"
#include "launch/gateway_list.h"

class CodePage;
class Registry;

// Where a client keeps its own gateway list, below HKEY_CURRENT_USER.
struct GatewayValue {
    const char* key;
    const char* valueName;
};

// The lists that the game's clients read: StarCraft and the early Diablo
// and Warcraft II share one; today's Diablo and Warcraft II each have their
// own as well.
std::vector<GatewayValue> GatewayValuesOf(Game game);

// Selects the gateway in each of the game's lists that exists, adding it
// last where its host is not listed; one write per changed list, in the
// type it had. A list that is missing is not made. The gateway is given in
// the code page and added in UTF-16. Answers, for each list left as it was,
// one line that names it and says why.
std::vector<std::string> PointGatewayLists(Game game, const Gateway& gateway, Registry& registry,
                                           const CodePage& codePage);

// The message that tells the user which lists were left, from those lines.
std::string LeftGatewayListsText(const std::vector<std::string>& lines);
