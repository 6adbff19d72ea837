#include "launch/launch_server_list.h"

#include "launch/gateway_values.h"
#include "lists/server_list_keeper.h"
#include "lists/server_list_value.h"

std::optional<std::string> WriteLaunchServerList(Registry& registry, RegistryRoot root,
                                                 const RegistryRead& current, const std::string& server)
{
    switch (WriteServerAlone(registry, root, current, server)) {
    case ServerListWrite::NotWritten:
        return std::string("it could not be written");
    case ServerListWrite::NotKept:
        return std::string("what it holds could not be kept for the next start");
    case ServerListWrite::Written:
        break;
    }
    return std::nullopt;
}

std::vector<std::string> PointMachineServerList(const std::string& server, Registry& registry)
{
    const RegistryRoot root = RegistryRoot::LocalMachine;
    const RegistryRead read = registry.ReadValue(root, SERVER_LIST_KEY, SERVER_LIST_VALUE);
    if (std::optional<std::string> reason = WriteLaunchServerList(registry, root, read, server))
        return {LeftValueLine(root, SERVER_LIST_KEY, SERVER_LIST_VALUE, *reason)};
    return {};
}
