#include "launch/launch_server_list.h"

#include "launch/gateway_values.h"
#include "lists/server_list_value.h"

std::vector<std::string> PointMachineServerList(const std::string& server, Registry& registry)
{
    const RegistryRoot root = RegistryRoot::LocalMachine;
    if (!registry.WriteValue(root, SERVER_LIST_KEY, SERVER_LIST_VALUE, {RegistryType::String, server + '\0'}))
        return {LeftValueLine(root, SERVER_LIST_KEY, SERVER_LIST_VALUE, "it could not be written")};
    return {};
}
