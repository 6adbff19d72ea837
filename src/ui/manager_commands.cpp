#include "ui/manager_commands.h"

#include "lists/public_list.h"
#include "platform/user.h"
#include "res/resource.h"
#include "ui/server_view.h"

ManagerCommands::ManagerCommands(const Platform& platform) : m_platform(platform) {}

void ManagerCommands::InitServerView()
{
    LoadPublicList(m_platform.registry, m_publicList);
    FillServerView(m_publicList, m_platform.view);
    m_currentList = &m_publicList;
    m_platform.user.EnableButton(IDC_ADD_SERVER, false);
    m_platform.user.EnableButton(IDC_DELETE_SERVER, false);
}
