#include "lists/public_list.h"

#include "clients/gateway_list.h"
#include "clients/gateway_places.h"
#include "clients/host_key.h"
#include "clients/utf16_bytes.h"
#include "lists/default_server_list.h"
#include "lists/server_list.h"
#include "lists/server_list_keeper.h"
#include "lists/server_list_value.h"
#include "platform/code_page.h"
#include "platform/registry.h"

namespace {

RegistryRead ReadServerList(Registry& registry)
{
    return registry.ReadValue(RegistryRoot::LocalMachine, SERVER_LIST_KEY, SERVER_LIST_VALUE);
}

// No value at all, or a string value read whole that holds a single name
// (or none): what a game launch or a fresh machine leaves behind. A value
// of another type, or one that failed to read, is someone's own.
bool HoldsNoList(const RegistryRead& read)
{
    if (read.status == RegistryReadStatus::Missing)
        return true;
    return read.status == RegistryReadStatus::Read && read.value.type == RegistryType::String &&
           read.value.data.find(';') == std::string::npos;
}

std::vector<std::string> ServerNames(const RegistryRead& read, const CodePage& codePage)
{
    if (read.status == RegistryReadStatus::Read && read.value.type == RegistryType::String)
        return SplitServerList(RegistryStringText(read.value));
    if (read.status == RegistryReadStatus::Read && read.value.type == RegistryType::MultiString)
        return SplitServerListStrings(codePage.FromUtf16(Utf16OfBytes(read.value.data)));
    return SplitServerList("");
}

// The gateways of a stored list; none when it is not a REG_MULTI_SZ value
// in the clients' layout.
std::vector<Gateway> GatewaysIn(const RegistryRead& read)
{
    if (read.status != RegistryReadStatus::Read || read.value.type != RegistryType::MultiString)
        return {};
    GatewayList list;
    if (list.Parse(read.value.data) != GatewayListFault::None)
        return {};
    std::vector<Gateway> gateways;
    for (int number = 1; number <= list.GatewayCount(); ++number)
        gateways.push_back(list.GatewayAt(number));
    return gateways;
}

// Compared as stored: two hosts that the code page shows alike are two.
bool IsListed(const CServerList& list, const std::u16string& host, const CodePage& codePage)
{
    for (int i = 0; i <= list.GetUpperBound(); ++i)
        if (HostKey(StoredServerName(list.entries[i], codePage)) == HostKey(host))
            return true;
    return false;
}

// The gateway shown through the code page and kept as its list stored it,
// described by its name, or by its host when it has none.
ServerEntry GatewayServer(const Gateway& gateway, const CodePage& codePage)
{
    const std::u16string& description = gateway.name.empty() ? gateway.host : gateway.name;
    return {codePage.FromUtf16(gateway.host),
            codePage.FromUtf16(description),
            0,
            GAME_PORT_UNMEASURED,
            gateway.host,
            description};
}

// Each gateway whose host is not shown yet, for as long as the list has room.
void AddGatewayServers(Registry& registry, const CodePage& codePage, CServerList& list)
{
    for (const GatewayPlace& where : AllGatewayPlaces()) {
        const RegistryRead read = registry.ReadValue(RegistryRoot::CurrentUser, where.key, where.valueName);
        for (const Gateway& gateway : GatewaysIn(read))
            if (!IsListed(list, gateway.host, codePage))
                list.Add(GatewayServer(gateway, codePage));
    }
}

} // namespace

void LoadPublicList(Registry& registry, const CodePage& codePage, CServerList& list)
{
    RegistryRead read = ReadServerList(registry);
    // A single name is what a game launch leaves behind: give the games
    // their whole choice back, the very list that the launch replaced
    // where it was kept.
    if (RestoreServerList(registry, RegistryRoot::LocalMachine)) {
        read = ReadServerList(registry);
    } else if (HoldsNoList(read)) {
        registry.SetRegistryString(RegistryRoot::LocalMachine, SERVER_LIST_KEY, SERVER_LIST_VALUE,
                                   DEFAULT_SERVER_LIST);
        read = ReadServerList(registry);
    }
    RestoreServerList(registry, RegistryRoot::CurrentUser);
    for (const std::string& name : ServerNames(read, codePage)) {
        if (!list.Add({name, PUBLIC_SERVER_DESCRIPTION, 0}))
            break;
    }
    AddGatewayServers(registry, codePage, list);
}
