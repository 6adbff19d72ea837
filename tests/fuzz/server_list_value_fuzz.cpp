// The "Server List" value comes from the registry, where any program may
// have written anything: splitting must keep every character, and loading
// must never take more than the list holds.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fakes/fake_registry.h"
#include "lists/public_list.h"
#include "lists/server_list.h"
#include "lists/server_list_value.h"

namespace {

std::string Join(const std::vector<std::string>& names)
{
    std::string value;
    for (std::size_t i = 0; i < names.size(); ++i)
        value += (i ? ";" : "") + names[i];
    return value;
}

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string value(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> names = SplitServerList(value);
    Check(!names.empty());
    Check(Join(names) == value);
    Check(SplitServerList(Join(names)) == names);

    FakeRegistry registry;
    registry.Put(RegistryRoot::LocalMachine, SERVER_LIST_KEY, SERVER_LIST_VALUE, value);
    CServerList list;
    LoadPublicList(registry, list);
    // A string value reads up to its first NUL.
    const std::string text = value.substr(0, value.find('\0'));
    const bool seeded = text.find(';') == std::string::npos;
    Check(registry.writes.size() == (seeded ? 1u : 0u));
    const std::vector<std::string> shown =
        seeded
            ? SplitServerList(registry.Value(RegistryRoot::LocalMachine, SERVER_LIST_KEY, SERVER_LIST_VALUE))
            : SplitServerList(text);
    Check(list.GetUpperBound() + 1 == static_cast<int>(std::min<std::size_t>(shown.size(), MAX_SERVERS)));
    for (int i = 0; i <= list.GetUpperBound(); ++i)
        Check(list.GetAt(i).serverName == shown[i]);
    return 0;
}
