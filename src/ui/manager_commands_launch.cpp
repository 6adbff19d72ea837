#include "launch/launch_game.h"
#include "ui/manager_commands.h"
#include "ui/server_view.h"
#include "ui/show_answer.h"
#include "ui/user.h"

namespace {

// The selected row's server and description; no name when none is selected.
ServerEntry SelectedServer(const ServerView& view)
{
    const int row = view.SelectedRow();
    if (row < 0)
        return {};
    return {GetSelectedServer(view), view.CellText(row, COLUMN_DESCRIPTION)};
}

void Launch(Game game, const CommandSeams& seams)
{
    ShowAnswer(seams.user, LaunchGame(game, SelectedServer(seams.view), seams.user.IsDeleteCacheChecked(),
                                      seams.registry, seams.shell, seams.timeZone, seams.codePage));
}

} // namespace

// The private list is saved on every press, selection or not, so that the
// user's edits are on disk before a game takes over.
void ManagerCommands::OnStarCraft()
{
    SavePrivateListIfCurrent();
    Launch(Game::StarCraft, m_seams);
}

void ManagerCommands::OnDiablo()
{
    SavePrivateListIfCurrent();
    Launch(Game::Diablo, m_seams);
}

void ManagerCommands::OnWarcraft2()
{
    SavePrivateListIfCurrent();
    Launch(Game::Warcraft2, m_seams);
}
