#include "lists/server_list_keeper.h"

#include "lists/server_list_value.h"

namespace {

// The one key that Velnor makes, of its own, for the user alone.
const RegistryRoot OWN_ROOT = RegistryRoot::CurrentUser;
const char* const OWN_KEY = "Software\\Velnor";

// What is kept for the value below a root: the list a launch replaced, and
// the server it wrote over it.
struct Kept {
    const char* list;
    const char* server;
};

Kept KeptFor(RegistryRoot root)
{
    if (root == RegistryRoot::CurrentUser)
        return {"HKCU Server List", "HKCU Launched Server"};
    return {"HKLM Server List", "HKLM Launched Server"};
}

bool HoldsList(const RegistryRead& read)
{
    if (read.status != RegistryReadStatus::Read)
        return false;
    return read.value.type == RegistryType::MultiString ||
           (read.value.type == RegistryType::String && read.value.data.find(';') != std::string::npos);
}

RegistryValue StringValue(const std::string& text)
{
    return {RegistryType::String, text + '\0'};
}

} // namespace

ServerListWrite WriteServerAlone(Registry& registry, RegistryRoot root, const RegistryRead& current,
                                 const std::string& server)
{
    const Kept kept = KeptFor(root);
    const RegistryValue written = StringValue(server);
    if (HoldsList(current) && !registry.WriteOwnValue(OWN_ROOT, OWN_KEY, kept.list, current.value))
        return ServerListWrite::NotKept;
    if (!registry.WriteOwnValue(OWN_ROOT, OWN_KEY, kept.server, written))
        return ServerListWrite::NotKept;
    if (!registry.WriteValue(root, SERVER_LIST_KEY, SERVER_LIST_VALUE, written))
        return ServerListWrite::NotWritten;
    return ServerListWrite::Written;
}

bool RestoreServerList(Registry& registry, RegistryRoot root)
{
    const Kept kept = KeptFor(root);
    const RegistryRead noted = registry.ReadValue(OWN_ROOT, OWN_KEY, kept.server);
    if (noted.status != RegistryReadStatus::Read || RegistryStringText(noted.value).empty())
        return false;
    // Once a start has seen the value, a later one that finds the same
    // server finds it written anew, not still there.
    registry.WriteOwnValue(OWN_ROOT, OWN_KEY, kept.server, StringValue(""));
    const RegistryRead current = registry.ReadValue(root, SERVER_LIST_KEY, SERVER_LIST_VALUE);
    if (current.status != RegistryReadStatus::Read || current.value != noted.value)
        return false;
    const RegistryRead list = registry.ReadValue(OWN_ROOT, OWN_KEY, kept.list);
    return list.status == RegistryReadStatus::Read &&
           registry.WriteValue(root, SERVER_LIST_KEY, SERVER_LIST_VALUE, list.value);
}
