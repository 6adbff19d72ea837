#include "launch/launch_game.h"

#include <utility>

#include "clients/gateway_list.h"
#include "launch/gateway_values.h"
#include "launch/launch_server_list.h"
#include "platform/code_page.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/time_zone.h"
#include "res/maintainer.h"

namespace {

const char* const CACHE_FILE = "\\BNCACHE.DAT";
const char* const OPEN_VERB = "Open";

std::vector<std::string> FailureReport(const GameInstallation& game, const GamePaths& paths)
{
    std::vector<std::string> lines = {std::string("An error has occured -- email the following to ") +
                                      MAINTAINER_EMAIL};
    if (game.hasBroodWar)
        lines.push_back("Brood War:  " + paths.broodWar);
    lines.push_back("InstallPath:  " + paths.installDirectory);
    lines.push_back("Program:  " + paths.executable);
    return lines;
}

// The values name an install directory and a program to start in it.
bool IsInstalled(const GamePaths& paths)
{
    return !paths.installDirectory.empty() && !paths.executable.empty();
}

// The server as a gateway of the clients' own lists, as its source stored
// it: listed under its description, or its name when it has none.
Gateway GatewayOf(const ServerEntry& server, TimeZone& timeZone, const CodePage& codePage)
{
    const std::u16string host = StoredServerName(server, codePage);
    const std::u16string description = StoredDescription(server, codePage);
    return {host, codePage.ToUtf16(std::to_string(GatewayTimeZone(timeZone.BiasMinutes()))),
            description.empty() ? host : description};
}

} // namespace

GamePaths ReadGamePaths(Registry& registry, const GameInstallation& game)
{
    const RegistryRoot root = RegistryRoot::LocalMachine;
    GamePaths paths;
    if (game.hasBroodWar)
        paths.broodWar = registry.GetRegistryString(root, game.key, "Brood War");
    paths.installDirectory = registry.GetRegistryString(root, game.key, game.installDirectoryValue);
    if (paths.broodWar.empty())
        paths.executable = paths.installDirectory + game.executableFile;
    else
        paths.executable = registry.GetRegistryString(root, game.key, "Program");
    return paths;
}

Answer LaunchGame(Game game, const ServerEntry& server, bool deleteCache, Registry& registry, Shell& shell,
                  TimeZone& timeZone, const CodePage& codePage)
{
    if (server.serverName.empty())
        return {{"Select a server first"}, ""};
    const GameInstallation& installation = GameInstallationOf(game);
    const GamePaths paths = ReadGamePaths(registry, installation);
    // A game that is not installed cannot start: nothing is changed for it.
    if (!IsInstalled(paths))
        return {FailureReport(installation, paths), ""};

    // The 8-bit "Server List" values would only get the host with "?" in it.
    std::vector<std::string> leftLists;
    if (codePage.Holds(server.serverNameUtf16)) {
        leftLists = PointMachineServerList(server.serverName, registry);
        for (std::string& line : PointUserServerList(server.serverName, registry))
            leftLists.push_back(std::move(line));
    } else {
        leftLists = ServerListsLeftForHost(registry);
    }
    if (deleteCache)
        shell.RemoveFile(paths.installDirectory + CACHE_FILE);
    for (std::string& line : PointGatewayLists(game, GatewayOf(server, timeZone, codePage), registry))
        leftLists.push_back(std::move(line));

    Answer report;
    const int result = shell.Execute(OPEN_VERB, paths.executable, "", paths.installDirectory, SHOW_HIDE);
    if (!ShellSucceeded(result))
        report.messages = FailureReport(installation, paths);
    if (!leftLists.empty())
        report.warning = LeftValuesText(leftLists);
    return report;
}
