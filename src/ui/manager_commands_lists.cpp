#include "lists/new_server_check.h"
#include "res/resource.h"
#include "ui/manager_commands.h"
#include "ui/server_view.h"
#include "ui/show_answer.h"
#include "ui/user.h"

namespace {

void EnableEditing(User& user, bool enabled)
{
    user.EnableButton(IDC_ADD_SERVER, enabled);
    user.EnableButton(IDC_DELETE_SERVER, enabled);
}

void RebuildList(const std::vector<ServerEntry>& servers, CServerList& list)
{
    list.RemoveAll();
    for (const ServerEntry& server : servers)
        list.Add(server);
}

} // namespace

void ManagerCommands::SavePrivateListIfCurrent()
{
    if (IsPrivateListCurrent())
        ShowAnswer(m_seams.user, m_privateListFile.SavePrivateList(m_privateList));
}

void ManagerCommands::OnBlizzardServers()
{
    EnableEditing(m_seams.user, false);
    SavePrivateListIfCurrent();
    FillServerView(m_publicList, m_seams.view);
    m_currentList = &m_publicList;
    SortServerViewByPing(m_seams.view);
}

// Pressed while the private list is shown, this writes it out and reads it
// back, which drops its measured times.
void ManagerCommands::OnPrivateServers()
{
    EnableEditing(m_seams.user, true);
    SavePrivateListIfCurrent();
    m_privateList.RemoveAll();
    ShowAnswer(m_seams.user, m_privateListFile.LoadPrivateList(m_privateList));
    FillServerView(m_privateList, m_seams.view);
    m_currentList = &m_privateList;
    SortServerViewByPing(m_seams.view);
}

void ManagerCommands::OnAddServer()
{
    if (!IsPrivateListCurrent())
        return;
    std::optional<ServerEntry> server = m_seams.user.PromptAddServer(
        [this](ServerEntry& typed) { return CheckNewServer(typed, m_privateList, m_seams.codePage); });
    if (!server || !m_privateList.Add(*server))
        return;
    FillServerView(m_privateList, m_seams.view);
    ShowAnswer(m_seams.user, m_privateListFile.SavePrivateList(m_privateList));
}

// The list takes over the view's order, so a list sorted by a ping run is
// stored sorted.
void ManagerCommands::OnDeleteServer()
{
    // The button is disabled for the public list; rebuilding the private
    // list from the public rows would overwrite the user's file.
    if (!IsPrivateListCurrent())
        return;
    int row = m_seams.view.SelectedRow();
    if (row < 0)
        return;
    // Matched while every row is there, so that look-alike rows keep
    // their own entries.
    std::vector<ServerEntry> servers = ServersInViewOrder(m_privateList, m_seams.view);
    servers.erase(servers.begin() + row);
    m_seams.view.DeleteRow(row);
    m_seams.view.Repaint();
    RebuildList(servers, m_privateList);
    FillServerView(m_privateList, m_seams.view);
    ShowAnswer(m_seams.user, m_privateListFile.SavePrivateList(m_privateList));
}
