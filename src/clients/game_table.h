#pragma once

// The games that Velnor starts.
enum class Game { Diablo, StarCraft, Warcraft2 };

// Where a game records its installation: string values of one key below
// HKEY_LOCAL_MACHINE.
struct GameInstallation {
    const char* key;
    const char* installDirectoryValue;
    // Appended to the install directory to name the executable.
    const char* executableFile;
    // StarCraft starts the path in "Program" instead while "Brood War"
    // holds any text, and reports that text when the launch fails.
    bool hasBroodWar;
};

const GameInstallation& GameInstallationOf(Game game);
