#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "gateway_lines.h"
#include "launch/launch_game.h"
#include "lists/public_list.h"
#include "lists/server_list.h"
#include "platform/code_page_win32.h"
#include "platform/registry_win32.h"
#include "platform/shell_win32.h"
#include "platform/time_zone.h"
#include "res/maintainer.h"
#include "test_registry.h"

namespace fs = std::filesystem;

namespace {

const char* const CONFIGURATION_KEY = "Software\\Battle.Net\\Configuration";
const char* const STANDIN_RECORD_VARIABLE = "VELNOR_STANDIN_RECORD";
const std::string ERROR_HEADLINE =
    std::string("An error has occured -- email the following to ") + MAINTAINER_EMAIL;
struct GatewayListPlace {
    std::string key;
    std::string valueName;
};
const std::vector<GatewayListPlace> GATEWAY_LISTS = {
    {SHARED_GATEWAYS, GatewaysValueName(SHARED_GATEWAYS)},
    {DIABLO_GATEWAYS, GatewaysValueName(DIABLO_GATEWAYS)},
    {WARCRAFT2_GATEWAYS, GatewaysValueName(WARCRAFT2_GATEWAYS)},
};
// The stand-in starts asynchronously; a generous bound keeps a slow
// machine from failing the test while a lost launch still ends it.
constexpr int RECORD_WAIT_POLLS = 600;
constexpr DWORD RECORD_POLL_MS = 50;

// Creates a key in the games' view, parents included, and removes again
// every key of the path that it had to create.
class CreatedKey {
  public:
    explicit CreatedKey(const std::string& path, HKEY root = HKEY_LOCAL_MACHINE) : m_root(root)
    {
        std::string prefix;
        std::istringstream parts(path);
        for (std::string part; std::getline(parts, part, '\\');) {
            prefix += (prefix.empty() ? "" : "\\") + part;
            HKEY key = nullptr;
            DWORD disposition = 0;
            if (RegCreateKeyExA(m_root, prefix.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | GAMES_VIEW, nullptr,
                                &key, &disposition) != ERROR_SUCCESS)
                return;
            RegCloseKey(key);
            if (disposition == REG_CREATED_NEW_KEY)
                m_created.push_back(prefix);
        }
        m_path = path;
    }
    ~CreatedKey()
    {
        for (auto it = m_created.rbegin(); it != m_created.rend(); ++it)
            DeleteGamesKey(m_root, *it);
    }
    CreatedKey(const CreatedKey&) = delete;
    CreatedKey& operator=(const CreatedKey&) = delete;

    bool Exists() const { return !m_path.empty(); }
    // Also for a key that was there before, which keeps its other values.
    void Remove(const std::string& valueName)
    {
        HKEY key = nullptr;
        if (RegOpenKeyExA(m_root, m_path.c_str(), 0, KEY_SET_VALUE | GAMES_VIEW, &key) != ERROR_SUCCESS)
            return;
        RegDeleteValueA(key, valueName.c_str());
        RegCloseKey(key);
    }
    void Set(const std::string& valueName, const std::string& text)
    {
        SetValue(valueName, REG_SZ, text + '\0');
    }
    // A multi-string's data is UTF-16, written by the wide-character
    // function as other tools write it.
    void SetValue(const std::string& valueName, DWORD type, const std::string& data)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegOpenKeyExA(m_root, m_path.c_str(), 0, KEY_SET_VALUE | GAMES_VIEW, &key), ERROR_SUCCESS);
        const BYTE* bytes = reinterpret_cast<const BYTE*>(data.data());
        if (type == REG_MULTI_SZ)
            RegSetValueExW(key, WideName(valueName).c_str(), 0, type, bytes, static_cast<DWORD>(data.size()));
        else
            RegSetValueExA(key, valueName.c_str(), 0, type, bytes, static_cast<DWORD>(data.size()));
        RegCloseKey(key);
    }
    // The value's type and data as stored, a multi-string's in UTF-16;
    // REG_NONE and no data when it cannot be read.
    std::pair<DWORD, std::string> Value(const std::string& valueName) const
    {
        HKEY key = nullptr;
        std::pair<DWORD, std::string> value{REG_NONE, ""};
        if (RegOpenKeyExA(m_root, m_path.c_str(), 0, KEY_QUERY_VALUE | GAMES_VIEW, &key) != ERROR_SUCCESS)
            return value;
        const std::wstring wideName = WideName(valueName);
        DWORD size = 0;
        if (RegQueryValueExW(key, wideName.c_str(), nullptr, &value.first, nullptr, &size) == ERROR_SUCCESS) {
            const bool wide = value.first == REG_MULTI_SZ;
            if (!wide)
                RegQueryValueExA(key, valueName.c_str(), nullptr, nullptr, nullptr, &size);
            value.second.assign(size, '\0');
            BYTE* bytes = reinterpret_cast<BYTE*>(value.second.data());
            if (wide)
                RegQueryValueExW(key, wideName.c_str(), nullptr, nullptr, bytes, &size);
            else
                RegQueryValueExA(key, valueName.c_str(), nullptr, nullptr, bytes, &size);
        }
        RegCloseKey(key);
        return value;
    }

  private:
    HKEY m_root;
    std::string m_path;
    std::vector<std::string> m_created;
};

// Central Europe, whatever the machine's own zone.
class FixedTimeZone : public TimeZone {
  public:
    int BiasMinutes() override { return -60; }
};

// A value's type and data as stored.
using StoredValue = std::pair<DWORD, std::string>;

StoredValue MultiStringValue(const std::vector<std::string>& lines)
{
    return {REG_MULTI_SZ, MultiString(lines)};
}

std::string ModuleDirectory()
{
    std::array<char, MAX_PATH + 1> path{};
    GetModuleFileNameA(nullptr, path.data(), MAX_PATH);
    return fs::path(path.data()).parent_path().string();
}

// What the stand-in recorded: its working directory, its command line and
// the arguments after its own name.
struct StandinRecord {
    std::string directory;
    std::string commandLine;
    std::string arguments;
};

std::optional<StandinRecord> WaitForRecord(const fs::path& file)
{
    for (int poll = 0; poll < RECORD_WAIT_POLLS; ++poll) {
        std::ifstream in(file, std::ios::binary);
        StandinRecord record;
        if (std::getline(in, record.directory) && std::getline(in, record.commandLine) &&
            std::getline(in, record.arguments))
            return record;
        Sleep(RECORD_POLL_MS);
    }
    return std::nullopt;
}

void Touch(const fs::path& file)
{
    std::ofstream(file, std::ios::binary) << "cache";
}

// A machine on which the games live in a scratch folder of their own, with
// "Server List" seeded with test addresses; the game keys are made by each
// test that wants them.
class LaunchWin32 : public ::testing::Test {
  protected:
    void SetUp() override
    {
        std::array<char, MAX_PATH + 1> temp{};
        GetTempPathA(MAX_PATH, temp.data());
        m_root = fs::path(temp.data()) / ("velnor-launch-" + std::to_string(GetCurrentProcessId()));
        fs::remove_all(m_root);
        fs::create_directories(m_root);
        m_record = m_root / "standin.record";
        SetEnvironmentVariableA(STANDIN_RECORD_VARIABLE, m_record.string().c_str());
        SeedServerList("127.0.0.1;127.0.0.2;");
    }
    void TearDown() override
    {
        SetEnvironmentVariableA(STANDIN_RECORD_VARIABLE, nullptr);
        // A stand-in that has just written its record may still hold its
        // executable open for a moment.
        std::error_code error;
        for (int poll = 0; poll < RECORD_WAIT_POLLS && fs::exists(m_root); ++poll) {
            fs::remove_all(m_root, error);
            if (fs::exists(m_root))
                Sleep(RECORD_POLL_MS);
        }
        SeedServerList("127.0.0.1;127.0.0.2;");
        DeleteGamesKey(HKEY_CURRENT_USER, "Software\\Velnor");
    }

    // A copy of the stand-in under the executable's name in a new folder.
    fs::path InstallStandin(const std::string& folder, const std::string& executable)
    {
        const fs::path directory = m_root / folder;
        fs::create_directories(directory);
        fs::copy_file(fs::path(ModuleDirectory()) / "standin_game.exe", directory / executable);
        return directory;
    }

    void Launch(Game game, const std::string& server, const std::string& description = "")
    {
        const Answer report = LaunchGame(game, {server, description}, m_deleteCache, m_registry, m_shell,
                                         m_timeZone, m_codePage);
        m_messages.insert(m_messages.end(), report.messages.begin(), report.messages.end());
        if (!report.warning.empty())
            m_messages.push_back(report.warning);
    }
    std::string ServerList()
    {
        return m_registry.GetRegistryString(RegistryRoot::LocalMachine, CONFIGURATION_KEY, "Server List");
    }

    fs::path m_root;
    fs::path m_record;
    Win32Registry m_registry;
    Win32Shell m_shell;
    bool m_deleteCache = false;
    // Every text that the launches answered for the user, in order.
    std::vector<std::string> m_messages;
    FixedTimeZone m_timeZone;
    Win32CodePage m_codePage;
};

struct GameCase {
    const char* name;
    Game game;
    const char* key;
    const char* installDirectoryValue;
    const char* executable;
    // Which of GATEWAY_LISTS besides the shared first one the game reads;
    // 0 when none.
    std::size_t ownGatewayList;
};

void PrintTo(const GameCase& gameCase, std::ostream* out)
{
    *out << gameCase.name;
}

class EachGameWin32 : public LaunchWin32, public ::testing::WithParamInterface<GameCase> {
  protected:
    bool ReadsGatewayList(std::size_t list) const { return list == 0 || list == GetParam().ownGatewayList; }

    // Seeds the three gateway lists, launches the game through its stand-in
    // on the server, and answers the lists as the launch left them.
    std::vector<StoredValue> LaunchWithGatewayLists(const std::vector<StoredValue>& seeds,
                                                    const std::string& server)
    {
        const GameCase& game = GetParam();
        const fs::path directory = InstallStandin(game.name, game.executable);
        CreatedKey installation(game.key);
        installation.Set(game.installDirectoryValue, directory.string());
        std::vector<std::unique_ptr<CreatedKey>> lists;
        for (std::size_t i = 0; i < GATEWAY_LISTS.size(); ++i) {
            lists.push_back(std::make_unique<CreatedKey>(GATEWAY_LISTS[i].key, HKEY_CURRENT_USER));
            lists.back()->SetValue(GATEWAY_LISTS[i].valueName, seeds[i].first, seeds[i].second);
        }

        Launch(game.game, server);

        EXPECT_TRUE(WaitForRecord(m_record).has_value()) << "the stand-in never started";
        std::vector<StoredValue> left;
        for (std::size_t i = 0; i < GATEWAY_LISTS.size(); ++i)
            left.push_back(lists[i]->Value(GATEWAY_LISTS[i].valueName));
        return left;
    }
};

TEST_P(EachGameWin32, StartsTheGameInItsDirectoryWithoutArgumentsAfterPointingItAtTheServer)
{
    const GameCase& game = GetParam();
    const fs::path directory = InstallStandin(std::string(game.name) + " Folder", game.executable);
    CreatedKey key(game.key);
    ASSERT_TRUE(key.Exists());
    key.Set(game.installDirectoryValue, directory.string());
    Touch(directory / "BNCACHE.DAT");
    m_deleteCache = true;

    Launch(game.game, "127.0.0.7");

    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(ServerList(), "127.0.0.7");
    const std::optional<StandinRecord> record = WaitForRecord(m_record);
    ASSERT_TRUE(record.has_value()) << "the stand-in never started";
    EXPECT_EQ(record->directory, directory.string());
    EXPECT_NE(record->commandLine.find((directory / game.executable).string()), std::string::npos)
        << record->commandLine;
    EXPECT_EQ(record->arguments, "");
    EXPECT_FALSE(fs::exists(directory / "BNCACHE.DAT"));
}

TEST_P(EachGameWin32, WithoutItsKeyReportsTheEmptyValuesAndWritesNothing)
{
    const GameCase& game = GetParam();

    Launch(game.game, "127.0.0.8");

    std::vector<std::string> expected = {ERROR_HEADLINE};
    if (game.game == Game::StarCraft)
        expected.push_back("Brood War:  ");
    expected.push_back("InstallPath:  ");
    expected.push_back(std::string("Program:  \\") + game.executable);
    EXPECT_EQ(m_messages, expected);
    EXPECT_EQ(ServerList(), "127.0.0.1;127.0.0.2;");
}

TEST_P(EachGameWin32, AListedHostBecomesTheSelectedGatewayOfEachOfItsLists)
{
    const StoredValue seed = MultiStringValue(
        {"2000", "01", "127.0.0.1", "-1", "Loopback", "Velnor..Invalid", "8", "Clan server"});
    const StoredValue selected = MultiStringValue(
        {"2000", "02", "127.0.0.1", "-1", "Loopback", "Velnor..Invalid", "8", "Clan server"});

    const std::vector<StoredValue> lists = LaunchWithGatewayLists({seed, seed, seed}, "velnor..invalid");

    for (std::size_t i = 0; i < lists.size(); ++i)
        EXPECT_EQ(lists[i], ReadsGatewayList(i) ? selected : seed) << GATEWAY_LISTS[i].key;
    EXPECT_TRUE(m_messages.empty());
}

TEST_P(EachGameWin32, ANewHostIsAddedToEachOfItsListsAndSelected)
{
    const StoredValue seed = MultiStringValue({"1001", "01", "127.0.0.1", "-1", "Loopback"});
    const StoredValue added = MultiStringValue(
        {"1001", "02", "127.0.0.1", "-1", "Loopback", "velnor..invalid", "-1", "velnor..invalid"});

    const std::vector<StoredValue> lists = LaunchWithGatewayLists({seed, seed, seed}, "velnor..invalid");

    for (std::size_t i = 0; i < lists.size(); ++i)
        EXPECT_EQ(lists[i], ReadsGatewayList(i) ? added : seed) << GATEWAY_LISTS[i].key;
    EXPECT_TRUE(m_messages.empty());
}

// Korean, Cyrillic and Greek, which no Western code page can spell.
TEST_P(EachGameWin32, NamesBeyondTheCodePageKeepTheirBytesWhenAGatewayIsAdded)
{
    std::vector<std::u16string> lines = {u"2000", u"01",     u"127.0.0.1", u"-9", u"아시아", u"127.0.0.2",
                                         u"-3",   u"Россия", u"127.0.0.3", u"-2", u"Ελλάδα"};
    const StoredValue seed = {REG_MULTI_SZ, Utf16MultiString(lines)};
    lines[1] = u"04";
    lines.insert(lines.end(), {u"velnor..invalid", u"-1", u"velnor..invalid"});
    const StoredValue added = {REG_MULTI_SZ, Utf16MultiString(lines)};

    const std::vector<StoredValue> lists = LaunchWithGatewayLists({seed, seed, seed}, "velnor..invalid");

    for (std::size_t i = 0; i < lists.size(); ++i)
        EXPECT_EQ(lists[i], ReadsGatewayList(i) ? added : seed) << GATEWAY_LISTS[i].key;
    EXPECT_TRUE(m_messages.empty());
}

TEST_P(EachGameWin32, MalformedListsAreLeftAsTheyWereAndNamedInOneBox)
{
    const std::vector<StoredValue> seeds = {
        {REG_MULTI_SZ, MultiString({"2000", "01", "127.0.0.1", "-1", "Loopback"}) + '\0'},
        {REG_SZ, std::string("127.0.0.1\0", 10)},
        MultiStringValue({"2000", "1a", "127.0.0.1", "-1", "Loopback"}),
    };

    const std::vector<StoredValue> lists = LaunchWithGatewayLists(seeds, "velnor..invalid");

    EXPECT_EQ(lists, seeds);
    ASSERT_EQ(m_messages.size(), 1u);
    for (std::size_t i = 0; i < lists.size(); ++i)
        EXPECT_EQ(m_messages[0].find(GATEWAY_LISTS[i].key + std::string(" \"")) != std::string::npos,
                  ReadsGatewayList(i))
            << m_messages[0];
}

INSTANTIATE_TEST_SUITE_P(
    Games, EachGameWin32,
    ::testing::Values(GameCase{"Diablo", Game::Diablo, "Software\\Blizzard Entertainment\\Archives",
                               "DiabloInstall", "Diablo.exe", 1},
                      GameCase{"StarCraft", Game::StarCraft, "Software\\Blizzard Entertainment\\Starcraft",
                               "InstallPath", "Starcraft.exe", 0},
                      GameCase{"Warcraft2", Game::Warcraft2,
                               "Software\\Blizzard Entertainment\\Warcraft II BNE", "InstallPath",
                               "Warcraft II BNE.exe", 2}),
    [](const ::testing::TestParamInfo<GameCase>& info) { return std::string(info.param.name); });

// The registry matches key and value names whatever their case: a list
// and a per-user "Server List" that a client spelt its own way are shown
// and pointed all the same.
TEST_F(LaunchWin32, AGatewayRowIsShownAndWrittenIntoTheValuesAsTheClientSpeltThem)
{
    const fs::path directory = InstallStandin("Starcraft", "Starcraft.exe");
    CreatedKey installation("Software\\Blizzard Entertainment\\Starcraft");
    installation.Set("InstallPath", directory.string());
    CreatedKey configuration("Software\\BATTLE.NET\\CONFIGURATION", HKEY_CURRENT_USER);
    configuration.Remove("Battle.net Gateways");
    configuration.Set("server list", "127.0.0.1");
    const std::vector<std::string> lines = {"2000",     "01",          "127.0.0.1", "-1",
                                            "Loopback", "gw..invalid", "8",         "Override"};
    configuration.SetValue("OVERRIDE BATTLE.NET GATEWAYS", REG_MULTI_SZ, MultiString(lines));

    CServerList publicList;
    LoadPublicList(m_registry, m_codePage, publicList);
    const ServerEntry last = publicList.GetAt(publicList.GetUpperBound());
    EXPECT_EQ(last.serverName + " " + last.description, "gw..invalid Override");
    Launch(Game::StarCraft, last.serverName, last.description);

    EXPECT_TRUE(WaitForRecord(m_record).has_value()) << "the stand-in never started";
    std::vector<std::string> selected = lines;
    selected[1] = "02";
    EXPECT_EQ(configuration.Value("Override Battle.net gateways"), MultiStringValue(selected));
    EXPECT_EQ(configuration.Value("Server List"), StoredValue(REG_SZ, std::string("gw..invalid\0", 12)));
    EXPECT_TRUE(m_messages.empty());
    configuration.Remove("Server List");
    configuration.Remove("Override Battle.net gateways");
}

TEST_F(LaunchWin32, WithTheBoxClearTheCacheStays)
{
    const fs::path directory = InstallStandin("Diablo", "Diablo.exe");
    CreatedKey key("Software\\Blizzard Entertainment\\Archives");
    key.Set("DiabloInstall", directory.string());
    Touch(directory / "BNCACHE.DAT");

    Launch(Game::Diablo, "127.0.0.9");

    ASSERT_TRUE(WaitForRecord(m_record).has_value()) << "the stand-in never started";
    EXPECT_TRUE(fs::exists(directory / "BNCACHE.DAT"));
}

TEST_F(LaunchWin32, BroodWarStartsTheProgramValueInTheStarCraftDirectory)
{
    const fs::path directory = InstallStandin("Starcraft", "Starcraft.exe");
    const fs::path expansion = InstallStandin("Expansion", "BroodWar.exe");
    CreatedKey key("Software\\Blizzard Entertainment\\Starcraft");
    key.Set("Brood War", "1");
    key.Set("InstallPath", directory.string());
    key.Set("Program", (expansion / "BroodWar.exe").string());

    Launch(Game::StarCraft, "127.0.0.10");

    const std::optional<StandinRecord> record = WaitForRecord(m_record);
    ASSERT_TRUE(record.has_value()) << "the stand-in never started";
    EXPECT_EQ(record->directory, directory.string());
    EXPECT_NE(record->commandLine.find((expansion / "BroodWar.exe").string()), std::string::npos)
        << record->commandLine;
    EXPECT_EQ(record->arguments, "");
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(LaunchWin32, AFailedLaunchKeepsTheServerAndTheDeletedCache)
{
    const fs::path directory = m_root / "Empty Warcraft";
    fs::create_directories(directory);
    CreatedKey key("Software\\Blizzard Entertainment\\Warcraft II BNE");
    key.Set("InstallPath", directory.string());
    Touch(directory / "BNCACHE.DAT");
    m_deleteCache = true;

    Launch(Game::Warcraft2, "127.0.0.11");

    EXPECT_EQ(m_messages,
              (std::vector<std::string>{ERROR_HEADLINE, "InstallPath:  " + directory.string(),
                                        "Program:  " + (directory / "Warcraft II BNE.exe").string()}));
    EXPECT_EQ(ServerList(), "127.0.0.11");
    EXPECT_FALSE(fs::exists(directory / "BNCACHE.DAT"));
}

} // namespace
