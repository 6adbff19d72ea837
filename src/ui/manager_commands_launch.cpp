#include "ui/manager_commands.h"

void ManagerCommands::OnStarCraft() {}
void ManagerCommands::OnDiablo() {}
void ManagerCommands::OnWarcraft2() {}
