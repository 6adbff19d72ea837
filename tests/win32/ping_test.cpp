#include <gtest/gtest.h>

#include <windows.h>

#include <winsock.h>

#include <atomic>
#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "lists/server_list.h"
#include "ping/game_port_memory.h"
#include "ping/ping_all.h"
#include "ping/ping_probe.h"
#include "ping/ping_schedule.h"
#include "ping/ping_time.h"
#include "platform/clock_win32.h"
#include "platform/network_win32.h"
#include "platform/system_library_win32.h"
#include "platform/winsock_version_win32.h"
#include "platform/worker_threads_win32.h"
#include "test_registry.h"
#include "ui/manager_dialog_win32.h"
#include "ui/server_view.h"
#include "ui/server_view_ping_report.h"
#include "ui/server_view_win32.h"
#include "ui/window_pumping_clock.h"
#include "ui/window_queue_win32.h"
#include "ui/work_indicator_win32.h"
#include "win/list_view.h"

namespace {

// Written by tests/netns/fixture.sh while its hosts are up; Wine shows the
// machine's root directory as drive Z:.
const char* const FIXTURE_HOSTS_FILE = "Z:\\run\\velnor-netns\\hosts";

// The address of one of the fixture's hosts, "" while the fixture is down.
std::string FixtureHost(const std::string& name)
{
    std::ifstream hosts(FIXTURE_HOSTS_FILE);
    std::string line;
    while (std::getline(hosts, line)) {
        std::istringstream fields(line);
        std::string hostName, address;
        if (fields >> hostName >> address && hostName == name)
            return address;
    }
    return "";
}

const char* const NO_FIXTURE =
    "the namespace test hosts are not up: they need root (tests/netns/fixture.sh up)";

// How many connections the fixture's listener on the host's game port took.
int ConnectionsTaken(const std::string& name)
{
    std::ifstream count("Z:\\run\\velnor-netns\\" + name + ".connections");
    int taken = -1;
    count >> taken;
    return taken;
}

bool IsDecimal(const std::string& text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// The sockets are started for the whole process, as the application does.
class SocketsStarted : public ::testing::Test {
  protected:
    static void SetUpTestSuite()
    {
        WSADATA data;
        ASSERT_EQ(WSAStartup(WINSOCK_1_1, &data), 0);
    }
    static void TearDownTestSuite() { WSACleanup(); }

    Win32Network network;
    Win32WorkerThreads threads;
};

class RealPing : public SocketsStarted {
  protected:
    // Runs one probe as the ping command does and waits until it is idle.
    void Probe(const char* host)
    {
        probe.m_pszHost = host;
        probe.m_nTimeout = PING_TIMEOUT_MS;
        probe.m_nAttempts = PING_ATTEMPTS;
        probe.Start();
        while (probe.m_bBusy.load(std::memory_order_acquire) != 0)
            Sleep(10);
    }

    CPingProbe probe{network, threads};
};

TEST_F(RealPing, LoopbackAnswersWithinTheTimeout)
{
    Probe("127.0.0.1");
    ASSERT_NE(probe.m_nResult, PING_UNREACHABLE)
        << "not run as root? Wine then needs net.ipv4.ping_group_range to hold the user's group";
    EXPECT_GE(probe.m_nResult, 0);
    EXPECT_LT(probe.m_nResult, PING_TIMEOUT_MS);
    EXPECT_EQ(probe.m_strError, "");
}

// The empty label makes the resolver refuse the name itself: a well-formed
// name would be asked of the machine's DNS server, off this machine.
TEST_F(RealPing, ANameUnderTheInvalidDomainIsUnreachable)
{
    Probe("velnor..invalid");
    EXPECT_EQ(probe.m_nResult, PING_UNREACHABLE);
    const std::string prefix = "gethostbyname error ";
    ASSERT_EQ(probe.m_strError.substr(0, prefix.size()), prefix);
    std::string code = probe.m_strError.substr(prefix.size());
    EXPECT_TRUE(IsDecimal(code) && code != "0") << probe.m_strError;
}

// Each look-up starts and cleans up the socket layer in pairs, nested in
// the process's own start-up, which stays. The malformed names fail
// without a query.
TEST_F(SocketsStarted, LookUpsLeaveTheProcessSocketsStarted)
{
    for (int lookUp = 0; lookUp < 3; ++lookUp) {
        EXPECT_EQ(network.LookUpHost("velnor..invalid").status, HostLookupStatus::NameFailed);
        EXPECT_EQ(network.LookUpHostUtf16(u"서버..invalid").status, HostLookupStatus::NameFailed);
    }
    EXPECT_EQ(network.LookUpHostUtf16(u"127.0.0.2").address, inet_addr("127.0.0.2"));
    EXPECT_EQ(gethostbyname("velnor..invalid"), nullptr);
    EXPECT_NE(WSAGetLastError(), WSANOTINITIALISED);
}

TEST_F(RealPing, ASilentHostIsUnreachable)
{
    const std::string silent = FixtureHost("silent");
    if (silent.empty())
        GTEST_SKIP() << NO_FIXTURE;
    Probe(silent.c_str());
    EXPECT_EQ(probe.m_nResult, PING_UNREACHABLE);
}

TEST_F(RealPing, ManyProbesAtOnceEachGetTheirOwnAnswer)
{
    const int count = 20;
    std::string hosts[count];
    std::deque<CPingProbe> probes;
    for (int i = 0; i < count; ++i) {
        hosts[i] = "127.0.0." + std::to_string(i + 1);
        CPingProbe& started = probes.emplace_back(network, threads);
        started.m_pszHost = hosts[i].c_str();
        started.m_nTimeout = PING_TIMEOUT_MS;
        started.Start();
    }
    for (CPingProbe& started : probes) {
        while (started.m_bBusy.load(std::memory_order_acquire) != 0)
            Sleep(10);
        EXPECT_NE(started.m_nResult, PING_UNREACHABLE) << started.m_pszHost;
    }
}

// One real connection for each outcome: taken by the fixture's listener,
// refused by loopback, unanswered by the silent host.
TEST_F(RealPing, TheGamePortGivesATimeClosedOrNoAnswer)
{
    const std::string portOnly = FixtureHost("port-only");
    const std::string silent = FixtureHost("silent");
    if (portOnly.empty())
        GTEST_SKIP() << NO_FIXTURE;
    probe.m_connectGamePort = true;
    const int takenBefore = ConnectionsTaken("port-only");
    Probe(portOnly.c_str());
    EXPECT_EQ(probe.m_nResult, PING_UNREACHABLE) << "the host ignores echo requests";
    EXPECT_GE(probe.m_gamePortTime, 0);
    EXPECT_LT(probe.m_gamePortTime, GAME_PORT_TIMEOUT_MS);
    for (int waited = 0; ConnectionsTaken("port-only") == takenBefore && waited < 100; ++waited)
        Sleep(10);
    EXPECT_EQ(ConnectionsTaken("port-only"), takenBefore + 1);

    Probe("127.0.0.1");
    EXPECT_EQ(probe.m_gamePortTime, GAME_PORT_CLOSED);

    Probe(silent.c_str());
    EXPECT_EQ(probe.m_gamePortTime, GAME_PORT_NO_ANSWER);
}

// A file named ICMP.DLL beside the program, copied there for one test.
// Wine prefers a DLL found on disk to its own here, as Windows does
// (WINEDLLOVERRIDES holds icmp=n,b for the tests).
class PlantedIcmpDll {
  public:
    PlantedIcmpDll()
    {
        std::filesystem::copy_file(ProgramDirectory() / "planted" / "ICMP.DLL", m_dll,
                                   std::filesystem::copy_options::overwrite_existing);
    }
    ~PlantedIcmpDll()
    {
        std::error_code ignored;
        std::filesystem::remove(m_dll, ignored);
        std::filesystem::remove(Mark(), ignored);
    }
    bool WasLoaded() const { return std::filesystem::exists(Mark()); }

  private:
    static std::filesystem::path ProgramDirectory()
    {
        char path[MAX_PATH] = "";
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        return std::filesystem::path(path).parent_path();
    }
    std::filesystem::path Mark() const { return m_dll.string() + ".loaded"; }

    std::filesystem::path m_dll = ProgramDirectory() / "ICMP.DLL";
};

TEST_F(RealPing, ADllPlantedBesideTheProgramNeverRuns)
{
    PlantedIcmpDll planted;
    Probe("127.0.0.1");
    EXPECT_FALSE(planted.WasLoaded());
    EXPECT_NE(probe.m_nResult, PING_UNREACHABLE);

    // The plain search, which looks in the program's folder first, would
    // have run it. Wait until the probe's own copy of the library is gone,
    // or the plain load would be handed that one.
    for (int waited = 0; GetModuleHandleA("ICMP.DLL") != nullptr && waited < 500; ++waited)
        Sleep(10);
    HMODULE plain = LoadLibraryA("ICMP.DLL");
    EXPECT_TRUE(planted.WasLoaded())
        << "Wine did not prefer the DLL on disk: is icmp=n,b in WINEDLLOVERRIDES?";
    FreeLibrary(plain);
}

// Where the system folder lacks the ICMP helper, the probe's functions come
// from the next library named, which exports them too.
TEST(SystemLibrary, LoadsTheFirstOfTheNamesThatTheSystemFolderHolds)
{
    HMODULE library = LoadFirstSystemLibrary({"VELNOR-NONE.DLL", "IPHLPAPI.DLL"});
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(library, GetModuleHandleA("IPHLPAPI.DLL"));
    EXPECT_NE(GetProcAddress(library, "IcmpSendEcho"), nullptr);
    FreeLibrary(library);
}

// The pauses of "Ping" answer what another thread sends to the window
// meanwhile, and leave what is posted to it, as clicks and keys are, in
// the queue for later.
TEST(WindowPumpingClock, SleepAnswersSentMessagesAndLeavesPostedOnesQueued)
{
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    PostMessageA(window, WM_USER, 0, 0);
    HANDLE sending = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::atomic<bool> answered{false};
    std::thread sender([&] {
        SetEvent(sending);
        DWORD_PTR result = 0;
        answered = SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result) != 0;
    });
    WaitForSingleObject(sending, INFINITE);
    // A sleep that took no sent message would leave the sender waiting out
    // its 5 s.
    Win32WindowQueue queue;
    WindowPumpingClock clock(queue);
    for (int pause = 0; pause < 100 && !answered; ++pause)
        clock.Sleep(50);
    sender.join();
    EXPECT_TRUE(answered);
    MSG posted;
    EXPECT_TRUE(PeekMessageA(&posted, window, WM_USER, WM_USER, PM_REMOVE));
    CloseHandle(sending);
    DestroyWindow(window);
}

// The whole command through the window: the ping column fills in and the
// rows are sorted, loopback first.
class PingCommand : public SocketsStarted {
  protected:
    void Open(const std::string& serverList)
    {
        SeedServerList(serverList);
        ASSERT_NE(dialog.Create(), nullptr);
        view.Attach(dialog.Item(IDC_SERVER_LIST));
        rows.Attach(view);
    }
    void PressPing() { SendMessageA(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDC_PING, BN_CLICKED), 0); }

    OperatingSystem system;
    CManagerDlg dialog{system, network};
    win::ListView view;
    Win32ServerView rows;
};

TEST_F(PingCommand, ShowsTheTimeOfEveryAnsweringServer)
{
    Open("127.0.0.1;127.0.0.2");
    PressPing();
    ASSERT_EQ(view.GetItemCount(), 2);
    for (int row = 0; row < 2; ++row)
        EXPECT_TRUE(IsDecimal(view.GetItemText(row, COLUMN_PING))) << view.GetItemText(row, COLUMN_PING);
}

TEST_F(PingCommand, ShowsASilentHostAsNotAvailableAfterTheAnsweringOnes)
{
    const std::string silent = FixtureHost("silent");
    if (silent.empty())
        GTEST_SKIP() << NO_FIXTURE;
    Open(silent + ";127.0.0.1");
    PressPing();
    ASSERT_EQ(view.GetItemCount(), 2);
    EXPECT_EQ(view.GetItemText(0, COLUMN_SERVER), "127.0.0.1");
    EXPECT_TRUE(IsDecimal(view.GetItemText(0, COLUMN_PING)));
    EXPECT_EQ(view.GetItemText(0, COLUMN_GAME_PORT), "Closed");
    EXPECT_EQ(view.GetItemText(1, COLUMN_SERVER), silent);
    EXPECT_EQ(view.GetItemText(1, COLUMN_PING), "N/A");
    EXPECT_EQ(view.GetItemText(1, COLUMN_GAME_PORT), "N/A");
}

TEST_F(PingCommand, WritesEachTimeIntoItsEntryAndItsRow)
{
    const std::string silent = FixtureHost("silent");
    if (silent.empty())
        GTEST_SKIP() << NO_FIXTURE;
    Open("127.0.0.1;127.0.0.2");
    CServerList list;
    list.Add({"127.0.0.1", "loopback", 0});
    list.Add({silent, "silent", 0});
    ServerViewOrder order;
    FillServerView(list, order, rows);
    Win32Clock clock;
    Win32WorkIndicator progress;
    ServerViewPingReport report(list, rows, progress);
    GamePortMemory gamePorts;
    PingAll(list, report, clock, network, threads, gamePorts);
    EXPECT_NE(list.entries[0].pingTime, PING_UNREACHABLE);
    EXPECT_EQ(view.GetItemText(0, COLUMN_PING), std::to_string(list.entries[0].pingTime));
    EXPECT_EQ(list.entries[1].pingTime, PING_UNREACHABLE);
    EXPECT_EQ(view.GetItemText(1, COLUMN_PING), "N/A");
}

} // namespace
