#include "ui/manager_commands.h"

#include "lists/public_list.h"
#include "platform/clipboard.h"
#include "res/resource.h"
#include "ui/server_view.h"
#include "ui/show_answer.h"
#include "ui/user.h"

namespace {

using Command = void (ManagerCommands::*)();

struct CommandBinding {
    int controlId;
    Command command;
};

constexpr CommandBinding COMMANDS[] = {
    {IDC_PING, &ManagerCommands::OnPing},
    {IDC_STARCRAFT, &ManagerCommands::OnStarCraft},
    {IDC_BLIZZARD_SERVERS, &ManagerCommands::OnBlizzardServers},
    {IDC_PRIVATE_SERVERS, &ManagerCommands::OnPrivateServers},
    {IDC_ADD_SERVER, &ManagerCommands::OnAddServer},
    {IDC_DELETE_SERVER, &ManagerCommands::OnDeleteServer},
    {IDC_DIABLO, &ManagerCommands::OnDiablo},
    {IDC_WARCRAFT2, &ManagerCommands::OnWarcraft2},
    {IDM_COPY_SERVER, &ManagerCommands::OnCopyServer},
};

} // namespace

ManagerCommands::ManagerCommands(const CommandSeams& seams) : m_seams(seams) {}

void ManagerCommands::InitServerView()
{
    LoadPublicList(m_seams.registry, m_seams.codePage, m_publicList);
    FillServerView(m_publicList, m_viewOrder, m_seams.view);
    m_currentList = &m_publicList;
    EnableEditing(false);
}

std::optional<ServerEntry> ManagerCommands::SelectedServer() const
{
    return GetSelectedServer(*m_currentList, m_viewOrder, m_seams.view);
}

void ManagerCommands::OnCopyServer()
{
    if (std::optional<ServerEntry> server = SelectedServer())
        m_seams.clipboard.CopyText(ShownCellText(server->serverName));
}

bool ManagerCommands::OnCommand(int controlId)
{
    for (const CommandBinding& binding : COMMANDS) {
        if (binding.controlId != controlId)
            continue;
        (this->*binding.command)();
        return true;
    }
    return false;
}
