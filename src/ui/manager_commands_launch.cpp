#include "launch/launch_game.h"
#include "ui/manager_commands.h"
#include "ui/server_view.h"
#include "ui/show_answer.h"
#include "ui/user.h"

namespace {

// The selected server as the view shows its name and description, the
// name as long as a game takes it, with the texts its source stored; no
// name when no row is selected.
ServerEntry ToLaunch(const std::optional<ServerEntry>& server)
{
    if (!server)
        return {};
    ServerEntry shown = *server;
    shown.serverName = ShownCellText(server->serverName).substr(0, SERVER_NAME_LIMIT);
    shown.description = ShownCellText(server->description);
    return shown;
}

void Launch(Game game, const std::optional<ServerEntry>& server, const CommandSeams& seams)
{
    ShowAnswer(seams.user, LaunchGame(game, ToLaunch(server), seams.user.IsDeleteCacheChecked(),
                                      seams.registry, seams.shell, seams.timeZone, seams.codePage));
}

} // namespace

// The private list is saved on every press, selection or not, so that the
// user's edits are on disk before a game takes over.
void ManagerCommands::OnStarCraft()
{
    SavePrivateListIfCurrent();
    Launch(Game::StarCraft, SelectedServer(), m_seams);
}

void ManagerCommands::OnDiablo()
{
    SavePrivateListIfCurrent();
    Launch(Game::Diablo, SelectedServer(), m_seams);
}

void ManagerCommands::OnWarcraft2()
{
    SavePrivateListIfCurrent();
    Launch(Game::Warcraft2, SelectedServer(), m_seams);
}
