// A client's gateway list comes from the registry, where the client, other
// tools and the user may have written any bytes. Pointing it at a server
// must keep every byte but those of the selection line and the lines it
// adds, must leave alone a list that does not parse, and must leave a list
// that parses again.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "clients/gateway_list.h"
#include "clients/utf16_bytes.h"
#include "fakes/fake_code_page.h"
#include "fakes/fake_registry.h"
#include "launch/gateway_values.h"
#include "platform/registry.h"

namespace {

const char* const KEY = "Software\\Battle.net\\Configuration";
const char* const VALUE = "Battle.net Gateways";
const FakeCodePage CODE_PAGE{};

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

std::u16string Flipped(std::u16string text)
{
    for (char16_t& c : text)
        if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'))
            c = static_cast<char16_t>(c ^ 0x20);
    return text;
}

// The gateway to point the list at, and the value's data.
struct Choice {
    Gateway gateway;
    std::string data;
    // Whether the gateway's host is listed, in another case.
    bool listed = false;
};

// The input: a mode byte, a byte for the gateway or the new host's length
// in units, the new host in UTF-16LE, then the value's data. Even modes
// choose a listed host in flipped case, odd ones a new host.
Choice ChooseGateway(const std::string& input, const GatewayList& list)
{
    const unsigned char mode = input.size() > 0 ? input[0] : 0;
    const unsigned char pick = input.size() > 1 ? input[1] : 0;
    const std::string rest = input.size() > 2 ? input.substr(2) : "";
    const std::u16string zone = CODE_PAGE.ToUtf16(std::to_string(GatewayTimeZone((mode * 7) % 1681 - 840)));
    if (mode % 2 == 0 && list.GatewayCount() > 0) {
        const std::u16string host = list.GatewayAt(1 + pick % list.GatewayCount()).host;
        return {{Flipped(host), zone, u"Listed"}, rest, true};
    }
    const std::size_t length = std::min<std::size_t>(2 * (pick % 32), rest.size() / 2 * 2);
    return {{Utf16OfBytes(rest.substr(0, length)), zone, u"Added"}, rest.substr(length), false};
}

// Where the line that starts at the byte offset ends, past its zero unit,
// in data that parses.
std::size_t PastLine(const std::string& data, std::size_t start)
{
    while (data[start] != '\0' || data[start + 1] != '\0')
        start += 2;
    return start + 2;
}

std::string Utf16Line(const std::u16string& text)
{
    std::string bytes;
    for (const char16_t unit : text + u'\0')
        bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    return bytes;
}

bool IsTwoDigitLine(const std::string& line)
{
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    return line.size() == 6 && digit(line[0]) && line[1] == '\0' && digit(line[2]) &&
           line.substr(3) == std::string(3, '\0');
}

// The bytes before and after: the same format line, a selection line that
// is kept or is two digits, the same gateways, then the added gateway's
// lines or none, then the same ending.
void CheckBytes(const std::string& before, const std::string& after, const Gateway& gateway)
{
    const std::size_t selection = PastLine(before, 0);
    const std::size_t gatewaysBefore = PastLine(before, selection);
    const std::size_t gatewaysAfter = PastLine(after, selection);
    Check(after.compare(0, selection, before, 0, selection) == 0);
    const std::string newSelection = after.substr(selection, gatewaysAfter - selection);
    Check(newSelection == before.substr(selection, gatewaysBefore - selection) ||
          IsTwoDigitLine(newSelection));
    const std::string endLine(4, '\0');
    const std::size_t ending =
        before.size() >= 4 && before.compare(before.size() - 4, 4, endLine) == 0 ? 2 : 0;
    const std::size_t kept = before.size() - ending - gatewaysBefore;
    Check(after.size() >= gatewaysAfter + kept + ending);
    Check(after.compare(gatewaysAfter, kept, before, gatewaysBefore, kept) == 0);
    const std::string added =
        after.substr(gatewaysAfter + kept, after.size() - ending - gatewaysAfter - kept);
    Check(added.empty() ||
          added == Utf16Line(gateway.host) + Utf16Line(gateway.zone) + Utf16Line(gateway.name));
    Check(after.compare(after.size() - ending, ending, before, before.size() - ending, ending) == 0);
}

void CheckPointed(const std::string& before, const std::string& after, const Choice& choice, bool left)
{
    GatewayList old;
    GatewayList now;
    Check(old.Parse(before) == GatewayListFault::None);
    Check(now.Parse(after) == GatewayListFault::None);
    CheckBytes(before, after, choice.gateway);
    Check(now.GatewayCount() == old.GatewayCount() || now.GatewayCount() == old.GatewayCount() + 1);
    // A host that differs only in case is the same gateway: found, not added.
    Check(!choice.listed || now.GatewayCount() == old.GatewayCount());
    if (left)
        Check(after == before);
    else
        Check(now.Selected() != 0 && now.Selected() == now.Find(choice.gateway.host));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(bytes), size);
    GatewayList probe;
    probe.Parse(input.size() > 2 ? input.substr(2) : "");
    const Choice choice = ChooseGateway(input, probe);
    const std::string& data = choice.data;

    GatewayList list;
    const bool parses = list.Parse(data) == GatewayListFault::None;
    Check(parses ? list.Data() == data : list.Data().empty() && list.GatewayCount() == 0);

    FakeRegistry registry;
    registry.PutValue(RegistryRoot::CurrentUser, KEY, VALUE, {RegistryType::MultiString, data});
    const std::vector<std::string> left = PointGatewayLists(Game::StarCraft, choice.gateway, registry);
    const std::string after = registry.values.at({RegistryRoot::CurrentUser, KEY, VALUE}).data;
    Check(left.size() <= 1);
    Check(registry.writes.size() <= 1);
    if (!parses)
        Check(after == data && left.size() == 1);
    else
        CheckPointed(data, after, choice, !left.empty());
    return 0;
}
