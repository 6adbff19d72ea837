#include "launch/gateway_values.h"

#include <optional>

#include "clients/gateway_list.h"
#include "clients/gateway_places.h"
#include "launch/launch_server_list.h"
#include "lists/server_list_value.h"
#include "platform/registry.h"

namespace {

std::string FaultText(GatewayListFault fault)
{
    switch (fault) {
    case GatewayListFault::OddByteCount:
        return "it has an odd number of bytes, so it is not whole UTF-16 lines";
    case GatewayListFault::UnterminatedLine:
        return "its last line has no terminating zero";
    case GatewayListFault::EmptyLine:
        return "it holds an empty line before its end";
    case GatewayListFault::TooFewLines:
        return "it has fewer than two lines";
    case GatewayListFault::BadSelection:
        return "its second line is not a gateway number of one or two digits";
    case GatewayListFault::NotInThrees:
        return "its gateway lines do not come in threes";
    case GatewayListFault::None:
        break;
    }
    return "";
}

// Selects the gateway in the list, adding it first when it is not there;
// the reason when it cannot.
std::optional<std::string> PointList(GatewayList& list, const Gateway& gateway)
{
    int number = list.Find(gateway.host);
    if (number == 0 && list.GatewayCount() >= MAX_GATEWAYS)
        return "it already holds " + std::to_string(MAX_GATEWAYS) + " gateways, as many as it can number";
    if (number == 0 && !list.Append(gateway))
        return std::string("the server's name cannot be written into it");
    if (number == 0)
        number = list.GatewayCount();
    if (!list.Select(number))
        return "the server is its gateway " + std::to_string(number) + ", beyond the " +
               std::to_string(MAX_GATEWAYS) + " that it can select";
    return std::nullopt;
}

// Why a value that is there cannot be edited: it could not be read, or it
// is not of the type that the clients read.
std::optional<std::string> NotEditable(const RegistryRead& read, RegistryType type, const char* typeName)
{
    if (read.status == RegistryReadStatus::Failed)
        return std::string("it could not be read");
    if (read.value.type != type)
        return std::string("it is not a ") + typeName + " value";
    return std::nullopt;
}

// Nothing when the list was pointed at the gateway or does not exist;
// otherwise why it was left as it was.
std::optional<std::string> PointValue(const GatewayPlace& where, const Gateway& gateway, Registry& registry)
{
    const RegistryRoot root = RegistryRoot::CurrentUser;
    const RegistryRead read = registry.ReadValue(root, where.key, where.valueName);
    if (read.status == RegistryReadStatus::Missing)
        return std::nullopt;
    if (std::optional<std::string> reason = NotEditable(read, RegistryType::MultiString, "REG_MULTI_SZ"))
        return reason;
    GatewayList list;
    const GatewayListFault fault = list.Parse(read.value.data);
    if (fault != GatewayListFault::None)
        return FaultText(fault);
    if (std::optional<std::string> reason = PointList(list, gateway))
        return reason;
    const std::string data = list.Data();
    if (data == read.value.data)
        return std::nullopt;
    if (!registry.WriteValue(root, where.key, where.valueName, {RegistryType::MultiString, data}))
        return std::string("it could not be written");
    return std::nullopt;
}

// The server alone as the per-user "Server List"; nothing when it was
// written or there is no such value, otherwise why it was left.
std::optional<std::string> PointUserValue(const std::string& server, Registry& registry)
{
    const RegistryRoot root = RegistryRoot::CurrentUser;
    const RegistryRead read = registry.ReadValue(root, SERVER_LIST_KEY, SERVER_LIST_VALUE);
    if (read.status == RegistryReadStatus::Missing)
        return std::nullopt;
    if (std::optional<std::string> reason = NotEditable(read, RegistryType::String, "REG_SZ"))
        return reason;
    return WriteLaunchServerList(registry, root, read, server);
}

} // namespace

std::vector<std::string> PointGatewayLists(Game game, const Gateway& gateway, Registry& registry)
{
    std::vector<std::string> left;
    for (const GatewayPlace& where : GatewayPlacesOf(game))
        if (std::optional<std::string> reason = PointValue(where, gateway, registry))
            left.push_back(LeftValueLine(RegistryRoot::CurrentUser, where.key, where.valueName, *reason));
    return left;
}

std::vector<std::string> PointUserServerList(const std::string& server, Registry& registry)
{
    if (std::optional<std::string> reason = PointUserValue(server, registry))
        return {LeftValueLine(RegistryRoot::CurrentUser, SERVER_LIST_KEY, SERVER_LIST_VALUE, *reason)};
    return {};
}

std::string LeftValueLine(RegistryRoot root, const std::string& key, const std::string& valueName,
                          const std::string& reason)
{
    const char* rootName =
        root == RegistryRoot::LocalMachine ? "HKEY_LOCAL_MACHINE\\" : "HKEY_CURRENT_USER\\";
    return rootName + key + " \"" + valueName + "\": " + reason + ".";
}

std::vector<std::string> ServerListsLeftForHost(Registry& registry)
{
    const std::string reason = "its host has characters that this system's code page cannot hold";
    std::vector<std::string> left = {
        LeftValueLine(RegistryRoot::LocalMachine, SERVER_LIST_KEY, SERVER_LIST_VALUE, reason)};
    const RegistryRead read =
        registry.ReadValue(RegistryRoot::CurrentUser, SERVER_LIST_KEY, SERVER_LIST_VALUE);
    if (read.status != RegistryReadStatus::Missing)
        left.push_back(LeftValueLine(RegistryRoot::CurrentUser, SERVER_LIST_KEY, SERVER_LIST_VALUE, reason));
    return left;
}

std::string LeftValuesText(const std::vector<std::string>& lines)
{
    std::string text = "The game was not pointed at the server in these values that it reads, which were "
                       "left as they were:\n";
    for (const std::string& line : lines)
        text += "\n" + line;
    return text;
}
