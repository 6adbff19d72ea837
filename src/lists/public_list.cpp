#include "lists/public_list.h"

#include "lists/default_server_list.h"
#include "lists/server_list.h"
#include "lists/server_list_value.h"
#include "platform/registry.h"

namespace {

std::string ReadServerList(Registry& registry)
{
    return registry.GetRegistryString(RegistryRoot::LocalMachine, SERVER_LIST_KEY, SERVER_LIST_VALUE);
}

} // namespace

void LoadPublicList(Registry& registry, CServerList& list)
{
    std::string value = ReadServerList(registry);
    // A single name is what a game launch leaves behind: give the games
    // their whole choice back.
    if (value.find(';') == std::string::npos) {
        registry.SetRegistryString(RegistryRoot::LocalMachine, SERVER_LIST_KEY, SERVER_LIST_VALUE,
                                   DEFAULT_SERVER_LIST);
        value = ReadServerList(registry);
    }
    for (const std::string& name : SplitServerList(value)) {
        if (!list.Add({name, PUBLIC_SERVER_DESCRIPTION, 0}))
            break;
    }
}
