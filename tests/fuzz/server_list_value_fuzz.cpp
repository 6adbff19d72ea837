// The "Server List" value comes from the registry, where any program may
// have written anything, of any type and length: splitting must keep every
// character, loading must never take more than the list holds, and the
// default list may replace only a missing value or a string value holding
// no ';'. A multi-string is kept in the registry's UTF-16 and shown through
// the code page.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fakes/fake_code_page.h"
#include "fakes/fake_registry.h"
#include "lists/default_server_list.h"
#include "lists/public_list.h"
#include "lists/server_list.h"
#include "lists/server_list_value.h"

namespace {

const RegistryRoot HKLM = RegistryRoot::LocalMachine;
const FakeCodePage CODE_PAGE{};

// How the value is kept, chosen by the input's first byte.
enum class Stored { String, MultiString, OtherType, Unreadable, NoValue, DeniedKey, NoKey, Count };

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

// The registry's own form of 8-bit multi-string data: UTF-16LE.
std::string Utf16Bytes(const std::string& data)
{
    std::string bytes;
    for (const char16_t unit : CODE_PAGE.ToUtf16(data))
        bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    return bytes;
}

void Store(FakeRegistry& registry, Stored stored, const std::string& data)
{
    if (stored == Stored::NoKey)
        return;
    registry.MakeKey(HKLM, SERVER_LIST_KEY);
    if (stored == Stored::NoValue)
        return;
    const RegistryType type = stored == Stored::MultiString ? RegistryType::MultiString
                              : stored == Stored::OtherType ? RegistryType::Other
                                                            : RegistryType::String;
    registry.PutValue(HKLM, SERVER_LIST_KEY, SERVER_LIST_VALUE,
                      {type, type == RegistryType::MultiString ? Utf16Bytes(data) : data});
    if (stored == Stored::Unreadable)
        registry.unreadable.insert(SERVER_LIST_VALUE);
    if (stored == Stored::DeniedKey)
        registry.denied.insert(SERVER_LIST_KEY);
}

bool SameValues(const FakeRegistry& registry, const decltype(FakeRegistry::values)& before)
{
    return std::equal(registry.values.begin(), registry.values.end(), before.begin(), before.end(),
                      [](const auto& a, const auto& b) {
                          return a.first == b.first && a.second.type == b.second.type &&
                                 a.second.data == b.second.data;
                      });
}

// The names shown for a value that Velnor left as it was, from the 8-bit
// data it was stored from.
std::vector<std::string> NamesOfKeptValue(Stored stored, const std::string& data)
{
    if (stored == Stored::String)
        return SplitServerList(data.substr(0, data.find('\0')));
    if (stored == Stored::MultiString)
        return SplitServerListStrings(data);
    return {""};
}

} // namespace

// The input is one byte choosing how the value is stored (its top bit
// repeats the data past the length a fixed buffer once cut at), then the
// value's data.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string value(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::vector<std::string> names = SplitServerList(value);
    Check(!names.empty());
    Check(Join(names) == value);
    Check(SplitServerList(Join(names)) == names);

    const auto stored = static_cast<Stored>((data[0] & 0x7F) % static_cast<int>(Stored::Count));
    std::string storedData = value;
    while ((data[0] & 0x80) && !value.empty() && storedData.size() <= 4096)
        storedData += value;
    FakeRegistry registry;
    Store(registry, stored, storedData);
    const auto before = registry.values;
    CServerList list;
    LoadPublicList(registry, CODE_PAGE, list);

    const bool seeded = stored == Stored::NoValue || stored == Stored::NoKey ||
                        (stored == Stored::String && storedData.find(';') == std::string::npos);
    Check(registry.writes.size() == (seeded ? 1u : 0u));
    const bool written = seeded && stored != Stored::NoKey;
    if (written)
        Check(registry.Value(HKLM, SERVER_LIST_KEY, SERVER_LIST_VALUE) == DEFAULT_SERVER_LIST);
    else
        Check(SameValues(registry, before));
    const std::vector<std::string> shown = written  ? SplitServerList(DEFAULT_SERVER_LIST)
                                           : seeded ? std::vector<std::string>{""}
                                                    : NamesOfKeptValue(stored, storedData);
    Check(list.GetUpperBound() + 1 == static_cast<int>(std::min<std::size_t>(shown.size(), MAX_SERVERS)));
    for (int i = 0; i <= list.GetUpperBound(); ++i)
        Check(list.GetAt(i).serverName == shown[i]);
    return 0;
}
