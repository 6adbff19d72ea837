#include <utility>
#include <vector>

#include "lists/new_server_check.h"
#include "res/resource.h"
#include "ui/manager_commands.h"
#include "ui/server_view.h"
#include "ui/show_answer.h"
#include "ui/user.h"

namespace {

// The list takes over the order of the rows, less the deleted row's entry:
// the entries move whole, bytes the view cannot show included.
void KeepInViewOrder(CServerList& list, const ServerViewOrder& order, int deletedRow)
{
    std::vector<ServerEntry> kept;
    for (int row = 0; row < static_cast<int>(order.size()); ++row) {
        if (row != deletedRow)
            kept.push_back(std::move(list.entries[order[row]]));
    }
    list.RemoveAll();
    for (const ServerEntry& server : kept)
        list.Add(server);
}

} // namespace

void ManagerCommands::EnableEditing(bool enabled)
{
    m_seams.user.EnableButton(IDC_ADD_SERVER, enabled);
    m_seams.user.EnableButton(IDC_DELETE_SERVER, enabled);
}

void ManagerCommands::SavePrivateListIfCurrent()
{
    if (IsPrivateListCurrent())
        ShowAnswer(m_seams.user, m_privateListFile.SavePrivateList(m_privateList));
}

void ManagerCommands::OnBlizzardServers()
{
    EnableEditing(false);
    SavePrivateListIfCurrent();
    FillServerView(m_publicList, m_viewOrder, m_seams.view);
    m_currentList = &m_publicList;
    SortServerViewByPing(m_publicList, m_viewOrder, m_seams.view);
}

// Pressed while the private list is shown, this writes it out and reads it
// back, which drops its measured times.
void ManagerCommands::OnPrivateServers()
{
    EnableEditing(true);
    SavePrivateListIfCurrent();
    m_privateList.RemoveAll();
    ShowAnswer(m_seams.user, m_privateListFile.LoadPrivateList(m_privateList));
    FillServerView(m_privateList, m_viewOrder, m_seams.view);
    m_currentList = &m_privateList;
    SortServerViewByPing(m_privateList, m_viewOrder, m_seams.view);
}

void ManagerCommands::OnAddServer()
{
    if (!IsPrivateListCurrent())
        return;
    std::optional<ServerEntry> server = m_seams.user.PromptAddServer(
        [this](ServerEntry& typed) { return CheckNewServer(typed, m_privateList, m_seams.codePage); });
    if (!server || !m_privateList.Add(*server))
        return;
    FillServerView(m_privateList, m_viewOrder, m_seams.view);
    ShowAnswer(m_seams.user, m_privateListFile.SavePrivateList(m_privateList));
}

// The list takes over the view's order, so a list sorted by a ping run is
// stored sorted.
void ManagerCommands::OnDeleteServer()
{
    // The button is disabled for the public list; storing the public rows
    // would overwrite the user's file.
    if (!IsPrivateListCurrent())
        return;
    const int row = m_seams.view.SelectedRow();
    if (row < 0 || row >= static_cast<int>(m_viewOrder.size()))
        return;
    m_seams.view.DeleteRow(row);
    m_seams.view.Repaint();
    KeepInViewOrder(m_privateList, m_viewOrder, row);
    FillServerView(m_privateList, m_viewOrder, m_seams.view);
    ShowAnswer(m_seams.user, m_privateListFile.SavePrivateList(m_privateList));
}
