#pragma once

#include <string>

#include "launch/game_table.h"

class Registry;
class Shell;
class User;

// The texts of one launch, as the game's registry values give them.
struct GamePaths {
    std::string broodWar;
    std::string installDirectory;
    std::string executable;
};

// Reads the game's installation from its registry values; a missing value
// reads as "", so a game that is not installed gives bare file names.
GamePaths ReadGamePaths(Registry& registry, const GameInstallation& game);

// Points the game clients at the server alone, deletes the clients' cache
// when the user asks for it, and starts the game in its install directory.
// Without a server only asks the user to select one; a failed start is
// reported box by box and undoes nothing.
void LaunchGame(Game game, const std::string& server, Registry& registry, Shell& shell, User& user);
