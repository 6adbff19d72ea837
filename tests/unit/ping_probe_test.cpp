#include <gtest/gtest.h>

#include "fakes/fake_network.h"
#include "fakes/fake_worker_threads.h"
#include "ping/ping_probe.h"
#include "ping/ping_time.h"

namespace {

const IPv4Address SERVER = FakeNetwork::Address(198, 18, 1, 2);

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
        threads.RunAllThreads();
    }
    void Script(IPv4Address destination, std::deque<EchoReply> replies)
    {
        network.replies[destination] = replies;
    }

    FakeNetwork network;
    FakeWorkerThreads threads;
    CPingProbe probe{network, threads};
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
        network.ports[SERVER] = row.connection;
        network.connections.clear();
        network.sent.clear();
        Script(SERVER, {FakeNetwork::Answer(30)});
        size_t connectionsAtSessionClose = 1;
        network.onSessionClosed = [&] { connectionsAtSessionClose = network.connections.size(); };
        Measure();
        EXPECT_EQ(probe.m_nResult, 30);
        ASSERT_EQ(network.connections.size(), 1u);
        EXPECT_EQ(connectionsAtSessionClose, 0u) << "the ICMP session is closed before the connection";
        EXPECT_EQ(network.sent.size(), 3u);
        EXPECT_EQ(network.connections[0].destination, SERVER);
        EXPECT_EQ(network.connections[0].port, 6112);
        EXPECT_EQ(network.connections[0].timeoutMs, 2000);
        EXPECT_EQ(probe.m_gamePortTime, row.gamePortTime);
    }
}

TEST_F(PingProbeTest, ConnectsNowhereUnlessAskedAndLeavesTheGamePortUnmeasured)
{
    network.ports[SERVER] = {PortOutcome::Accepted, 5};
    Measure();
    EXPECT_TRUE(network.connections.empty());
    EXPECT_EQ(probe.m_gamePortTime, GAME_PORT_UNMEASURED);
}

// Under Wine without the right to send ICMP, the connection still tells.
TEST_F(PingProbeTest, ConnectsToTheGamePortAlsoWithoutIcmp)
{
    network.icmpAvailable = false;
    network.ports[SERVER] = {PortOutcome::Accepted, 9};
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
    EXPECT_TRUE(network.connections.empty()) << "address 0 is no server";
    EXPECT_EQ(probe.m_gamePortTime, GAME_PORT_NO_ANSWER);

    probe.m_pszHost = "198.18.1.2";
    network.echoThrows = true;
    Measure();
    EXPECT_EQ(probe.m_gamePortTime, GAME_PORT_NO_ANSWER);

    threads.threadsAvailable = false;
    probe.Start();
    EXPECT_EQ(probe.m_bBusy.load(), 0);
    EXPECT_EQ(probe.m_gamePortTime, GAME_PORT_NO_ANSWER);
}

TEST_F(PingProbeTest, StartsWithItsDefaults)
{
    CPingProbe fresh(network, threads);
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
    Script(SERVER, {FakeNetwork::Answer(30), FakeNetwork::Answer(31), FakeNetwork::Answer(33)});
    Measure();
    EXPECT_EQ(probe.m_nResult, 31);

    Script(SERVER, {FakeNetwork::Answer(41), FakeNetwork::NoAnswer(), FakeNetwork::Answer(42)});
    Measure();
    EXPECT_EQ(probe.m_nResult, 41);

    Script(SERVER, {FakeNetwork::NoAnswer(), FakeNetwork::Answer(40), FakeNetwork::NoAnswer()});
    Measure();
    EXPECT_EQ(probe.m_nResult, 40);

    Script(SERVER, {FakeNetwork::Answer(0), FakeNetwork::Answer(0), FakeNetwork::Answer(1)});
    Measure();
    EXPECT_EQ(probe.m_nResult, 0) << "under a millisecond is a measurement, not unreachable";
}

TEST_F(PingProbeTest, SendsEveryAttemptToTheAddressWithTheTimeout)
{
    probe.m_nAttempts = 4;
    Measure();
    ASSERT_EQ(network.sent.size(), 4u);
    for (const FakeNetwork::Echo& echoSent : network.sent) {
        EXPECT_EQ(echoSent.destination, SERVER);
        EXPECT_EQ(echoSent.timeoutMs, 1500);
    }
    EXPECT_EQ(probe.m_nResult, PING_UNREACHABLE);
    EXPECT_EQ(network.sessionsOpened, 1);
    EXPECT_EQ(network.sessionsClosed, 1);
}

TEST_F(PingProbeTest, ZeroOrFewerAttemptsSendNothing)
{
    for (int attempts : {0, -1}) {
        probe.m_nAttempts = attempts;
        Measure();
        EXPECT_TRUE(network.sent.empty());
        EXPECT_EQ(probe.m_nResult, PING_UNREACHABLE);
        EXPECT_EQ(probe.m_bBusy.load(), 0);
    }
}

TEST_F(PingProbeTest, UsesADottedAddressWithoutResolvingIt)
{
    Measure();
    EXPECT_TRUE(network.lookups.empty());
    EXPECT_EQ(probe.m_strError, "");
    ASSERT_FALSE(network.sent.empty());
    EXPECT_EQ(network.sent[0].destination, SERVER);
}

TEST_F(PingProbeTest, ResolvesANameToItsFirstAddress)
{
    network.names["useast.example"] = SERVER;
    Script(SERVER, {FakeNetwork::Answer(20), FakeNetwork::Answer(22), FakeNetwork::Answer(24)});
    probe.m_pszHost = "useast.example";
    Measure();
    EXPECT_EQ(network.lookups, std::vector<std::string>{"useast.example"});
    EXPECT_EQ(probe.m_nResult, 22);
    EXPECT_EQ(probe.m_strError, "");
}

TEST_F(PingProbeTest, ANameThatDoesNotResolveIsUnreachableAndSaysWhy)
{
    probe.m_pszHost = "nowhere.invalid";
    Measure();
    EXPECT_EQ(probe.m_nResult, PING_UNREACHABLE);
    EXPECT_EQ(probe.m_strError, "gethostbyname error 11001");
    EXPECT_TRUE(network.sent.empty()) << "address 0 is no server";
}

TEST_F(PingProbeTest, AResolverThatCannotStartIsUnreachableAndSaysWhy)
{
    network.names["useast.example"] = SERVER;
    network.resolverStartError = 10091;
    probe.m_pszHost = "useast.example";
    Measure();
    EXPECT_EQ(probe.m_nResult, PING_UNREACHABLE);
    EXPECT_EQ(probe.m_strError, "WSAStartup Failure 10091");
    EXPECT_TRUE(network.sent.empty()) << "address 0 is no server";
}

TEST_F(PingProbeTest, IsBusyWithNoResultFromStartUntilItsWorkerHasRun)
{
    probe.m_pszHost = "nowhere.invalid";
    Measure();
    ASSERT_EQ(probe.m_nResult, PING_UNREACHABLE);
    ASSERT_NE(probe.m_strError, "");

    probe.m_pszHost = "198.18.1.2";
    Script(SERVER, {FakeNetwork::Answer(7)});
    probe.Start();
    EXPECT_EQ(probe.m_bBusy.load(), 1);
    EXPECT_EQ(probe.m_nResult, 0);
    EXPECT_EQ(probe.m_strError, "");
    EXPECT_TRUE(network.sent.empty()) << "the worker has not run yet";

    threads.RunAllThreads();
    EXPECT_EQ(probe.m_bBusy.load(), 0);
    EXPECT_EQ(probe.m_nResult, 7);
    EXPECT_EQ(threads.exitCodes, (std::vector<std::uint32_t>{0, 0}));
}

TEST_F(PingProbeTest, ClosesItsIcmpSessionBeforeItReportsTheResult)
{
    int busyAtClose = -1;
    network.onSessionClosed = [&] { busyAtClose = probe.m_bBusy.load(); };
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
    network.icmpAvailable = false;
    Measure();
    EXPECT_EQ(probe.m_bBusy.load(), 0);
    EXPECT_EQ(probe.m_nResult, PING_UNREACHABLE);
    EXPECT_TRUE(network.sent.empty());
}

TEST_F(PingProbeTest, EndsIdleAndUnreachableWhenNoThreadStarts)
{
    threads.threadsAvailable = false;
    probe.Start();
    EXPECT_EQ(probe.m_bBusy.load(), 0);
    EXPECT_EQ(probe.m_nResult, PING_UNREACHABLE);
}

TEST_F(PingProbeTest, EndsIdleAndUnreachableWhenTheEchoFailsOutright)
{
    network.echoThrows = true;
    Measure();
    EXPECT_EQ(probe.m_bBusy.load(), 0);
    EXPECT_EQ(probe.m_nResult, PING_UNREACHABLE);
    EXPECT_EQ(network.sessionsClosed, 1);
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
