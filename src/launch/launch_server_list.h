#pragma once

#include <string>
#include <vector>

#include "platform/registry.h"

// Writes the server alone into the machine's "Server List", which the
// clients read when there is no per-user one. Answers, when it was left
// as it was, one line that names it and says why.
std::vector<std::string> PointMachineServerList(const std::string& server, Registry& registry);
