#pragma once

#include <string>
#include <vector>

#include "answer/answer.h"
#include "clients/game_table.h"

class CodePage;
class Registry;
class Shell;
class TimeZone;

// The server that the user selected: its name and description.
struct LaunchServer {
    std::string name;
    std::string description;
};

// The texts of one launch, as the game's registry values give them.
struct GamePaths {
    std::string broodWar;
    std::string installDirectory;
    std::string executable;
};

// Reads the game's installation from its registry values; a missing value
// reads as "", so a game that is not installed gives bare file names.
GamePaths ReadGamePaths(Registry& registry, const GameInstallation& game);

// Points the game clients at the server alone, in "Server List" and in
// the per-user one where it is there, deletes the clients' cache when
// asked to, points the game's own gateway lists at the server, and starts
// the game in its install directory. Without a server it only asks for
// one; a failed start is reported line by line and undoes nothing. Values
// that were left as they were are named in the warning, to be shown once
// the game runs so that it does not hold up its start. A gateway that a
// list gains is written from the server's text through the code page.
[[nodiscard]] Answer LaunchGame(Game game, const LaunchServer& server, bool deleteCache, Registry& registry,
                                Shell& shell, TimeZone& timeZone, const CodePage& codePage);
