#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "clients/gateway_list.h"
#include "gateway_lines.h"

namespace {

// The list that the re-released Diablo and Warcraft II make for themselves.
const std::vector<std::string> RERELEASE = {"2000", "01", "connect-forever.classic.blizzard.com", "8",
                                            "Global"};
// Diablo II's own default list, in the older format.
const std::vector<std::string> CLASSIC = {
    "1009", "01",       "uswest.battle.net", "8",  "U.S.West", "useast.battle.net",
    "6",    "U.S.East", "asia.battle.net",   "-9", "Asia",     "europe.battle.net",
    "-1",   "Europe"};
// Names that no Western code page can spell, as other tools write them.
const std::vector<std::u16string> WORLD = {u"2000", u"02",     u"127.0.0.1", u"-9", u"아시아", u"127.0.0.2",
                                           u"-3",   u"Россия", u"127.0.0.3", u"-2", u"Ελλάδα"};

struct ParseCase {
    const char* name;
    std::string data;
    GatewayListFault fault;
    int gateways;
    int selected;
};

void PrintTo(const ParseCase& parseCase, std::ostream* out)
{
    *out << parseCase.name;
}

class GatewayListParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(GatewayListParse, TellsTheShapeAndKeepsEveryByteOfAListThatParses)
{
    GatewayList list;
    EXPECT_EQ(list.Parse(GetParam().data), GetParam().fault);
    EXPECT_EQ(list.GatewayCount(), GetParam().gateways);
    EXPECT_EQ(list.Selected(), GetParam().selected);
    if (GetParam().fault == GatewayListFault::None)
        EXPECT_EQ(list.Data(), GetParam().data);
}

const std::string UNENDED = MultiString(RERELEASE).substr(0, MultiString(RERELEASE).size() - 2);

INSTANTIATE_TEST_SUITE_P(
    Shapes, GatewayListParse,
    ::testing::Values(
        ParseCase{"Rerelease", MultiString(RERELEASE), GatewayListFault::None, 1, 1},
        ParseCase{"Classic", MultiString(CLASSIC), GatewayListFault::None, 4, 1},
        ParseCase{"NamesBeyondTheCodePage", Utf16MultiString(WORLD), GatewayListFault::None, 3, 2},
        ParseCase{"WithoutTheEndLine", UNENDED, GatewayListFault::None, 1, 1},
        ParseCase{"HeaderOnly", MultiString({"1001", "00"}), GatewayListFault::None, 0, 0},
        ParseCase{"OneDigitSelection", MultiString(LoopbackGateways(3, "3")), GatewayListFault::None, 3, 3},
        ParseCase{"SelectionBeyondTheList", MultiString(LoopbackGateways(2, "07")), GatewayListFault::None, 2,
                  0},
        ParseCase{"Empty", "", GatewayListFault::TooFewLines, 0, 0},
        ParseCase{"EndLineOnly", std::string(2, '\0'), GatewayListFault::TooFewLines, 0, 0},
        ParseCase{"FormatOnly", MultiString({"2000"}), GatewayListFault::TooFewLines, 0, 0},
        ParseCase{"LetterInSelection", MultiString({"2000", "1a"}), GatewayListFault::BadSelection, 0, 0},
        ParseCase{"ThreeDigitSelection", MultiString(LoopbackGateways(1, "001")),
                  GatewayListFault::BadSelection, 0, 0},
        ParseCase{"SignedSelection", MultiString(LoopbackGateways(1, "-1")), GatewayListFault::BadSelection,
                  0, 0},
        ParseCase{"BlankInSelection", MultiString(LoopbackGateways(1, " 1")), GatewayListFault::BadSelection,
                  0, 0},
        ParseCase{"GatewayWithoutName", MultiString({"2000", "01", "127.0.0.1", "-1"}),
                  GatewayListFault::NotInThrees, 0, 0},
        ParseCase{"HostPastTheLastGateway",
                  MultiString({"2000", "01", "127.0.0.1", "-1", "Loopback", "127.0.0.2"}),
                  GatewayListFault::NotInThrees, 0, 0},
        ParseCase{"OddByteCount", Utf16MultiString(WORLD) + '\0', GatewayListFault::OddByteCount, 0, 0},
        ParseCase{"LastLineUnended", UNENDED.substr(0, UNENDED.size() - 2),
                  GatewayListFault::UnterminatedLine, 0, 0},
        ParseCase{"EmptyLineInside", MultiString({"2000", "01"}) + MultiString(RERELEASE),
                  GatewayListFault::EmptyLine, 0, 0},
        ParseCase{"TwoEndLines", MultiString(RERELEASE) + std::string(2, '\0'), GatewayListFault::EmptyLine,
                  0, 0}),
    [](const ::testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

TEST(GatewayList, FindsAHostIgnoringCaseAndReadsItsLines)
{
    GatewayList list;
    ASSERT_EQ(list.Parse(MultiString(CLASSIC)), GatewayListFault::None);

    EXPECT_EQ(list.Find(u"ASIA.Battle.NET"), 3);
    EXPECT_EQ(list.Find(u"asia.battle.net "), 0);
    EXPECT_EQ(list.Find(u"U.S.East"), 0);
    const Gateway asia = list.GatewayAt(3);
    EXPECT_EQ(asia.host + u"|" + asia.zone + u"|" + asia.name, u"asia.battle.net|-9|Asia");

    ASSERT_EQ(list.Parse(MultiString({"2000", "01", "zone.Zulu..invalid", "0", "Z"})),
              GatewayListFault::None);
    EXPECT_EQ(list.Find(u"ZONE.zulu..INVALID"), 1);
}

TEST(GatewayList, SelectingRewritesOnlyTheSelectionAsTwoDigits)
{
    GatewayList list;
    ASSERT_EQ(list.Parse(MultiString(LoopbackGateways(12, "7"))), GatewayListFault::None);

    EXPECT_TRUE(list.Select(4));
    EXPECT_EQ(list.Data(), MultiString(LoopbackGateways(12, "04")));
    EXPECT_TRUE(list.Select(12));
    EXPECT_EQ(list.Data(), MultiString(LoopbackGateways(12, "12")));
    EXPECT_FALSE(list.Select(0));
    EXPECT_FALSE(list.Select(13));
    EXPECT_EQ(list.Selected(), 12);
}

TEST(GatewayList, AppendingAddsThreeLinesAfterTheLastGatewayAndKeepsTheEnding)
{
    for (const std::string& ending : {std::string(2, '\0'), std::string()}) {
        GatewayList list;
        const std::string data = MultiString(RERELEASE);
        ASSERT_EQ(list.Parse(data.substr(0, data.size() - 2) + ending), GatewayListFault::None);

        EXPECT_TRUE(list.Append({u"velnor..invalid", u"-1", u"Clan server"}));
        EXPECT_TRUE(list.Select(list.GatewayCount()));

        std::vector<std::string> lines = RERELEASE;
        lines[1] = "02";
        lines.insert(lines.end(), {"velnor..invalid", "-1", "Clan server"});
        const std::string expected = MultiString(lines);
        EXPECT_EQ(list.Data(), expected.substr(0, expected.size() - 2) + ending);
    }
}

TEST(GatewayList, AnAddedGatewayIsWrittenInUtf16AndTheOtherNamesKeepTheirBytes)
{
    GatewayList list;
    ASSERT_EQ(list.Parse(Utf16MultiString(WORLD)), GatewayListFault::None);

    EXPECT_TRUE(list.Append({u"velnor..invalid", u"-1", u"서버"}));
    EXPECT_TRUE(list.Select(4));

    std::vector<std::u16string> lines = WORLD;
    lines[1] = u"04";
    lines.insert(lines.end(), {u"velnor..invalid", u"-1", u"서버"});
    EXPECT_EQ(list.Data(), Utf16MultiString(lines));
}

TEST(GatewayList, TwoDigitsNumberNinetyNineGateways)
{
    GatewayList list;
    ASSERT_EQ(list.Parse(MultiString(LoopbackGateways(98))), GatewayListFault::None);
    EXPECT_TRUE(list.Append({u"127.0.0.99", u"0", u"last"}));
    EXPECT_TRUE(list.Select(99));
    EXPECT_FALSE(list.Append({u"127.0.1.1", u"0", u"one too many"}));
    EXPECT_EQ(list.GatewayCount(), 99);

    ASSERT_EQ(list.Parse(MultiString(LoopbackGateways(100))), GatewayListFault::None);
    EXPECT_FALSE(list.Select(100));
    EXPECT_TRUE(list.Select(99));
}

TEST(GatewayList, RefusesLinesThatWouldBreakTheList)
{
    GatewayList list;
    ASSERT_EQ(list.Parse(MultiString(RERELEASE)), GatewayListFault::None);

    EXPECT_FALSE(list.Append({u"", u"-1", u"name"}));
    EXPECT_FALSE(list.Append({u"127.0.0.1", u"", u"name"}));
    EXPECT_FALSE(list.Append({u"127.0.0.1", u"-1", std::u16string(u"a\0b", 3)}));
    EXPECT_EQ(list.Data(), MultiString(RERELEASE));

    ASSERT_NE(list.Parse(MultiString({"2000"})), GatewayListFault::None);
    EXPECT_FALSE(list.Append({u"127.0.0.1", u"-1", u"name"}));
    EXPECT_FALSE(list.Select(1));
}

TEST(GatewayList, TheTimeZoneIsTheBiasInWholeHoursNearestFirst)
{
    const std::vector<std::pair<int, int>> biases = {{480, 8},   {300, 5},   {0, 0},     {-60, -1},
                                                     {-540, -9}, {-345, -6}, {210, 4},   {-330, -6},
                                                     {29, 0},    {-29, 0},   {-840, -14}};
    for (const auto& [bias, hours] : biases)
        EXPECT_EQ(GatewayTimeZone(bias), hours) << bias;
}

} // namespace
