#pragma once

#include <string>

#include "platform/registry.h"

// A launch writes one server over "Server List", the machine's and the
// per-user one that older clients read first. So that the next start can
// give back the list that it replaced rather than the default list, the
// list and the server written over it are kept in Velnor's own key, for
// each of the two apart.

enum class ServerListWrite {
    Written,
    // The value could not be written.
    NotWritten,
    // Velnor's own key could not keep what the next start needs, so the
    // value was left as it was.
    NotKept,
};

// Writes the server alone into "Server List" below the root, `current`
// being what the value held. Before that, a list that it holds (a string
// with a ';', or a multi-string) is copied into Velnor's own key, and the
// server is noted there.
ServerListWrite WriteServerAlone(Registry& registry, RegistryRoot root, const RegistryRead& current,
                                 const std::string& server);

// At start: writes back into "Server List" below the root the list that
// the last launch replaced, when the value still holds exactly the server
// that the launch wrote; true when it did. Either way the note of that
// server is spent, so that only the first start after a launch can do so.
bool RestoreServerList(Registry& registry, RegistryRoot root);
