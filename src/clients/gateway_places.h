#pragma once

#include <vector>

#include "clients/game_table.h"

// Where a client keeps its own gateway list, below HKEY_CURRENT_USER.
struct GatewayPlace {
    const char* key;
    const char* valueName;
};

// The lists that the game's clients read: StarCraft and the early Diablo
// and Warcraft II share one key; today's Diablo and Warcraft II each have
// their own as well. At each key the override list, which a client takes
// instead of the normal one when it is there, comes first.
std::vector<GatewayPlace> GatewayPlacesOf(Game game);
// Every list of every game, in the order the public list shows them: the
// shared key's, Diablo's, then Warcraft II's, each key's override first.
std::vector<GatewayPlace> AllGatewayPlaces();
