// The real velnor.exe, driven through its windows as a person would use it:
// the typical use from the first start to the next one, then a start at
// 144 DPI. The machine is a fresh Wine prefix whose "Server List" holds
// test addresses only.
//
// Usage: velnor_e2e_walk VELNOR_EXE STANDIN_GAME_EXE SCREENSHOT_FOLDER|-
//                        [DELAYED_HOST SILENT_HOST PORT_ONLY_HOST ANSWERING_HOST]
// The hosts are the namespace fixture's: one answers echo after 20 ms, one
// never answers, one takes connections on the game port but ignores echo,
// one answers both. Without them the checks that need them are skipped.

#include <windows.h>

#include <cstdio>
#include <exception>
#include <sstream>
#include <stdexcept>

#include "machine_state.h"
#include "walk.h"

namespace {

const char* const STARCRAFT_KEY = "Software\\Blizzard Entertainment\\Starcraft";
const char* const STANDIN_RECORD_VARIABLE = "VELNOR_STANDIN_RECORD";

std::optional<WalkSetup> ParseArguments(int argc, char** argv)
{
    if (argc != 4 && argc != 8)
        return std::nullopt;
    WalkSetup setup{argv[1], argv[2], argv[3] == std::string("-") ? "" : argv[3], std::nullopt};
    if (argc == 8)
        setup.fixture = FixtureHosts{argv[4], argv[5], argv[6], argv[7]};
    return setup;
}

// Only loopback and the fixture's own range may ever be listed: the walk
// refuses any other seed rather than risk showing it to "Ping". And it must
// be a list, which Velnor keeps, not one name, which it replaces.
bool IsTestServerList(const std::string& serverList)
{
    std::istringstream names(serverList);
    for (std::string name; std::getline(names, name, ';');)
        if (!IsTestAddress(name))
            return false;
    return serverList.find(';') != std::string::npos;
}

// StarCraft as its installer would leave it, with the stand-in game as
// "Starcraft.exe" and a cache file beside it. The stand-in writes its
// record where the variable, inherited through Velnor, tells it.
GameInstall InstallStarCraft(const WalkSetup& setup)
{
    char windows[MAX_PATH] = "";
    GetWindowsDirectoryA(windows, sizeof windows);
    const std::string games = std::string(windows, 2) + "\\Games";
    GameInstall game{games + "\\StarCraft", games + "\\StarCraft\\BNCACHE.DAT", games + "\\standin.record"};
    CreateDirectoryA(games.c_str(), nullptr);
    CreateDirectoryA(game.directory.c_str(), nullptr);
    if (!CopyFileA(setup.standinGame.c_str(), (game.directory + "\\Starcraft.exe").c_str(), FALSE))
        throw std::runtime_error("cannot copy the stand-in game from " + setup.standinGame);
    WriteWholeFile(game.cacheFile, "cache");
    WriteMachineString(STARCRAFT_KEY, "InstallPath", game.directory);
    SetEnvironmentVariableA(STANDIN_RECORD_VARIABLE, game.standinRecord.c_str());
    return game;
}

void RunWalk(const WalkSetup& setup, WalkReport& report)
{
    const std::string seed = ReadMachineString(CONFIGURATION_KEY, SERVER_LIST_VALUE).value_or("");
    if (!IsTestServerList(seed))
        throw std::runtime_error(
            "\"Server List\" must be seeded with loopback and fixture addresses, not \"" + seed + "\"");
    if (ReadUserMultiString(GATEWAYS_KEY, GATEWAYS_VALUE) != MultiString(SEEDED_GATEWAYS) ||
        ReadUserMultiString(GATEWAYS_KEY, OVERRIDE_GATEWAYS_VALUE) != MultiString(SEEDED_OVERRIDE_GATEWAYS))
        throw std::runtime_error("StarCraft's gateway lists must be seeded as run-walk.sh does");
    Walk walk{setup, report, Screenshots(setup.screenshotFolder), InstallStarCraft(setup), seed, {}, {}};
    WalkFirstRun(walk);
    WalkSecondRun(walk);
    WalkAtHighDpi(walk);
}

} // namespace

int main(int argc, char** argv)
{
    std::optional<WalkSetup> setup = ParseArguments(argc, argv);
    if (!setup) {
        std::fprintf(stderr, "usage: velnor_e2e_walk VELNOR_EXE STANDIN_GAME_EXE SCREENSHOT_FOLDER|- "
                             "[DELAYED_HOST SILENT_HOST PORT_ONLY_HOST ANSWERING_HOST]\n");
        return 2;
    }
    WalkReport report;
    try {
        RunWalk(*setup, report);
    } catch (const std::exception& error) {
        report.Fail(std::string("the walk stopped: ") + error.what());
    }
    std::printf("\n%d checks passed, %d failed, %d skipped\n", report.Passes(), report.Failures(),
                report.Skips());
    return report.Failures() == 0 ? 0 : 1;
}
