#include "ping/ping_all.h"

#include <deque>
#include <map>

#include "clients/host_key.h"
#include "lists/server_list.h"
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
ProbeTable MakeProbes(const CServerList& list, EchoService& echo)
{
    ProbeTable probes;
    for (int i = 0; i <= list.GetUpperBound(); ++i)
        probes.emplace_back(echo);
    return probes;
}

std::vector<GamePortSource> PlanGamePorts(const CServerList& list, const GamePortMemory& memory,
                                          std::uint32_t now)
{
    std::vector<GamePortSource> sources;
    std::map<std::string, int> connecting;
    for (int i = 0; i <= list.GetUpperBound(); ++i) {
        const std::string& host = list.entries[i].serverName;
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

void StartProbes(CServerList& list, ProbeTable& probes, const std::vector<GamePortSource>& sources,
                 Clock& clock, PingReport& report)
{
    const int count = list.GetUpperBound() + 1;
    for (int i = 0; i < count; ++i) {
        CPingProbe& probe = probes[i];
        // The entry's own text: the probe reads it after this loop.
        probe.m_pszHost = list.entries[i].serverName.c_str();
        probe.m_nTimeout = PING_TIMEOUT_MS;
        probe.m_nAttempts = PING_ATTEMPTS;
        probe.m_connectGamePort = sources[i].probe == i;
        probe.Start();
        clock.Sleep(PROBE_START_GAP_MS);
        report.ShowProgress(FinishedProbes(probes, i + 1), count);
    }
}

// A server is done once its probe is idle and, when another probe's
// connection serves it, that probe too.
bool IsDone(const ProbeTable& probes, const GamePortSource& source, int server)
{
    return !IsBusy(probes[server]) && (source.probe < 0 || !IsBusy(probes[source.probe]));
}

// Copies every done server's results into its entry and reports them all;
// a connection is remembered when its probe is first seen done. Answers
// how many servers were done.
int CollectResults(CServerList& list, const ProbeTable& probes, std::vector<GamePortSource>& sources,
                   GamePortMemory& memory, std::uint32_t now, PingReport& report)
{
    std::vector<PingResult> finished;
    for (int i = 0; i <= list.GetUpperBound(); ++i) {
        GamePortSource& source = sources[i];
        if (!IsDone(probes, source, i))
            continue;
        const std::int32_t gamePortTime =
            source.probe < 0 ? source.remembered : probes[source.probe].m_gamePortTime;
        if (source.probe == i && !source.stored) {
            memory.Remember(list.entries[i].serverName, gamePortTime, now);
            source.stored = true;
        }
        list.entries[i].pingTime = probes[i].m_nResult;
        list.entries[i].gamePortTime = gamePortTime;
        finished.push_back({i, probes[i].m_nResult, gamePortTime});
    }
    report.ShowTimes(finished);
    return static_cast<int>(finished.size());
}

} // namespace

void PingAll(CServerList& list, PingReport& report, Clock& clock, EchoService& echo,
             GamePortMemory& gamePorts)
{
    ProbeTable probes = MakeProbes(list, echo);
    std::vector<GamePortSource> sources = PlanGamePorts(list, gamePorts, clock.TickCount());
    StartProbes(list, probes, sources, clock, report);
    const int count = static_cast<int>(probes.size());
    bool anyBusy;
    do {
        const int finished = CollectResults(list, probes, sources, gamePorts, clock.TickCount(), report);
        anyBusy = finished < count;
        report.ShowProgress(finished, count);
        clock.Sleep(PING_POLL_MS);
        report.Repaint();
    } while (anyBusy);
}
