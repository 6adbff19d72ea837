#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <ostream>
#include <regex>
#include <string>
#include <vector>

#include "fakes/fake_code_page.h"
#include "fakes/fake_registry.h"
#include "gateway_lines.h"
#include "lists/default_server_list.h"
#include "lists/public_list.h"
#include "lists/server_list.h"
#include "lists/server_list_keeper.h"
#include "lists/server_list_value.h"

namespace {

const RegistryRoot HKLM = RegistryRoot::LocalMachine;
const std::string CONFIGURATION = "Software\\Battle.Net\\Configuration";

std::vector<std::string> Names(const CServerList& list)
{
    std::vector<std::string> names;
    for (int i = 0; i <= list.GetUpperBound(); ++i)
        names.push_back(list.GetAt(i).serverName);
    return names;
}

struct SplitCase {
    std::string value;
    std::vector<std::string> names;
};

// Names the case by its value in test listings, rather than by its bytes.
void PrintTo(const SplitCase& splitCase, std::ostream* out)
{
    *out << '"' << splitCase.value << '"';
}

class SplitServerListTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitServerListTest, GivesTheNamesOfTheTable)
{
    EXPECT_EQ(SplitServerList(GetParam().value), GetParam().names);
}

INSTANTIATE_TEST_SUITE_P(ValueShapes, SplitServerListTest,
                         ::testing::Values(SplitCase{"A;B;C", {"A", "B", "C"}},
                                           SplitCase{"A;B;", {"A", "B", ""}},
                                           SplitCase{";A;B", {"", "A", "B"}}, SplitCase{"A;;B", {"A", ";B"}},
                                           SplitCase{"A;", {"A", ""}}, SplitCase{";", {"", ""}},
                                           SplitCase{"A", {"A"}}, SplitCase{"", {""}},
                                           SplitCase{"A;B;;C;D", {"A", "B", ";C;D"}},
                                           SplitCase{";;", {"", ";"}}));

struct PublicListTest : ::testing::Test {
    std::string Value() const { return registry.Value(HKLM, CONFIGURATION, "Server List"); }
    void Load() { LoadPublicList(registry, codePage, list); }

    FakeRegistry registry;
    FakeCodePage codePage;
    CServerList list;
};

TEST_F(PublicListTest, EveryEntryIsABlizzServerNotYetPinged)
{
    registry.Put(HKLM, CONFIGURATION, "Server List", "a.example;b.example");
    Load();
    ASSERT_EQ(list.GetUpperBound(), 1);
    for (int i = 0; i <= list.GetUpperBound(); ++i) {
        EXPECT_EQ(list.GetAt(i).description, "Blizz Server");
        EXPECT_EQ(list.GetAt(i).pingTime, 0);
    }
    EXPECT_TRUE(registry.writes.empty());
}

TEST_F(PublicListTest, ASingleNameIsReplacedByTheDefaultListWhichIsShown)
{
    registry.Put(HKLM, CONFIGURATION, "Server List", "127.0.0.1");
    Load();
    EXPECT_EQ(Value(), DEFAULT_SERVER_LIST);
    EXPECT_EQ(Names(list), SplitServerList(DEFAULT_SERVER_LIST));
    // Read, written, then read back: what is shown is what the games see.
    EXPECT_EQ(std::count(registry.reads.begin(), registry.reads.end(), CONFIGURATION + "\\Server List"), 2);
}

TEST_F(PublicListTest, AnEmptyValueIsSeededToo)
{
    registry.Put(HKLM, CONFIGURATION, "Server List", "");
    Load();
    EXPECT_EQ(Value(), DEFAULT_SERVER_LIST);
    EXPECT_EQ(list.GetUpperBound(), 8);
}

TEST_F(PublicListTest, WithoutTheKeyNothingIsStoredAndOneEmptyNameIsShown)
{
    Load();
    EXPECT_EQ(registry.writes.size(), 1u);
    EXPECT_TRUE(registry.values.empty());
    EXPECT_EQ(Names(list), std::vector<std::string>{""});
}

TEST_F(PublicListTest, AValueEndingInSeparatorKeepsItsFormAndShowsAnEmptyRow)
{
    registry.Put(HKLM, CONFIGURATION, "Server List", "127.0.0.1;127.0.0.2;");
    Load();
    EXPECT_EQ(Value(), "127.0.0.1;127.0.0.2;");
    EXPECT_EQ(Names(list), (std::vector<std::string>{"127.0.0.1", "127.0.0.2", ""}));
}

TEST_F(PublicListTest, AppendsWithoutClearingTheList)
{
    list.Add({"kept", "mine", 7});
    registry.Put(HKLM, CONFIGURATION, "Server List", "a;b");
    Load();
    EXPECT_EQ(Names(list), (std::vector<std::string>{"kept", "a", "b"}));
}

TEST_F(PublicListTest, AValueOfMoreThanAHundredNamesShowsTheFirstHundredAndStaysAsItWas)
{
    std::string value;
    for (int i = 0; i < 150; ++i)
        value += (i ? ";s" : "s") + std::to_string(i);
    registry.Put(HKLM, CONFIGURATION, "Server List", value);
    Load();
    ASSERT_EQ(list.GetUpperBound(), MAX_SERVERS - 1);
    EXPECT_EQ(list.GetAt(0).serverName, "s0");
    EXPECT_EQ(list.GetAt(99).serverName, "s99");
    EXPECT_EQ(Value(), value);
    EXPECT_TRUE(registry.writes.empty());
}

TEST_F(PublicListTest, AMissingValueInAnExistingKeyIsSeeded)
{
    registry.MakeKey(HKLM, CONFIGURATION);
    Load();
    EXPECT_EQ(Value(), DEFAULT_SERVER_LIST);
    EXPECT_EQ(list.GetUpperBound(), 8);
}

// Only a string value read whole and holding no ';', or no value at all,
// is seeded; anything else stays exactly as it was stored.
struct KeptValueCase {
    const char* what;
    RegistryValue value;
    bool unreadable;
    std::vector<std::string> shown;
};

void PrintTo(const KeptValueCase& keptCase, std::ostream* out)
{
    *out << keptCase.what;
}

class KeptValueTest : public PublicListTest, public ::testing::WithParamInterface<KeptValueCase> {};

TEST_P(KeptValueTest, IsNeverOverwrittenAndShowsWhatItHolds)
{
    registry.PutValue(HKLM, CONFIGURATION, "Server List", GetParam().value);
    if (GetParam().unreadable)
        registry.unreadable.insert("Server List");
    Load();
    EXPECT_TRUE(registry.writes.empty());
    EXPECT_EQ(registry.values.at({HKLM, CONFIGURATION, "Server List"}).data, GetParam().value.data);
    EXPECT_EQ(Names(list), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    OtherValues, KeptValueTest,
    ::testing::Values(
        KeptValueCase{"a REG_DWORD", {RegistryType::Other, std::string("\x07\0\0\0", 4)}, false, {""}},
        KeptValueCase{
            "an unreadable string", {RegistryType::String, std::string("a.example\0", 10)}, true, {""}},
        KeptValueCase{"a REG_MULTI_SZ",
                      {RegistryType::MultiString, MultiString({"127.0.0.1", "127.0.0.2;127.0.0.3"})},
                      false,
                      {"127.0.0.1", "127.0.0.2", "127.0.0.3"}},
        KeptValueCase{"a REG_MULTI_SZ beyond the code page",
                      {RegistryType::MultiString, Utf16MultiString({u"Россия;caf\u00e9"})},
                      false,
                      {"??????", "caf\xe9"}},
        KeptValueCase{"a string with a ';' after its terminator",
                      {RegistryType::String, std::string("127.0.0.1\0;x\0", 13)},
                      false,
                      {"127.0.0.1"}}));

// Two launches wrote over a list, the last one "127.0.0.9"; each value
// found at the next start, and what that start leaves. Never twice.
TEST_F(PublicListTest, OnlyTheServerALaunchWroteGetsBackTheListItReplacedAndOnce)
{
    const std::pair<std::string, std::string> cases[] = {
        {std::string("127.0.0.9\0", 10), "127.0.0.1;127.0.0.2"},
        {std::string("127.0.0.7\0", 10), DEFAULT_SERVER_LIST},
        {std::string("127.0.0.9\0x\0", 12), DEFAULT_SERVER_LIST}};
    for (const auto& [atStart, after] : cases) {
        registry.Put(HKLM, CONFIGURATION, "Server List", "127.0.0.1;127.0.0.2");
        for (const char* server : {"127.0.0.8", "127.0.0.9"})
            WriteServerAlone(registry, HKLM, registry.ReadValue(HKLM, CONFIGURATION, "Server List"), server);
        registry.PutValue(HKLM, CONFIGURATION, "Server List", {RegistryType::String, atStart});
        list.RemoveAll();
        Load();
        EXPECT_EQ(Value(), after);
        EXPECT_EQ(Names(list), SplitServerList(after));
        registry.Put(HKLM, CONFIGURATION, "Server List", "127.0.0.9");
        Load();
        EXPECT_EQ(Value(), DEFAULT_SERVER_LIST) << atStart;
    }
}

const RegistryRoot HKCU = RegistryRoot::CurrentUser;

// A list in the clients' layout of these gateways, each a host then a name.
RegistryValue Gateways(const std::vector<std::string>& hostsAndNames)
{
    std::vector<std::string> lines = {"2000", "01"};
    for (std::size_t i = 0; i + 1 < hostsAndNames.size(); i += 2)
        lines.insert(lines.end(), {hostsAndNames[i], "-1", hostsAndNames[i + 1]});
    return {RegistryType::MultiString, MultiString(lines)};
}

// At each key, the normal list or the one that overrides it.
enum class ListKind { Normal, Override };

struct StoredList {
    std::string key;
    ListKind kind;
    RegistryValue value;
};

struct GatewayRowsCase {
    const char* what;
    std::string serverList;
    // Stored in this order, which is not the order they are read in.
    std::vector<StoredList> lists;
    // The rows after those of "Server List": name, blank, description.
    std::vector<std::string> gatewayRows;
    // Where given, the same in the UTF-16 that the rows keep.
    std::vector<std::u16string> keptRows = {};
};

void PrintTo(const GatewayRowsCase& rowsCase, std::ostream* out)
{
    *out << rowsCase.what;
}

class GatewayRowsTest : public PublicListTest, public ::testing::WithParamInterface<GatewayRowsCase> {};

TEST_P(GatewayRowsTest, FollowTheServerListWithEachNewHostOnceAndWriteNothing)
{
    registry.Put(HKLM, CONFIGURATION, "Server List", GetParam().serverList);
    for (const StoredList& stored : GetParam().lists)
        registry.PutValue(HKCU, stored.key,
                          stored.kind == ListKind::Override ? OVERRIDE_GATEWAYS
                                                            : GatewaysValueName(stored.key),
                          stored.value);

    Load();

    std::vector<std::string> expected;
    for (const std::string& name : SplitServerList(Value()))
        expected.push_back(name + " Blizz Server");
    expected.insert(expected.end(), GetParam().gatewayRows.begin(), GetParam().gatewayRows.end());
    std::vector<std::string> shown;
    for (int i = 0; i <= list.GetUpperBound(); ++i)
        shown.push_back(list.GetAt(i).serverName + " " + list.GetAt(i).description);
    EXPECT_EQ(shown, expected);
    std::vector<std::u16string> kept;
    for (int i = list.GetUpperBound() + 1 - static_cast<int>(GetParam().keptRows.size());
         i <= list.GetUpperBound(); ++i)
        kept.push_back(list.GetAt(i).serverNameUtf16 + u" " + list.GetAt(i).descriptionUtf16);
    EXPECT_EQ(kept, GetParam().keptRows);
    for (const std::string& write : registry.writes)
        EXPECT_EQ(write, CONFIGURATION + "\\Server List=" + DEFAULT_SERVER_LIST);
}

INSTANTIATE_TEST_SUITE_P(
    GatewayLists, GatewayRowsTest,
    ::testing::Values(
        GatewayRowsCase{
            "the override, the shared list's new hosts, then Diablo's; a malformed Warcraft II list",
            "127.0.0.1;127.0.0.2",
            {{WARCRAFT2_GATEWAYS,
              ListKind::Normal,
              {RegistryType::MultiString, MultiString({"2000", "01", "127.0.0.9", "-1"})}},
             {DIABLO_GATEWAYS, ListKind::Normal,
              Gateways({"GWZ..INVALID", "Diablo's spelling", "127.0.0.5", "Diablo five"})},
             {SHARED_GATEWAYS, ListKind::Normal,
              Gateways({"127.0.0.2", "Shared two", "127.0.0.4", "Shared four", "gwz..invalid", "Shared"})},
             {SHARED_GATEWAYS, ListKind::Override, Gateways({"127.0.0.3", "Override"})}},
            {"127.0.0.3 Override", "127.0.0.4 Shared four", "gwz..invalid Shared", "127.0.0.5 Diablo five"}},
        GatewayRowsCase{
            "lists that are not REG_MULTI_SZ in the clients' layout add nothing; an override first",
            "127.0.0.1;127.0.0.2",
            {{SHARED_GATEWAYS, ListKind::Normal, {RegistryType::String, std::string("127.0.0.3\0", 10)}},
             {DIABLO_GATEWAYS,
              ListKind::Normal,
              {RegistryType::MultiString, MultiString({"2000", "1a", "127.0.0.4", "-1", "D1"})}},
             {WARCRAFT2_GATEWAYS, ListKind::Normal, Gateways({"127.0.0.7", "W2"})},
             {WARCRAFT2_GATEWAYS, ListKind::Override, Gateways({"127.0.0.6", "W2 override"})}},
            {"127.0.0.6 W2 override", "127.0.0.7 W2"}},
        GatewayRowsCase{"a host shown already, in any case, is not added again",
                        "GW..Invalid;127.0.0.1",
                        {{SHARED_GATEWAYS, ListKind::Normal,
                          Gateways({"gw..invalid", "x", "127.0.0.3", "First", "127.0.0.3", "Again"})}},
                        {"127.0.0.3 First"}},
        GatewayRowsCase{"a seeded default list comes first, and only it is written",
                        "127.0.0.1",
                        {{SHARED_GATEWAYS, ListKind::Normal, Gateways({"127.0.0.1", "Left by a launch"})}},
                        {"127.0.0.1 Left by a launch"}},
        GatewayRowsCase{"hosts and names beyond the code page are kept as stored; hosts shown alike are two",
                        "127.0.0.1;127.0.0.2",
                        {{SHARED_GATEWAYS,
                          ListKind::Normal,
                          {RegistryType::MultiString,
                           Utf16MultiString({u"2000", u"01", u"서버.example.test", u"-9", u"한국",
                                             u"게임.example.test", u"-9", u"Россия"})}}},
                        {"??.example.test ??", "??.example.test ??????"},
                        {u"서버.example.test 한국", u"게임.example.test Россия"}}));

TEST(DefaultServerList, HoldsEightAddressesThenAHostName)
{
    std::vector<std::string> names = SplitServerList(DEFAULT_SERVER_LIST);
    ASSERT_EQ(names.size(), 9u);
    const std::regex address(R"((25[0-5]|2[0-4]\d|1\d\d|[1-9]?\d)(\.(25[0-5]|2[0-4]\d|1\d\d|[1-9]?\d)){3})");
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(std::regex_match(names[i], address)) << names[i];
    EXPECT_FALSE(std::regex_match(names[8], address));
    EXPECT_TRUE(std::regex_match(names[8], std::regex(R"([a-z0-9-]+(\.[a-z0-9-]+)+)"))) << names[8];
}

} // namespace
