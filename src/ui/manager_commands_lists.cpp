#include "ui/manager_commands.h"

void ManagerCommands::SavePrivateListIfCurrent() {}
void ManagerCommands::OnBlizzardServers() {}
void ManagerCommands::OnPrivateServers() {}
void ManagerCommands::OnAddServer() {}
void ManagerCommands::OnDeleteServer() {}
