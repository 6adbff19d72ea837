#include "lists/public_list.h"

#include "lists/default_server_list.h"
#include "lists/server_list.h"
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

} // namespace

void LoadPublicList(Registry& registry, const CodePage& codePage, CServerList& list)
{
    RegistryRead read = ReadServerList(registry);
    // A single name is what a game launch leaves behind: give the games
    // their whole choice back.
    if (HoldsNoList(read)) {
        registry.SetRegistryString(RegistryRoot::LocalMachine, SERVER_LIST_KEY, SERVER_LIST_VALUE,
                                   DEFAULT_SERVER_LIST);
        read = ReadServerList(registry);
    }
    for (const std::string& name : ServerNames(read, codePage)) {
        if (!list.Add({name, PUBLIC_SERVER_DESCRIPTION, 0}))
            break;
    }
}
