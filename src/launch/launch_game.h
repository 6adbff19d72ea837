#pragma once

#include <string>
#include <vector>

#include "answer/answer.h"
#include "clients/game_table.h"
#include "lists/server_list.h"

class CodePage;
class Registry;
class Shell;
class TimeZone;

// The texts of one launch, as the game's registry values give them.
struct GamePaths {
    std::string broodWar;
    std::string installDirectory;
    std::string executable;
};

// Reads the game's installation from its registry values; a missing value
// reads as "", so a game that is not installed gives bare file names.
GamePaths ReadGamePaths(Registry& registry, const GameInstallation& game);

// Finds the game's installation, then points the game clients at the
// server alone, in "Server List" and in the per-user one where it is
// there, deletes the clients' cache when asked to, points the game's own
// gateway lists at the server, and starts the game in its install
// directory. Without a server name it only asks for one; a game that is
// not installed is reported as a failed start is, and nothing is changed
// for it; a failed start is reported line by line and undoes nothing.
// Values that were left as they were are named in the warning, to be
// shown once the game runs so that it does not hold up its start. The
// gateway lists are matched and written with the server's texts as its
// source stored them; a host that the code page cannot hold is not
// written into the 8-bit "Server List" values.
[[nodiscard]] Answer LaunchGame(Game game, const ServerEntry& server, bool deleteCache, Registry& registry,
                                Shell& shell, TimeZone& timeZone, const CodePage& codePage);
