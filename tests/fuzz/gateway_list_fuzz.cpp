// A client's gateway list comes from the registry, where the client, other
// tools and the user may have written anything. Pointing it at a server
// must never lose or change another gateway, must leave alone a list that
// does not parse, and must leave a list that parses again.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fakes/fake_code_page.h"
#include "fakes/fake_registry.h"
#include "launch/gateway_list.h"
#include "launch/gateway_values.h"

namespace {

const char* const KEY = "Software\\Battle.net\\Configuration";
const char* const VALUE = "Battle.net Gateways";
const FakeCodePage CODE_PAGE{};

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

std::vector<Gateway> GatewaysOf(const GatewayList& list)
{
    std::vector<Gateway> gateways;
    for (int number = 1; number <= list.GatewayCount(); ++number)
        gateways.push_back(list.GatewayAt(number));
    return gateways;
}

bool Same(const Gateway& a, const Gateway& b)
{
    return a.host == b.host && a.zone == b.zone && a.name == b.name;
}

std::string Flipped(std::string text)
{
    for (char& c : text)
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
            c = static_cast<char>(c ^ 0x20);
    return text;
}

// The gateway to point the list at, and the value's data.
struct Choice {
    Gateway gateway;
    std::string data;
    // Whether the gateway's host is listed, in another case.
    bool listed = false;
};

// The input: a mode byte, a byte for the gateway or the new host's length,
// the new host, then the value's data. Even modes choose a listed host in
// flipped case, odd ones a new host. A listed host that the code page
// cannot show comes back with "?" and is then a new one.
Choice ChooseGateway(const std::string& input, const GatewayList& list)
{
    const unsigned char mode = input.size() > 0 ? input[0] : 0;
    const unsigned char pick = input.size() > 1 ? input[1] : 0;
    const std::string rest = input.size() > 2 ? input.substr(2) : "";
    const std::string zone = std::to_string(GatewayTimeZone((mode * 7) % 1681 - 840));
    if (mode % 2 == 0 && list.GatewayCount() > 0) {
        const std::string host = list.GatewayAt(1 + pick % list.GatewayCount()).host;
        return {{Flipped(host), zone, "Listed"}, rest, host.find('?') == std::string::npos};
    }
    const std::size_t length = std::min<std::size_t>(pick % 32, rest.size());
    return {{rest.substr(0, length), zone, "Added"}, rest.substr(length), false};
}

void CheckPointed(const std::string& before, const std::string& after, const Choice& choice, bool left)
{
    const Gateway& gateway = choice.gateway;
    GatewayList old(CODE_PAGE);
    GatewayList now(CODE_PAGE);
    Check(old.Parse(before) == GatewayListFault::None);
    Check(now.Parse(after) == GatewayListFault::None);
    Check(before.substr(0, before.find('\0')) == after.substr(0, after.find('\0')));
    const std::vector<Gateway> oldGateways = GatewaysOf(old);
    const std::vector<Gateway> newGateways = GatewaysOf(now);
    Check(newGateways.size() == oldGateways.size() || newGateways.size() == oldGateways.size() + 1);
    // A host that differs only in case is the same gateway: found, not added.
    Check(!choice.listed || newGateways.size() == oldGateways.size());
    for (std::size_t i = 0; i < oldGateways.size(); ++i)
        Check(Same(oldGateways[i], newGateways[i]));
    if (newGateways.size() > oldGateways.size())
        Check(Same(newGateways.back(), {gateway.host, gateway.zone, gateway.name}));
    if (left)
        Check(after == before);
    else
        Check(now.Selected() != 0 && now.Selected() == now.Find(gateway.host));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(bytes), size);
    GatewayList probe(CODE_PAGE);
    probe.Parse(input.size() > 2 ? input.substr(2) : "");
    const Choice choice = ChooseGateway(input, probe);
    const std::string& data = choice.data;

    GatewayList list(CODE_PAGE);
    const bool parses = list.Parse(data) == GatewayListFault::None;
    Check(parses ? list.Data() == data : list.Data().empty() && list.GatewayCount() == 0);

    FakeRegistry registry;
    registry.PutValue(RegistryRoot::CurrentUser, KEY, VALUE, {RegistryType::MultiString, data});
    const std::vector<std::string> left =
        PointGatewayLists(Game::StarCraft, choice.gateway, registry, CODE_PAGE);
    const std::string after = registry.values.at({RegistryRoot::CurrentUser, KEY, VALUE}).data;
    Check(left.size() <= 1);
    Check(registry.writes.size() <= 1);
    if (!parses)
        Check(after == data && left.size() == 1);
    else
        CheckPointed(data, after, choice, !left.empty());
    return 0;
}
