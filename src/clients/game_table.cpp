#include "clients/game_table.h"

#include <array>

namespace {

// Indexed by Game.
constexpr std::array<GameInstallation, 3> GAME_TABLE = {{
    {"Software\\Blizzard Entertainment\\Archives", "DiabloInstall", "\\Diablo.exe", false},
    {"Software\\Blizzard Entertainment\\Starcraft", "InstallPath", "\\Starcraft.exe", true},
    {"Software\\Blizzard Entertainment\\Warcraft II BNE", "InstallPath", "\\Warcraft II BNE.exe", false},
}};

} // namespace

const GameInstallation& GameInstallationOf(Game game)
{
    return GAME_TABLE.at(static_cast<std::size_t>(game));
}
