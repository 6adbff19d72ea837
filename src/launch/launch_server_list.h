#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"

// Writes the server alone into "Server List" below the root, `current`
// being what the value held, keeping what it replaces for the next start;
// nothing when it was written, otherwise why it was left.
std::optional<std::string> WriteLaunchServerList(Registry& registry, RegistryRoot root,
                                                 const RegistryRead& current, const std::string& server);

// Writes the server alone into the machine's "Server List", which the
// clients read when there is no per-user one. Answers, when it was left
// as it was, one line that names it and says why.
std::vector<std::string> PointMachineServerList(const std::string& server, Registry& registry);
