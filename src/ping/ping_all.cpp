#include "ping/ping_all.h"

#include <deque>
#include <map>

#include "clients/host_key.h"
#include "lists/server_list.h"
#include "lists/utf8.h"
#include "ping/game_port_memory.h"
#include "ping/ping_probe.h"
#include "ping/ping_schedule.h"
#include "platform/clock.h"

namespace {

// A deque never moves its elements: a worker holds its probe's address
// until the probe is idle.
using ProbeTable = std::deque<CPingProbe>;

// Where a server's game port outcome comes from in one run: the connection
// of one probe (its own, or that of the first server naming the same host),
// or the memory of a connection made less than the interval ago.
struct GamePortSource {
    int probe = -1;
    std::int32_t remembered = GAME_PORT_UNMEASURED;
    bool stored = false;
};

// All probes are made before the first starts, so that nothing can fail
// while workers hold their probes.
ProbeTable MakeProbes(const CServerList& list, Network& network, WorkerThreads& threads)
{
    ProbeTable probes;
    for (int i = 0; i <= list.GetUpperBound(); ++i)
        probes.emplace_back(network, threads);
    return probes;
}

// The host as the plan and the memory tell hosts apart: a gateway's host
// by the name its list stored, since two hosts that the code page shows
// alike are two hosts. UTF-8 keeps the ASCII folding of the key exact.
std::string ConnectionHost(const ServerEntry& entry)
{
    return entry.serverNameUtf16.empty() ? entry.serverName : EncodeUtf8(entry.serverNameUtf16);
}

std::vector<GamePortSource> PlanGamePorts(const CServerList& list, const GamePortMemory& memory,
                                          std::uint32_t now)
{
    std::vector<GamePortSource> sources;
    std::map<std::string, int> connecting;
    for (int i = 0; i <= list.GetUpperBound(); ++i) {
        const std::string host = ConnectionHost(list.entries[i]);
        if (std::optional<std::int32_t> recent = memory.Recent(host, now))
            sources.push_back({-1, *recent});
        else
            sources.push_back({connecting.emplace(HostKey(host), i).first->second});
    }
    return sources;
}

bool IsBusy(const CPingProbe& probe)
{
    return probe.m_bBusy.load(std::memory_order_acquire) != 0;
}

// Of the first count probes, those that have stored their result.
int FinishedProbes(const ProbeTable& probes, int count)
{
    int finished = 0;
    for (int i = 0; i < count; ++i)
        finished += IsBusy(probes[i]) ? 0 : 1;
    return finished;
}

// A server is done once its probe is idle and, when another probe's
// connection serves it, that probe too.
bool IsDone(const ProbeTable& probes, const GamePortSource& source, int server)
{
    return !IsBusy(probes[server]) && (source.probe < 0 || !IsBusy(probes[source.probe]));
}

// Copies the results of every done server among the first started into its
// entry and reports them all; a connection is remembered when its probe is
// first seen done. Answers how many servers were done.
int CollectResults(CServerList& list, const ProbeTable& probes, int started,
                   std::vector<GamePortSource>& sources, GamePortMemory& memory, std::uint32_t now,
                   PingReport& report)
{
    std::vector<int> finished;
    for (int i = 0; i < started; ++i) {
        GamePortSource& source = sources[i];
        if (!IsDone(probes, source, i))
            continue;
        const std::int32_t gamePortTime =
            source.probe < 0 ? source.remembered : probes[source.probe].m_gamePortTime;
        if (source.probe == i && !source.stored) {
            memory.Remember(ConnectionHost(list.entries[i]), gamePortTime, now);
            source.stored = true;
        }
        list.entries[i].pingTime = probes[i].m_nResult;
        list.entries[i].gamePortTime = gamePortTime;
        finished.push_back(i);
    }
    report.ShowTimes(finished);
    return static_cast<int>(finished.size());
}

// Long lists take many seconds to start: the servers done meanwhile are
// shown once a pass's pause has gone by, as in the polling.
void StartProbes(CServerList& list, ProbeTable& probes, std::vector<GamePortSource>& sources,
                 GamePortMemory& memory, Clock& clock, PingReport& report)
{
    const int count = list.GetUpperBound() + 1;
    std::uint32_t lastPass = clock.TickCount();
    for (int i = 0; i < count; ++i) {
        CPingProbe& probe = probes[i];
        // The entry's own texts: the probe reads them after this loop.
        probe.m_pszHost = list.entries[i].serverName.c_str();
        probe.m_hostUtf16 = list.entries[i].serverNameUtf16.c_str();
        probe.m_nTimeout = PING_TIMEOUT_MS;
        probe.m_nAttempts = PING_ATTEMPTS;
        probe.m_connectGamePort = sources[i].probe == i;
        probe.Start();
        clock.Sleep(PROBE_START_GAP_MS);
        if (clock.TickCount() - lastPass >= PING_POLL_MS) {
            lastPass = clock.TickCount();
            CollectResults(list, probes, i + 1, sources, memory, lastPass, report);
            report.Repaint();
        }
        report.ShowProgress(FinishedProbes(probes, i + 1), count);
    }
}

} // namespace

void PingAll(CServerList& list, PingReport& report, Clock& clock, Network& network, WorkerThreads& threads,
             GamePortMemory& gamePorts)
{
    ProbeTable probes = MakeProbes(list, network, threads);
    std::vector<GamePortSource> sources = PlanGamePorts(list, gamePorts, clock.TickCount());
    StartProbes(list, probes, sources, gamePorts, clock, report);
    const int count = static_cast<int>(probes.size());
    bool anyBusy;
    do {
        const int finished =
            CollectResults(list, probes, count, sources, gamePorts, clock.TickCount(), report);
        anyBusy = finished < count;
        report.ShowProgress(finished, count);
        clock.Sleep(PING_POLL_MS);
        report.Repaint();
    } while (anyBusy);
}
