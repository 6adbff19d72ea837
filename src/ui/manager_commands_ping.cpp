#include "ui/manager_commands.h"

void ManagerCommands::OnPing() {}
