#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "fakes/fake_main_window.h"
#include "lists/server_list.h"
#include "lists/utf8.h"
#include "ping/game_port_memory.h"
#include "ping/ping_all.h"
#include "ping/ping_schedule.h"
#include "ping/ping_time.h"
#include "ui/manager_commands.h"
#include "ui/server_view.h"
#include "ui/server_view_ping_report.h"
#include "ui/window_pumping_clock.h"
#include "ui/window_queue.h"

namespace {

using Column = std::vector<std::string>;
using Sleeps = std::vector<std::uint32_t>;
using Shown = std::vector<std::string>;

const std::string PRIVATE_LIST_PATH = "C:\\WINDOWS\\VELNOR.INI";
const IPv4Address ALPHA = FakeNetwork::Address(198, 18, 1, 1);
const IPv4Address BRAVO = FakeNetwork::Address(198, 18, 1, 2);
const IPv4Address CHARLIE = FakeNetwork::Address(198, 18, 1, 3);
const PortConnection REFUSED{PortOutcome::Refused, 0};

// The main window's commands over fakes, the public list holding the
// servers given; probes run when the clock reaches their time.
struct PingCommandTest : ::testing::Test, FakeMainWindow {
    void Show(const std::string& serverList)
    {
        registry.Put(RegistryRoot::LocalMachine, "Software\\Battle.Net\\Configuration", "Server List",
                     serverList);
        commands.InitServerView();
        clock.now = 100000;
        clock.afterSleep = [this] { threads.RunDueThreads(); };
    }
    void Answer(IPv4Address server, std::uint32_t milliseconds)
    {
        network.replies[server] = {FakeNetwork::Answer(milliseconds), FakeNetwork::Answer(milliseconds),
                                   FakeNetwork::Answer(milliseconds)};
    }
    // Presses "Ping" and answers whether the press started a ping.
    bool PressPing()
    {
        size_t sleepsBefore = clock.sleeps.size();
        commands.OnPing();
        return clock.sleeps.size() != sleepsBefore;
    }
    void ShowEmptyPrivateList()
    {
        Show("198.18.1.1;198.18.1.2");
        files.files[PRIVATE_LIST_PATH] = "";
        commands.OnPrivateServers();
        ASSERT_TRUE(commands.IsPrivateListCurrent());
        ASSERT_EQ(commands.CurrentList().GetUpperBound(), -1);
        files.calls.clear();
    }
    std::vector<std::int32_t> PingTimes() const
    {
        std::vector<std::int32_t> times;
        for (int i = 0; i <= commands.CurrentList().GetUpperBound(); ++i)
            times.push_back(commands.CurrentList().GetAt(i).pingTime);
        return times;
    }
};

TEST_F(PingCommandTest, StartsOneProbePerServerTwoHundredMillisecondsApartThenPollsEverySecond)
{
    Show("198.18.1.1;198.18.1.2;198.18.1.3");
    Answer(ALPHA, 30);
    Answer(BRAVO, 50);
    ASSERT_TRUE(PressPing());

    EXPECT_EQ(clock.sleeps, (Sleeps{200, 200, 200, 1000}));
    EXPECT_EQ(threads.threadsStarted, 3u);
    ASSERT_EQ(network.sent.size(), 9u);
    for (const FakeNetwork::Echo& sent : network.sent)
        EXPECT_EQ(sent.timeoutMs, 1500);
    EXPECT_EQ(view.repaints, 2) << "once before the probes, once per pass";
    EXPECT_EQ(view.Column(COLUMN_SERVER), (Column{"198.18.1.1", "198.18.1.2", "198.18.1.3"}));
    EXPECT_EQ(view.Column(COLUMN_PING), (Column{"30", "50", "N/A"}));
    EXPECT_EQ(PingTimes(), (std::vector<std::int32_t>{30, 50, PING_UNREACHABLE}));
    EXPECT_TRUE(files.calls.empty()) << "the public list is never saved";
}

TEST_F(PingCommandTest, RefillsAndRepaintsTheViewBeforeTheFirstProbeStarts)
{
    Show("198.18.1.1;198.18.1.2");
    view.rows = {{"stale", "", "7"}};
    std::vector<FakeServerView::Row> rowsAtFirstStart;
    int repaintsAtFirstStart = -1;
    threads.onThreadStart = [&] {
        if (repaintsAtFirstStart < 0) {
            rowsAtFirstStart = view.rows;
            repaintsAtFirstStart = view.repaints;
        }
    };
    PressPing();

    EXPECT_EQ(repaintsAtFirstStart, 1);
    EXPECT_EQ(rowsAtFirstStart, (std::vector<FakeServerView::Row>{{"198.18.1.1", "Blizz Server", "0"},
                                                                  {"198.18.1.2", "Blizz Server", "0"}}));
}

// Alpha's probe ends in the second pass, bravo's in the first and charlie
// never answers; after the first pass the test spoils bravo's row.
TEST_F(PingCommandTest, UpdatesRowsInPlacePassByPassAndSortsOnlyAtTheEnd)
{
    Show("198.18.1.1;198.18.1.2;198.18.1.3");
    Answer(ALPHA, 80);
    Answer(BRAVO, 20);
    threads.runDelays = {1500};
    std::vector<Column> pingsAfterPass;
    clock.afterSleep = [&] {
        if (clock.sleeps.back() == 1000) {
            pingsAfterPass.push_back(view.Column(COLUMN_PING));
            if (pingsAfterPass.size() == 1)
                view.SetCellText(1, COLUMN_PING, "spoilt");
        }
        threads.RunDueThreads();
    };
    PressPing();

    ASSERT_EQ(pingsAfterPass.size(), 2u);
    EXPECT_EQ(pingsAfterPass[0], (Column{"0", "20", "N/A"})) << "a busy probe's row keeps the refill's text";
    EXPECT_EQ(pingsAfterPass[1], (Column{"80", "20", "N/A"})) << "an idle probe is copied again";
    EXPECT_EQ(view.Column(COLUMN_SERVER), (Column{"198.18.1.2", "198.18.1.1", "198.18.1.3"}));
    EXPECT_EQ(view.Column(COLUMN_PING), (Column{"20", "80", "N/A"}));
    EXPECT_EQ(PingTimes(), (std::vector<std::int32_t>{80, 20, PING_UNREACHABLE}))
        << "the list keeps its order";
    EXPECT_EQ(view.repaints, 3);
}

// Alpha answers at once, the fifth probe is still busy a second after the
// first start, when the sixth starts.
TEST_F(PingCommandTest, ShowsTheRowsDoneEverySecondWhileProbesAreStillStarting)
{
    Show("198.18.1.1;198.18.1.2;198.18.1.3;198.18.1.4;198.18.1.5;198.18.1.6");
    Answer(ALPHA, 30);
    threads.runDelays = {0, 0, 0, 0, 900};
    Column pingsAtSixthStart;
    int repaintsAtSixthStart = -1;
    threads.onThreadStart = [&] {
        if (threads.threadsStarted == 5) {
            pingsAtSixthStart = view.Column(COLUMN_PING);
            repaintsAtSixthStart = view.repaints;
        }
    };
    PressPing();
    EXPECT_EQ(pingsAtSixthStart, (Column{"30", "N/A", "N/A", "N/A", "0", "0"}));
    EXPECT_EQ(repaintsAtSixthStart, 2);
}

TEST_F(PingCommandTest, PollsUntilAPassFindsEveryProbeIdle)
{
    Show("198.18.1.1;198.18.1.2");
    threads.runDelays = {0, 3100};
    PressPing();
    EXPECT_EQ(clock.sleeps, (Sleeps{200, 200, 1000, 1000, 1000, 1000}));
    EXPECT_EQ(view.repaints, 5);
    EXPECT_EQ(view.changesWhilePainting, 0) << "each pass writes its cells, then paints once";
    EXPECT_EQ(threads.PendingThreads(), 0u);
}

// Bravo's probe ends 3.1 s after its start, in the fourth pass.
TEST_F(PingCommandTest, ShowsTheWaitAndTheShareOfFinishedProbesAfterEveryStartAndPass)
{
    Show("198.18.1.1;198.18.1.2");
    threads.runDelays = {0, 3100};
    PressPing();
    EXPECT_EQ(work.shown, (Shown{"begin", "1/2", "1/2", "1/2", "1/2", "1/2", "2/2", "end"}));
    commands.OnPing();
    EXPECT_EQ(work.shown.size(), 8u) << "a dropped press shows nothing";
}

TEST_F(PingCommandTest, AnEmptyListRunsOnePassAndIsSorted)
{
    ShowEmptyPrivateList();

    ASSERT_TRUE(PressPing());
    EXPECT_EQ(clock.sleeps, (Sleeps{1000}));
    EXPECT_EQ(work.shown, (Shown{"begin", "0/0", "end"}));
    EXPECT_EQ(view.repaints, 2);
    EXPECT_EQ(threads.threadsStarted, 0u);
    EXPECT_TRUE(files.calls.empty()) << "nothing was edited, so nothing is written";
    clock.now += 499;
    EXPECT_FALSE(PressPing()) << "the end of the ping was recorded";
}

TEST_F(PingCommandTest, SavesThePrivateListBeforeTheFirstProbeStarts)
{
    Show("198.18.1.1;198.18.1.2");
    files.files[PRIVATE_LIST_PATH] = "198.18.1.1 first\r\n";
    commands.OnPrivateServers();
    // An edit whose save failed is still to be written.
    files.failReplace = true;
    user.typed.push_back({"198.18.1.2", "second"});
    commands.OnAddServer();
    files.failReplace = false;
    files.calls.clear();
    std::vector<std::string> fileCallsAtFirstStart;
    threads.onThreadStart = [&] {
        if (threads.threadsStarted == 0)
            fileCallsAtFirstStart = files.calls;
    };
    PressPing();
    EXPECT_EQ(fileCallsAtFirstStart, (std::vector<std::string>{"write " + PRIVATE_LIST_PATH}));
    EXPECT_EQ(files.calls.size(), 1u);
}

TEST_F(PingCommandTest, DropsAPressWithinHalfASecondOfTheLastPingsEnd)
{
    Show("198.18.1.1;198.18.1.2");
    ASSERT_TRUE(PressPing());
    clock.now += 499;
    view.rows.clear();
    EXPECT_FALSE(PressPing());
    EXPECT_TRUE(view.rows.empty()) << "a dropped press leaves the view alone";
    clock.now += 1;
    EXPECT_TRUE(PressPing()) << "the dropped press did not move the end";
}

TEST_F(PingCommandTest, TheFirstPressNeedsTheTickAtFiveHundredOrMore)
{
    Show("198.18.1.1;198.18.1.2");
    clock.now = 499;
    EXPECT_FALSE(PressPing());
    clock.now = 500;
    EXPECT_TRUE(PressPing());
}

TEST_F(PingCommandTest, MeasuresTheGuardAcrossAWrapOfTheTick)
{
    ShowEmptyPrivateList();
    clock.now = 0xFFFFFFFFu - 1000 - 199;
    ASSERT_TRUE(PressPing());
    ASSERT_EQ(clock.now, 0xFFFFFF38u) << "the ping ended 200 ms before the wrap";
    clock.now += 499;
    ASSERT_EQ(clock.now, 299u);
    EXPECT_FALSE(PressPing());
    clock.now += 1;
    EXPECT_TRUE(PressPing());
}

// The system calls a window hung whose thread has not looked into its queue
// for five seconds: through a full list, and through a wait longer than
// that, the window's wait looks at least once a second.
// The window's queue on the fake clock: answering takes the whole time
// given, and every look into it records its tick.
struct FakeWindowQueue : WindowQueue {
    explicit FakeWindowQueue(FakeClock& fakeClock) : clock(fakeClock) {}
    std::uint32_t TickCount() override { return clock.now; }
    void AnswerSentAndPaint(std::uint32_t milliseconds) override { clock.Sleep(milliseconds); }
    void Peek() override { peeks.push_back(clock.now); }
    FakeClock& clock;
    std::vector<std::uint32_t> peeks;
};

TEST_F(PingCommandTest, TheWindowsWaitLooksIntoItsQueueAtLeastOnceASecondThroughAFullPing)
{
    CServerList list;
    for (int i = 1; i <= MAX_SERVERS; ++i)
        list.Add({"198.18.2." + std::to_string(i), "", 0});
    ServerViewOrder order;
    FillServerView(list, order, view);
    clock.afterSleep = [this] { threads.RunDueThreads(); };
    threads.runDelays.assign(MAX_SERVERS, 4500);
    FakeWindowQueue queue(clock);
    WindowPumpingClock windowClock(queue);
    ServerViewPingReport report(list, view, work);
    GamePortMemory gamePorts;
    PingAll(list, report, windowClock, network, threads, gamePorts);
    windowClock.Sleep(5000);

    std::uint32_t longest = 0, last = 0;
    for (std::uint32_t peek : queue.peeks)
        longest = std::max(longest, peek - std::exchange(last, peek));
    EXPECT_LE(std::max(longest, clock.now - last), 1000u) << "from the start to the end";
    EXPECT_EQ(list.GetAt(MAX_SERVERS - 1).pingTime, PING_UNREACHABLE)
        << "the last probe was polled to its end";
}

// A platform without ICMP or threads must not leave the poll waiting.
TEST_F(PingCommandTest, EndsWithEveryServerUnreachableWhenProbesCannotRun)
{
    Show("198.18.1.1;198.18.1.2");
    threads.threadsAvailable = false;
    PressPing();
    EXPECT_EQ(clock.sleeps, (Sleeps{200, 200, 1000}));
    EXPECT_EQ(view.Column(COLUMN_PING), (Column{"N/A", "N/A"}));

    threads.threadsAvailable = true;
    network.icmpAvailable = false;
    clock.now += 500;
    PressPing();
    EXPECT_EQ(PingTimes(), (std::vector<std::int32_t>{PING_UNREACHABLE, PING_UNREACHABLE}));
    EXPECT_TRUE(network.sent.empty());
}

// A host outside ASCII is looked up by the name its list stored, never by
// its '?' text, and is unreachable where that name does not resolve; a
// stored name in plain ASCII goes the 8-bit way.
TEST_F(PingCommandTest, AHostOutsideTheCodePageIsLookedUpByItsStoredName)
{
    CServerList list;
    list.Add({"??.example.test", "Korea", 0, GAME_PORT_UNMEASURED, u"서버.example.test"});
    list.Add({"198.18.1.2", "US", 0, GAME_PORT_UNMEASURED, u"198.18.1.2"});
    list.Add({"??.example.test", "Game", 0, GAME_PORT_UNMEASURED, u"게임.example.test"});
    network.names["??.example.test"] = ALPHA;
    Answer(ALPHA, 5);
    Answer(BRAVO, 7);
    ServerViewOrder order;
    FillServerView(list, order, view);
    ServerViewPingReport report(list, view, work);
    GamePortMemory gamePorts;
    clock.afterSleep = [this] { threads.RunDueThreads(); };
    PingAll(list, report, clock, network, threads, gamePorts);
    EXPECT_EQ(network.lookupsUtf16,
              (std::vector<std::u16string>{u"서버.example.test", u"게임.example.test"}));
    EXPECT_TRUE(network.lookups.empty());
    EXPECT_EQ(view.Column(COLUMN_PING), (Column{"N/A", "7", "N/A"}));
    EXPECT_TRUE(gamePorts.Recent(EncodeUtf8(u"게임.example.test"), clock.now))
        << "two hosts shown alike are two hosts to the game port's memory";
}

// A host that drops echo requests but takes the game's connections sorts
// with the playable ones, and one whose game port refuses after them.
TEST_F(PingCommandTest, SortsServersWhoseGamePortTookTheConnectionFirst)
{
    Show("198.18.1.1;198.18.1.2;198.18.1.3;198.18.1.4");
    network.ports[ALPHA] = {PortOutcome::Accepted, 3};
    Answer(BRAVO, 20);
    network.ports[BRAVO] = {PortOutcome::Accepted, 25};
    Answer(CHARLIE, 1);
    network.ports[CHARLIE] = REFUSED;
    PressPing();

    EXPECT_EQ(network.connections.size(), 4u);
    EXPECT_EQ(view.Column(COLUMN_SERVER), (Column{"198.18.1.1", "198.18.1.2", "198.18.1.3", "198.18.1.4"}));
    EXPECT_EQ(view.Column(COLUMN_PING), (Column{"N/A", "20", "1", "N/A"}));
    EXPECT_EQ(view.Column(COLUMN_GAME_PORT), (Column{"3", "25", "Closed", "N/A"}));
    EXPECT_EQ(commands.CurrentList().GetAt(2).gamePortTime, GAME_PORT_CLOSED);
}

// A host is connected to once in two minutes, however often "Ping" is
// pressed and whatever the case of its name; meanwhile the outcome of the
// last connection is shown.
TEST_F(PingCommandTest, ConnectsToAHostsGamePortOnceInTwoMinutes)
{
    Show("198.18.1.1;198.18.1.2");
    network.names["Clan.Example"] = ALPHA;
    network.names["clan.example"] = ALPHA;
    network.ports[ALPHA] = {PortOutcome::Accepted, 7};
    network.ports[BRAVO] = REFUSED;
    files.files[PRIVATE_LIST_PATH] = "Clan.Example first\r\n198.18.1.2 second\r\nclan.example third\r\n";
    commands.OnPrivateServers();
    ASSERT_TRUE(PressPing());
    EXPECT_EQ(network.connections.size(), 2u) << "one per host";
    EXPECT_EQ(view.Column(COLUMN_GAME_PORT), (Column{"7", "7", "Closed"}));
    // The outcomes came in at the first pass, one pause before the end.
    const std::uint32_t outcomesIn = clock.now - PING_POLL_MS;

    network.ports[ALPHA] = REFUSED;
    commands.OnPrivateServers();
    EXPECT_EQ(view.Column(COLUMN_GAME_PORT), (Column{"", "", ""})) << "read again, the outcomes are gone";
    clock.now = outcomesIn + GAME_PORT_INTERVAL_MS - 1;
    ASSERT_TRUE(PressPing());
    EXPECT_EQ(network.connections.size(), 2u);
    EXPECT_EQ(view.Column(COLUMN_GAME_PORT), (Column{"7", "7", "Closed"})) << "as remembered";

    clock.now += PING_DEBOUNCE_MS;
    ASSERT_TRUE(PressPing());
    EXPECT_EQ(network.connections.size(), 4u);
    EXPECT_EQ(view.Column(COLUMN_GAME_PORT), (Column{"Closed", "Closed", "Closed"}));
}

} // namespace
