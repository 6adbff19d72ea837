#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "clients/game_table.h"
#include "fakes/fake_code_page.h"
#include "fakes/fake_main_window.h"
#include "gateway_lines.h"
#include "launch/launch_game.h"
#include "lists/public_list.h"
#include "res/maintainer.h"
#include "ui/manager_commands.h"

namespace {

const RegistryRoot HKLM = RegistryRoot::LocalMachine;
const RegistryRoot HKCU = RegistryRoot::CurrentUser;
const std::string CONFIGURATION = "Software\\Battle.Net\\Configuration";
const std::string ARCHIVES = "Software\\Blizzard Entertainment\\Archives";
const std::string STARCRAFT = "Software\\Blizzard Entertainment\\Starcraft";
const std::string WARCRAFT2 = "Software\\Blizzard Entertainment\\Warcraft II BNE";
const std::string LEFT_HEADLINE =
    "The game was not pointed at the server in these values that it reads, which were left as they were:\n";
const std::string ERROR_HEADLINE =
    std::string("An error has occured -- email the following to ") + MAINTAINER_EMAIL;

// A machine with all three games installed in distinct directories, each
// key also holding the other games' value names, so that a game reading the
// wrong key or value is caught, and "Server List" holding a list.
struct LaunchTest : ::testing::Test {
    LaunchTest()
    {
        registry.Put(HKLM, CONFIGURATION, "Server List", "a.example;b.example;");
        registry.Put(HKLM, ARCHIVES, "DiabloInstall", "C:\\Diablo");
        registry.Put(HKLM, ARCHIVES, "InstallPath", "C:\\WrongArchives");
        registry.Put(HKLM, STARCRAFT, "InstallPath", "C:\\Starcraft");
        registry.Put(HKLM, STARCRAFT, "DiabloInstall", "C:\\WrongStarcraft");
        registry.Put(HKLM, STARCRAFT, "Program", "D:\\Expansion\\BroodWar.exe");
        registry.Put(HKLM, WARCRAFT2, "InstallPath", "C:\\Warcraft II BNE");
        registry.Put(HKLM, WARCRAFT2, "DiabloInstall", "C:\\WrongWarcraft");
    }

    void Launch(Game game, const std::string& server = "srv.example", const std::string& description = "")
    {
        const Answer report =
            LaunchGame(game, {server, description}, deleteCache, registry, shell, timeZone, codePage);
        for (const std::string& text : report.messages)
            Keep(messages, "message ", text);
        if (!report.warning.empty())
            Keep(warnings, "warning ", report.warning);
    }
    // Keeps what a launch answered, in the event log too while one is kept.
    void Keep(std::vector<std::string>& answers, const std::string& kind, const std::string& text)
    {
        answers.push_back(text);
        if (registry.events)
            events.push_back(kind + text);
    }
    std::string ServerListValue() const { return registry.Value(HKLM, CONFIGURATION, "Server List"); }
    void PutGateways(const std::string& key, const std::string& data,
                     RegistryType type = RegistryType::MultiString)
    {
        registry.PutValue(HKCU, key, GatewaysValueName(key), {type, data});
    }
    // The gateway list's data as stored, "" when there is none.
    std::string Gateways(const std::string& key, const std::string& valueName = "") const
    {
        auto it = registry.values.find({HKCU, key, valueName.empty() ? GatewaysValueName(key) : valueName});
        return it == registry.values.end() ? "" : it->second.data;
    }
    // Every registry write, deletion, launch and answer from here on, in order.
    std::vector<std::string>& LogEvents()
    {
        registry.events = &events;
        shell.events = &events;
        return events;
    }

    FakeRegistry registry;
    FakeShell shell;
    FakeTimeZone timeZone;
    FakeCodePage codePage;
    bool deleteCache = false;
    // What the launches answered for the user, in order.
    std::vector<std::string> messages;
    std::vector<std::string> warnings;
    std::vector<std::string> events;
};

struct GameCase {
    const char* name;
    Game game;
    std::string installDirectory;
    std::string executable;
};

void PrintTo(const GameCase& gameCase, std::ostream* out)
{
    *out << gameCase.name;
}

class EachGame : public LaunchTest, public ::testing::WithParamInterface<GameCase> {};

TEST_P(EachGame, WritesTheServerAloneDeletesTheCacheThenOpensTheGameHiddenInItsDirectory)
{
    std::vector<std::string>& events = LogEvents();
    deleteCache = true;

    Launch(GetParam().game, "srv.example");

    EXPECT_EQ(events, (std::vector<std::string>{
                          "write " + CONFIGURATION + "\\Server List=srv.example",
                          "delete " + GetParam().installDirectory + "\\BNCACHE.DAT",
                          "execute " + GetParam().executable,
                      }));
    EXPECT_EQ(ServerListValue(), "srv.example");
    ASSERT_EQ(shell.executions.size(), 1u);
    const FakeShell::Execution& run = shell.executions[0];
    EXPECT_EQ(run.verb, "Open");
    EXPECT_EQ(run.parameters, "");
    EXPECT_EQ(run.directory, GetParam().installDirectory);
    EXPECT_EQ(run.showCommand, 0);
}

TEST_P(EachGame, WithItsValuesMissingIsReportedAndChangesNothing)
{
    const GameInstallation& installation = GameInstallationOf(GetParam().game);
    registry.values.erase({HKLM, installation.key, installation.installDirectoryValue});
    const auto before = registry.values;
    deleteCache = true;

    Launch(GetParam().game);

    EXPECT_EQ(registry.values, before);
    EXPECT_TRUE(shell.executions.empty() && shell.deleted.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Games, EachGame,
    ::testing::Values(GameCase{"Diablo", Game::Diablo, "C:\\Diablo", "C:\\Diablo\\Diablo.exe"},
                      GameCase{"StarCraft", Game::StarCraft, "C:\\Starcraft", "C:\\Starcraft\\Starcraft.exe"},
                      GameCase{"Warcraft2", Game::Warcraft2, "C:\\Warcraft II BNE",
                               "C:\\Warcraft II BNE\\Warcraft II BNE.exe"}),
    [](const ::testing::TestParamInfo<GameCase>& info) { return std::string(info.param.name); });

TEST_F(LaunchTest, WithTheBoxClearNothingIsDeletedWhetherTheLaunchWorksOrNot)
{
    for (int result : {42, 2})
        for (Game game : {Game::Diablo, Game::StarCraft, Game::Warcraft2}) {
            shell.executeResult = result;
            Launch(game);
        }

    EXPECT_TRUE(shell.deleted.empty());
    EXPECT_EQ(shell.executions.size(), 6u);
}

TEST_F(LaunchTest, StarCraftChoosesItsExecutableByWhetherBroodWarHoldsAnyText)
{
    registry.values.erase({HKLM, STARCRAFT, "Brood War"});
    Launch(Game::StarCraft);
    registry.Put(HKLM, STARCRAFT, "Brood War", "");
    Launch(Game::StarCraft);
    for (const char* broodWar : {"1", " ", "no"}) {
        registry.Put(HKLM, STARCRAFT, "Brood War", broodWar);
        Launch(Game::StarCraft);
    }

    std::vector<std::string> started;
    for (const FakeShell::Execution& run : shell.executions) {
        started.push_back(run.file);
        EXPECT_EQ(run.directory, "C:\\Starcraft");
    }
    EXPECT_EQ(started,
              (std::vector<std::string>{"C:\\Starcraft\\Starcraft.exe", "C:\\Starcraft\\Starcraft.exe",
                                        "D:\\Expansion\\BroodWar.exe", "D:\\Expansion\\BroodWar.exe",
                                        "D:\\Expansion\\BroodWar.exe"}));
}

TEST_F(LaunchTest, StarCraftWithBroodWarButNoProgramIsNotInstalled)
{
    registry.Put(HKLM, STARCRAFT, "Brood War", "1");
    registry.values.erase({HKLM, STARCRAFT, "Program"});

    Launch(Game::StarCraft);

    EXPECT_TRUE(shell.executions.empty());
    EXPECT_EQ(messages.back(), "Program:  ");
}

TEST_F(LaunchTest, WithoutAServerOnlyAsksForOne)
{
    deleteCache = true;

    for (Game game : {Game::Diablo, Game::StarCraft, Game::Warcraft2})
        Launch(game, "");

    EXPECT_EQ(messages, std::vector<std::string>(3, "Select a server first"));
    EXPECT_TRUE(registry.writes.empty());
    EXPECT_TRUE(registry.reads.empty());
    EXPECT_TRUE(shell.deleted.empty());
    EXPECT_TRUE(shell.executions.empty());
}

TEST_F(LaunchTest, AServerOfBlanksOnlyIsWrittenAndLaunchedLikeAnyOther)
{
    Launch(Game::Diablo, "   ");

    EXPECT_EQ(ServerListValue(), "   ");
    EXPECT_EQ(shell.executions.size(), 1u);
    EXPECT_TRUE(messages.empty());
}

TEST_F(LaunchTest, AServerListLeftAsItWasIsNamedAndTheGameStillStarts)
{
    registry.denied.insert("Software\\Velnor");
    Launch(Game::Diablo);
    registry.denied.clear();
    registry.readOnly = {CONFIGURATION, ARCHIVES};
    Launch(Game::Diablo);

    EXPECT_EQ(ServerListValue(), "a.example;b.example;");
    EXPECT_EQ(shell.executions.size(), 2u);
    const std::string line = LEFT_HEADLINE + "\nHKEY_LOCAL_MACHINE\\" + CONFIGURATION + " \"Server List\": ";
    EXPECT_EQ(warnings,
              (std::vector<std::string>{line + "what it holds could not be kept for the next start.",
                                        line + "it could not be written."}));
}

TEST_F(LaunchTest, AFailedStarCraftLaunchReportsFourBoxesTheBroodWarLineEvenWhenEmpty)
{
    shell.executeResult = 2;

    Launch(Game::StarCraft);
    registry.Put(HKLM, STARCRAFT, "Brood War", "yes");
    Launch(Game::StarCraft);

    EXPECT_EQ(messages, (std::vector<std::string>{
                            ERROR_HEADLINE, "Brood War:  ", "InstallPath:  C:\\Starcraft",
                            "Program:  C:\\Starcraft\\Starcraft.exe", ERROR_HEADLINE, "Brood War:  yes",
                            "InstallPath:  C:\\Starcraft", "Program:  D:\\Expansion\\BroodWar.exe"}));
}

TEST_F(LaunchTest, AFailedDiabloOrWarcraftLaunchReportsThreeBoxes)
{
    shell.executeResult = 0;

    Launch(Game::Diablo);
    registry.values.clear();
    Launch(Game::Warcraft2);

    EXPECT_EQ(messages, (std::vector<std::string>{ERROR_HEADLINE, "InstallPath:  C:\\Diablo",
                                                  "Program:  C:\\Diablo\\Diablo.exe", ERROR_HEADLINE,
                                                  "InstallPath:  ", "Program:  \\Warcraft II BNE.exe"}));
}

TEST_F(LaunchTest, OnlyResultsAbove32CountAsStarted)
{
    shell.executeResult = 32;
    Launch(Game::Diablo);
    EXPECT_EQ(messages.size(), 3u);

    messages.clear();
    shell.executeResult = 33;
    Launch(Game::Diablo);
    EXPECT_TRUE(messages.empty());
}

TEST_F(LaunchTest, AFailedLaunchUndoesNothing)
{
    std::vector<std::string>& events = LogEvents();
    deleteCache = true;
    shell.executeResult = 5;

    Launch(Game::Diablo, "srv.example");

    EXPECT_EQ(ServerListValue(), "srv.example");
    EXPECT_EQ(events, (std::vector<std::string>{
                          "write " + CONFIGURATION + "\\Server List=srv.example",
                          "delete C:\\Diablo\\BNCACHE.DAT",
                          "execute C:\\Diablo\\Diablo.exe",
                          "message " + ERROR_HEADLINE,
                          "message InstallPath:  C:\\Diablo",
                          "message Program:  C:\\Diablo\\Diablo.exe",
                      }));
}

// Each game's own gateway lists: the shared key's, and for today's Diablo
// and Warcraft II their own key's; at each key the override list and the
// normal one. A list named here and not seeded must stay absent.
TEST_F(LaunchTest, EachGamePointsTheGatewayListsItsClientsReadAndNoOther)
{
    const std::map<Game, std::vector<std::string>> readBy = {
        {Game::StarCraft, {SHARED_GATEWAYS}},
        {Game::Diablo, {SHARED_GATEWAYS, DIABLO_GATEWAYS}},
        {Game::Warcraft2, {SHARED_GATEWAYS, WARCRAFT2_GATEWAYS}}};
    std::vector<std::string> appended = LoopbackGateways(2, "02");
    appended.insert(appended.end(), {"velnor..invalid", "-1", "Clan server"});
    appended[1] = "03";

    for (const auto& [game, keys] : readBy) {
        for (const std::string& key : {SHARED_GATEWAYS, DIABLO_GATEWAYS, WARCRAFT2_GATEWAYS}) {
            PutGateways(key, MultiString(LoopbackGateways(2)));
            registry.PutValue(HKCU, key, OVERRIDE_GATEWAYS,
                              {RegistryType::MultiString, MultiString(LoopbackGateways(2))});
        }

        Launch(game, "velnor..invalid", "Clan server");

        for (const std::string& key : {SHARED_GATEWAYS, DIABLO_GATEWAYS, WARCRAFT2_GATEWAYS}) {
            const bool read = std::find(keys.begin(), keys.end(), key) != keys.end();
            EXPECT_EQ(Gateways(key), MultiString(read ? appended : LoopbackGateways(2))) << key;
            EXPECT_EQ(Gateways(key, OVERRIDE_GATEWAYS), MultiString(read ? appended : LoopbackGateways(2)))
                << key;
        }
    }
    EXPECT_TRUE(warnings.empty());
}

// A launch from a gateway row with the shared key's two lists, and the
// per-user "Server List" that older clients read before the machine's.
struct UserServerListCase {
    const char* what;
    std::optional<RegistryValue> stored;
    // The values written, in order; the per-user value's data afterwards;
    // the lines that name the values left, after the box's headline.
    std::vector<std::string> written;
    std::string after;
    std::string left;
    ServerEntry server = {"gw..invalid", "Override"};
    // Where given, the override list's selection and the lines it gained.
    std::u16string selection = u"";
    std::vector<std::u16string> added = {};
    // Where given, what the per-user value holds after the next start.
    std::optional<std::string> givenBack = std::nullopt;
};

void PrintTo(const UserServerListCase& userCase, std::ostream* out)
{
    *out << userCase.what;
}

class UserServerListTest : public LaunchTest, public ::testing::WithParamInterface<UserServerListCase> {};

TEST_P(UserServerListTest, IsWrittenAfterTheMachinesWhereItIsAStringTheHostFitsNeverMadeAndItsListGivenBack)
{
    PutGateways(SHARED_GATEWAYS, MultiString(LoopbackGateways(1)));
    std::vector<std::u16string> lines = {
        u"2000", u"01",       u"127.0.0.1",         u"-1", u"Loopback", u"gw..invalid",
        u"8",    u"Override", u"서버.example.test", u"-9", u"한국"};
    registry.PutValue(HKCU, SHARED_GATEWAYS, OVERRIDE_GATEWAYS,
                      {RegistryType::MultiString, Utf16MultiString(lines)});
    if (GetParam().stored)
        registry.PutValue(HKCU, CONFIGURATION, "Server List", *GetParam().stored);

    const Answer report =
        LaunchGame(Game::StarCraft, GetParam().server, false, registry, shell, timeZone, codePage);

    std::vector<std::string> written;
    for (const std::string& write : registry.writes)
        written.push_back(write.substr(0, write.find('=')));
    EXPECT_EQ(written, GetParam().written);
    auto it = registry.values.find({HKCU, CONFIGURATION, "Server List"});
    EXPECT_EQ(it == registry.values.end() ? "(none)" : it->second.data, GetParam().after);
    EXPECT_EQ(report.warning, GetParam().left.empty() ? "" : LEFT_HEADLINE + GetParam().left);
    lines[1] = GetParam().selection;
    lines.insert(lines.end(), GetParam().added.begin(), GetParam().added.end());
    if (!GetParam().selection.empty())
        EXPECT_EQ(Gateways(SHARED_GATEWAYS, OVERRIDE_GATEWAYS), Utf16MultiString(lines));

    CServerList list;
    LoadPublicList(registry, codePage, list);
    EXPECT_EQ(ServerListValue(), "a.example;b.example;");
    it = registry.values.find({HKCU, CONFIGURATION, "Server List"});
    EXPECT_EQ(it == registry.values.end() ? "(none)" : it->second.data,
              GetParam().givenBack.value_or(GetParam().after));
}

const std::string MACHINE_LIST = CONFIGURATION + "\\Server List";
const std::string NORMAL_LIST = SHARED_GATEWAYS + "\\Battle.net Gateways";
const std::string OVERRIDE_LIST = SHARED_GATEWAYS + "\\" + OVERRIDE_GATEWAYS;
const std::string MACHINE_LEFT = "\nHKEY_LOCAL_MACHINE\\" + CONFIGURATION + " \"Server List\": ";
const std::string USER_LEFT = "\nHKEY_CURRENT_USER\\" + CONFIGURATION + " \"Server List\": ";
const std::string BEYOND = "its host has characters that this system's code page cannot hold.";

INSTANTIATE_TEST_SUITE_P(
    Values, UserServerListTest,
    ::testing::Values(UserServerListCase{"a string",
                                         RegistryValue{RegistryType::String, std::string("::1;::2\0", 8)},
                                         {MACHINE_LIST, MACHINE_LIST, OVERRIDE_LIST, NORMAL_LIST},
                                         std::string("gw..invalid\0", 12),
                                         "",
                                         {"gw..invalid", "Override"},
                                         u"",
                                         {},
                                         std::string("::1;::2\0", 8)},
                      UserServerListCase{
                          "none", std::nullopt, {MACHINE_LIST, OVERRIDE_LIST, NORMAL_LIST}, "(none)", ""},
                      UserServerListCase{"a REG_MULTI_SZ",
                                         RegistryValue{RegistryType::MultiString, MultiString({"127.0.0.1"})},
                                         {MACHINE_LIST, OVERRIDE_LIST, NORMAL_LIST},
                                         MultiString({"127.0.0.1"}),
                                         USER_LEFT + "it is not a REG_SZ value."},
                      // Rows of gateways that the code page cannot show, as the public list keeps them.
                      UserServerListCase{"a host beyond the code page, from this list",
                                         RegistryValue{RegistryType::String, std::string("127.0.0.1\0", 10)},
                                         {OVERRIDE_LIST, NORMAL_LIST},
                                         std::string("127.0.0.1\0", 10),
                                         MACHINE_LEFT + BEYOND + USER_LEFT + BEYOND,
                                         {"??.example.test", "??", 0, 0, u"서버.example.test", u"한국"},
                                         u"03"},
                      UserServerListCase{"a host beyond the code page, from another game's list",
                                         std::nullopt,
                                         {OVERRIDE_LIST, NORMAL_LIST},
                                         "(none)",
                                         MACHINE_LEFT + BEYOND,
                                         {"??.example.test", "??????", 0, 0, u"게임.example.test", u"Россия"},
                                         u"04",
                                         {u"게임.example.test", u"-1", u"Россия"}}));

TEST_F(LaunchTest, AListedHostIsSelectedIgnoringCaseAndNotAddedAgain)
{
    std::vector<std::string> lines = LoopbackGateways(2);
    lines.insert(lines.end(), {"Velnor..Invalid", "8", "Clan server"});
    PutGateways(SHARED_GATEWAYS, MultiString(lines));

    Launch(Game::StarCraft, "velnor..INVALID", "Another description");

    lines[1] = "03";
    EXPECT_EQ(Gateways(SHARED_GATEWAYS), MultiString(lines));
}

TEST_F(LaunchTest, AListAlreadyPointedAtTheServerIsNotWrittenAgain)
{
    PutGateways(SHARED_GATEWAYS, MultiString(LoopbackGateways(2, "02")));

    Launch(Game::StarCraft, "127.0.0.2");

    EXPECT_EQ(registry.writes, std::vector<std::string>{CONFIGURATION + "\\Server List=127.0.0.2"});
}

TEST_F(LaunchTest, AnAddedGatewayCarriesTheLocalZoneAndTheDescriptionOrElseTheName)
{
    timeZone.biasMinutes = 480;
    PutGateways(SHARED_GATEWAYS, MultiString({"1001", "00"}));

    Launch(Game::StarCraft, "127.0.0.5", "");
    Launch(Game::StarCraft, "127.0.0.6", "Described");

    EXPECT_EQ(Gateways(SHARED_GATEWAYS),
              MultiString({"1001", "02", "127.0.0.5", "8", "127.0.0.5", "127.0.0.6", "8", "Described"}));
}

TEST_F(LaunchTest, NoGatewayListOrKeyIsEverMade)
{
    registry.MakeKey(HKCU, DIABLO_GATEWAYS);

    Launch(Game::Diablo);

    EXPECT_EQ(registry.writes, std::vector<std::string>{CONFIGURATION + "\\Server List=srv.example"});
    EXPECT_EQ(registry.values.count({HKCU, DIABLO_GATEWAYS, "Battle.net gateways"}), 0u);
    EXPECT_TRUE(warnings.empty());
}

TEST_F(LaunchTest, ListsAreWrittenAfterTheCacheIsDeletedAndBeforeTheGameStarts)
{
    PutGateways(WARCRAFT2_GATEWAYS, MultiString(LoopbackGateways(1)));
    std::vector<std::string>& events = LogEvents();
    deleteCache = true;

    Launch(Game::Warcraft2, "127.0.0.2");

    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[1], "delete C:\\Warcraft II BNE\\BNCACHE.DAT");
    EXPECT_EQ(events[2].substr(0, 6 + WARCRAFT2_GATEWAYS.size()), "write " + WARCRAFT2_GATEWAYS);
    EXPECT_EQ(events[3], "execute C:\\Warcraft II BNE\\Warcraft II BNE.exe");
}

// Every list that cannot take the server is left byte for byte, the launch
// goes on, and one box after the start, and after any failure report,
// names each with its reason.
TEST_F(LaunchTest, ListsThatCannotTakeTheServerAreLeftAndNamedOnceAfterTheStart)
{
    const std::string notInThrees = MultiString({"2000", "01", "127.0.0.1", "-1"});
    const std::string full = MultiString(LoopbackGateways(99));
    PutGateways(SHARED_GATEWAYS, "127.0.0.1", RegistryType::String);
    PutGateways(DIABLO_GATEWAYS, notInThrees);
    std::vector<std::string>& events = LogEvents();
    shell.executeResult = 2;

    Launch(Game::Diablo, "velnor..invalid");
    EXPECT_EQ(registry.Value(HKCU, SHARED_GATEWAYS, "Battle.net Gateways"), "127.0.0.1");
    EXPECT_EQ(Gateways(DIABLO_GATEWAYS), notInThrees);
    PutGateways(SHARED_GATEWAYS, full);
    registry.MakeKey(HKCU, WARCRAFT2_GATEWAYS);
    registry.unreadable.insert("Battle.net gateways");
    Launch(Game::Warcraft2, "velnor..invalid");

    ASSERT_EQ(events.size(), 12u);
    EXPECT_EQ(events[5],
              "warning " + LEFT_HEADLINE +
                  "\nHKEY_CURRENT_USER\\Software\\Battle.net\\Configuration \"Battle.net Gateways\": "
                  "it is not a REG_MULTI_SZ value."
                  "\nHKEY_CURRENT_USER\\Software\\Battle.net\\D1\\Configuration \"Battle.net gateways\": "
                  "its gateway lines do not come in threes.");
    EXPECT_EQ(Gateways(SHARED_GATEWAYS), full);
    EXPECT_EQ(events[11],
              "warning " + LEFT_HEADLINE +
                  "\nHKEY_CURRENT_USER\\Software\\Battle.net\\Configuration \"Battle.net Gateways\": "
                  "it already holds 99 gateways, as many as it can number."
                  "\nHKEY_CURRENT_USER\\Software\\Battle.net\\W2\\Configuration \"Battle.net gateways\": "
                  "it could not be read.");
}

// The main window's buttons on a machine with StarCraft installed, two
// public and two private servers, and every effect in one shared log.
struct LaunchCommandTest : ::testing::Test, FakeMainWindow {
    static constexpr const char* PRIVATE_FILE = "C:\\WINDOWS\\VELNOR.INI";

    LaunchCommandTest()
    {
        registry.Put(HKLM, CONFIGURATION, "Server List", "127.0.0.1;127.0.0.2");
        registry.Put(HKLM, ARCHIVES, "DiabloInstall", "C:\\Diablo");
        registry.Put(HKLM, STARCRAFT, "InstallPath", "C:\\Starcraft");
        registry.Put(HKLM, WARCRAFT2, "InstallPath", "C:\\Warcraft II BNE");
        files.files[PRIVATE_FILE] = "127.0.0.10           ten\r\n"
                                    "127.0.0.11           eleven\r\n";
        commands.InitServerView();
        registry.events = &events;
        shell.events = &events;
        user.events = &events;
        files.events = &events;
    }

    void ShowPrivateList()
    {
        commands.OnPrivateServers();
        events.clear();
    }

    std::vector<std::string> events;
};

TEST_F(LaunchCommandTest, EachButtonStartsItsOwnGameWithTheSelectedServer)
{
    view.selected = 1;

    commands.OnDiablo();
    commands.OnStarCraft();
    commands.OnWarcraft2();

    const std::string write = "write " + CONFIGURATION + "\\Server List=127.0.0.2";
    EXPECT_EQ(events, (std::vector<std::string>{write, "execute C:\\Diablo\\Diablo.exe", write,
                                                "execute C:\\Starcraft\\Starcraft.exe", write,
                                                "execute C:\\Warcraft II BNE\\Warcraft II BNE.exe"}));
}

TEST_F(LaunchCommandTest, AnUnsavedEditIsSavedBeforeTheServerIsWritten)
{
    commands.OnPrivateServers();
    files.failReplace = true;
    user.typed.push_back({"127.0.0.12", "twelve"});
    commands.OnAddServer();
    files.failReplace = false;
    events.clear();
    view.selected = 1;
    user.deleteCacheChecked = true;

    commands.OnStarCraft();

    EXPECT_EQ(events, (std::vector<std::string>{
                          std::string("replace ") + PRIVATE_FILE,
                          "write " + CONFIGURATION + "\\Server List=127.0.0.11",
                          "delete C:\\Starcraft\\BNCACHE.DAT",
                          "execute C:\\Starcraft\\Starcraft.exe",
                      }));
}

TEST_F(LaunchCommandTest, APrivateListNotEditedIsNotWritten)
{
    files.files[PRIVATE_FILE] = "127.0.0.10 ten\n";
    ShowPrivateList();
    user.deleteCacheChecked = true;

    commands.OnDiablo();

    EXPECT_EQ(events, (std::vector<std::string>{"message Select a server first"}));
    EXPECT_EQ(files.files.at(PRIVATE_FILE), "127.0.0.10 ten\n");
}

TEST_F(LaunchCommandTest, ThePublicListIsNeverSaved)
{
    view.selected = 0;

    commands.OnWarcraft2();

    EXPECT_EQ(events, (std::vector<std::string>{"write " + CONFIGURATION + "\\Server List=127.0.0.1",
                                                "execute C:\\Warcraft II BNE\\Warcraft II BNE.exe"}));
}

TEST_F(LaunchCommandTest, AGatewayIsAddedUnderTheSelectedRowsDescription)
{
    ShowPrivateList();
    view.selected = 1;
    registry.PutValue(HKCU, SHARED_GATEWAYS, "Battle.net Gateways",
                      {RegistryType::MultiString, MultiString({"2000", "00"})});

    commands.OnStarCraft();

    EXPECT_EQ(registry.values.at({HKCU, SHARED_GATEWAYS, "Battle.net Gateways"}).data,
              MultiString({"2000", "01", "127.0.0.11", "-1", "eleven"}));
}

// The name as the row shows it, bytes after a NUL left out, and no longer
// than a game takes it.
TEST_F(LaunchCommandTest, TheServerIsTheSelectedRowsNameAsShownCutForTheGame)
{
    files.files[PRIVATE_FILE] = std::string(130, 'x') + " long\r\n" + std::string("a\0hidden b\r\n", 12);
    ShowPrivateList();
    for (view.selected = 0; view.selected < 2; ++view.selected)
        commands.OnStarCraft();
    const std::string serverList = CONFIGURATION + "\\Server List=";
    EXPECT_EQ(registry.writes,
              (std::vector<std::string>{serverList + std::string(127, 'x'), serverList + "a"}));
}

TEST_F(LaunchCommandTest, LaunchesLeaveTheListsAndTheViewAsTheyWere)
{
    ShowPrivateList();
    view.selected = 0;
    view.rows[0][COLUMN_PING] = "40";
    const std::vector<FakeServerView::Row> rows = view.rows;
    shell.executeResult = 2;

    commands.OnStarCraft();
    shell.executeResult = 42;
    commands.OnDiablo();

    EXPECT_EQ(view.rows, rows);
    EXPECT_EQ(view.selected, 0);
    EXPECT_TRUE(commands.IsPrivateListCurrent());
    ASSERT_EQ(commands.CurrentList().GetUpperBound(), 1);
    EXPECT_EQ(commands.CurrentList().GetAt(0).serverName, "127.0.0.10");
    EXPECT_EQ(commands.CurrentList().GetAt(1).serverName, "127.0.0.11");
    EXPECT_EQ(files.files.at(PRIVATE_FILE), "127.0.0.10           ten\r\n"
                                            "127.0.0.11           eleven\r\n");
}

} // namespace
