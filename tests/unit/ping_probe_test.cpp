#include <gtest/gtest.h>

#include "fakes/fake_echo_service.h"
#include "ping/ping_probe.h"
#include "ping/ping_time.h"

namespace {

const IPv4Address SERVER = FakeEchoService::Address(198, 18, 1, 2);

struct PingProbeTest : ::testing::Test {
    PingProbeTest()
    {
        probe.m_pszHost = "198.18.1.2";
        probe.m_nTimeout = 1500;
    }

    // Starts the probe and lets its worker run to the end.
    void Measure()
    {
        probe.Start();
        echo.RunAllThreads();
    }
    void Script(IPv4Address destination, std::deque<EchoReply> replies)
    {
        echo.replies[destination] = replies;
    }

    FakeEchoService echo;
    CPingProbe probe{echo};
};

// One connection to the game port after the echoes, whatever they gave;
// each outcome becomes its game port time.
TEST_F(PingProbeTest, ConnectsOnceToTheGamePortAfterTheEchoesWhenAsked)
{
    struct Row {
        PortConnection connection;
        std::int32_t gamePortTime;
    };
    const Row rows[] = {{{PortOutcome::Accepted, 17}, 17},
                        {{PortOutcome::Accepted, 0}, 0},
                        {{PortOutcome::Refused, 0}, GAME_PORT_CLOSED},
                        {{PortOutcome::NoAnswer, 0}, GAME_PORT_NO_ANSWER}};
    probe.m_connectGamePort = true;
    for (const Row& row : rows) {
        echo.ports[SERVER] = row.connection;
        echo.connections.clear();
        echo.sent.clear();
        Script(SERVER, {FakeEchoService::Answer(30)});
        size_t connectionsAtSessionClose = 1;
        echo.onSessionClosed = [&] { connectionsAtSessionClose = echo.connections.size(); };
        Measure();
        EXPECT_EQ(probe.m_nResult, 30);
        ASSERT_EQ(echo.connections.size(), 1u);
        EXPECT_EQ(connectionsAtSessionClose, 0u) << "the ICMP session is closed before the connection";
        EXPECT_EQ(echo.sent.size(), 3u);
        EXPECT_EQ(echo.connections[0].destination, SERVER);
        EXPECT_EQ(echo.connections[0].port, 6112);
        EXPECT_EQ(echo.connections[0].timeoutMs, 2000);
        EXPECT_EQ(probe.m_gamePortTime, row.gamePortTime);
    }
}

TEST_F(PingProbeTest, ConnectsNowhereUnlessAskedAndLeavesTheGamePortUnmeasured)
{
    echo.ports[SERVER] = {PortOutcome::Accepted, 5};
    Measure();
    EXPECT_TRUE(echo.connections.empty());
    EXPECT_EQ(probe.m_gamePortTime, GAME_PORT_UNMEASURED);
}

// Under Wine without the right to send ICMP, the connection still tells.
TEST_F(PingProbeTest, ConnectsToTheGamePortAlsoWithoutIcmp)
{
    echo.icmpAvailable = false;
    echo.ports[SERVER] = {PortOutcome::Accepted, 9};
    probe.m_connectGamePort = true;
    Measure();
    EXPECT_EQ(probe.m_nResult, PING_UNREACHABLE);
    EXPECT_EQ(probe.m_gamePortTime, 9);
}

TEST_F(PingProbeTest, AGamePortThatCannotBeTriedHasNoAnswer)
{
    probe.m_connectGamePort = true;
    probe.m_pszHost = "nowhere.invalid";
    Measure();
    EXPECT_TRUE(echo.connections.empty()) << "address 0 is no server";
    EXPECT_EQ(probe.m_gamePortTime, GAME_PORT_NO_ANSWER);

    probe.m_pszHost = "198.18.1.2";
    echo.echoThrows = true;
    Measure();
    EXPECT_EQ(probe.m_gamePortTime, GAME_PORT_NO_ANSWER);

    echo.threadsAvailable = false;
    probe.Start();
    EXPECT_EQ(probe.m_bBusy.load(), 0);
    EXPECT_EQ(probe.m_gamePortTime, GAME_PORT_NO_ANSWER);
}

TEST_F(PingProbeTest, StartsWithItsDefaults)
{
    CPingProbe fresh(echo);
    EXPECT_EQ(fresh.m_bBusy.load(), 0);
    EXPECT_EQ(fresh.m_nResult, 0);
    EXPECT_EQ(fresh.m_nTimeout, 750);
    EXPECT_EQ(fresh.m_nAttempts, 3);
    EXPECT_EQ(fresh.m_pszHost, nullptr);
    EXPECT_EQ(fresh.m_strError, "");
    EXPECT_FALSE(fresh.m_connectGamePort);
    EXPECT_EQ(fresh.m_gamePortTime, GAME_PORT_UNMEASURED);
}

TEST_F(PingProbeTest, AveragesTheAnsweredAttemptsDroppingTheFraction)
{
    Script(SERVER, {FakeEchoService::Answer(30), FakeEchoService::Answer(31), FakeEchoService::Answer(33)});
    Measure();
    EXPECT_EQ(probe.m_nResult, 31);

    Script(SERVER, {FakeEchoService::Answer(41), FakeEchoService::NoAnswer(), FakeEchoService::Answer(42)});
    Measure();
    EXPECT_EQ(probe.m_nResult, 41);

    Script(SERVER, {FakeEchoService::NoAnswer(), FakeEchoService::Answer(40), FakeEchoService::NoAnswer()});
    Measure();
    EXPECT_EQ(probe.m_nResult, 40);

    Script(SERVER, {FakeEchoService::Answer(0), FakeEchoService::Answer(0), FakeEchoService::Answer(1)});
    Measure();
    EXPECT_EQ(probe.m_nResult, 0) << "under a millisecond is a measurement, not unreachable";
}

TEST_F(PingProbeTest, SendsEveryAttemptToTheAddressWithTheTimeout)
{
    probe.m_nAttempts = 4;
    Measure();
    ASSERT_EQ(echo.sent.size(), 4u);
    for (const FakeEchoService::Echo& echoSent : echo.sent) {
        EXPECT_EQ(echoSent.destination, SERVER);
        EXPECT_EQ(echoSent.timeoutMs, 1500);
    }
    EXPECT_EQ(probe.m_nResult, PING_UNREACHABLE);
    EXPECT_EQ(echo.sessionsOpened, 1);
    EXPECT_EQ(echo.sessionsClosed, 1);
}

TEST_F(PingProbeTest, ZeroOrFewerAttemptsSendNothing)
{
    for (int attempts : {0, -1}) {
        probe.m_nAttempts = attempts;
        Measure();
        EXPECT_TRUE(echo.sent.empty());
        EXPECT_EQ(probe.m_nResult, PING_UNREACHABLE);
        EXPECT_EQ(probe.m_bBusy.load(), 0);
    }
}

TEST_F(PingProbeTest, UsesADottedAddressWithoutResolvingIt)
{
    Measure();
    EXPECT_TRUE(echo.lookups.empty());
    EXPECT_EQ(probe.m_strError, "");
    ASSERT_FALSE(echo.sent.empty());
    EXPECT_EQ(echo.sent[0].destination, SERVER);
}

TEST_F(PingProbeTest, ResolvesANameToItsFirstAddress)
{
    echo.names["useast.example"] = SERVER;
    Script(SERVER, {FakeEchoService::Answer(20), FakeEchoService::Answer(22), FakeEchoService::Answer(24)});
    probe.m_pszHost = "useast.example";
    Measure();
    EXPECT_EQ(echo.lookups, std::vector<std::string>{"useast.example"});
    EXPECT_EQ(probe.m_nResult, 22);
    EXPECT_EQ(probe.m_strError, "");
}

TEST_F(PingProbeTest, ANameThatDoesNotResolveIsUnreachableAndSaysWhy)
{
    probe.m_pszHost = "nowhere.invalid";
    Measure();
    EXPECT_EQ(probe.m_nResult, PING_UNREACHABLE);
    EXPECT_EQ(probe.m_strError, "gethostbyname error 11001");
    EXPECT_TRUE(echo.sent.empty()) << "address 0 is no server";
}

TEST_F(PingProbeTest, AResolverThatCannotStartIsUnreachableAndSaysWhy)
{
    echo.names["useast.example"] = SERVER;
    echo.resolverStartError = 10091;
    probe.m_pszHost = "useast.example";
    Measure();
    EXPECT_EQ(probe.m_nResult, PING_UNREACHABLE);
    EXPECT_EQ(probe.m_strError, "WSAStartup Failure 10091");
    EXPECT_TRUE(echo.sent.empty()) << "address 0 is no server";
}

TEST_F(PingProbeTest, IsBusyWithNoResultFromStartUntilItsWorkerHasRun)
{
    probe.m_pszHost = "nowhere.invalid";
    Measure();
    ASSERT_EQ(probe.m_nResult, PING_UNREACHABLE);
    ASSERT_NE(probe.m_strError, "");

    probe.m_pszHost = "198.18.1.2";
    Script(SERVER, {FakeEchoService::Answer(7)});
    probe.Start();
    EXPECT_EQ(probe.m_bBusy.load(), 1);
    EXPECT_EQ(probe.m_nResult, 0);
    EXPECT_EQ(probe.m_strError, "");
    EXPECT_TRUE(echo.sent.empty()) << "the worker has not run yet";

    echo.RunAllThreads();
    EXPECT_EQ(probe.m_bBusy.load(), 0);
    EXPECT_EQ(probe.m_nResult, 7);
    EXPECT_EQ(echo.exitCodes, (std::vector<std::uint32_t>{0, 0}));
}

TEST_F(PingProbeTest, ClosesItsIcmpSessionBeforeItReportsTheResult)
{
    int busyAtClose = -1;
    echo.onSessionClosed = [&] { busyAtClose = probe.m_bBusy.load(); };
    Measure();
    EXPECT_EQ(busyAtClose, 1);
}

TEST_F(PingProbeTest, TheThreadEntryRefusesAMissingProbe)
{
    EXPECT_EQ(CPingProbe::ProbeThreadProc(nullptr), 0xFFFFFFFFu);
}

// Whatever the platform fails to give, the probe ends idle and unreachable,
// so that the poller is never left waiting.
TEST_F(PingProbeTest, EndsIdleAndUnreachableWithoutIcmp)
{
    echo.icmpAvailable = false;
    Measure();
    EXPECT_EQ(probe.m_bBusy.load(), 0);
    EXPECT_EQ(probe.m_nResult, PING_UNREACHABLE);
    EXPECT_TRUE(echo.sent.empty());
}

TEST_F(PingProbeTest, EndsIdleAndUnreachableWhenNoThreadStarts)
{
    echo.threadsAvailable = false;
    probe.Start();
    EXPECT_EQ(probe.m_bBusy.load(), 0);
    EXPECT_EQ(probe.m_nResult, PING_UNREACHABLE);
}

TEST_F(PingProbeTest, EndsIdleAndUnreachableWhenTheEchoFailsOutright)
{
    echo.echoThrows = true;
    Measure();
    EXPECT_EQ(probe.m_bBusy.load(), 0);
    EXPECT_EQ(probe.m_nResult, PING_UNREACHABLE);
    EXPECT_EQ(echo.sessionsClosed, 1);
}

TEST(PingText, ShowsUnreachableAsNAAndOtherTimesInDecimal)
{
    EXPECT_EQ(PingText(PING_UNREACHABLE), "N/A");
    EXPECT_EQ(PingText(0), "0");
    EXPECT_EQ(PingText(120), "120");
    EXPECT_EQ(PingText(10000), "10000");
    EXPECT_EQ(PingText(-5), "-5");
}

TEST(PingText, ShowsTheGamePortOutcome)
{
    struct Row {
        std::int32_t gamePortTime;
        const char* text;
    };
    const Row rows[] = {{GAME_PORT_UNMEASURED, ""},
                        {GAME_PORT_CLOSED, "Closed"},
                        {GAME_PORT_NO_ANSWER, "N/A"},
                        {0, "0"},
                        {1999, "1999"}};
    for (const Row& row : rows)
        EXPECT_EQ(GamePortText(row.gamePortTime), row.text);
}

} // namespace
