#include "ping/ping_all.h"

#include <deque>

#include "lists/server_list.h"
#include "ping/ping_probe.h"
#include "ping/ping_schedule.h"
#include "platform/clock.h"
#include "platform/work_indicator.h"

namespace {

// A deque never moves its elements: a worker holds its probe's address
// until the probe is idle.
using ProbeTable = std::deque<CPingProbe>;

// All probes are made before the first starts, so that nothing can fail
// while workers hold their probes.
ProbeTable MakeProbes(const CServerList& list, EchoService& echo)
{
    ProbeTable probes;
    for (int i = 0; i <= list.GetUpperBound(); ++i)
        probes.emplace_back(echo);
    return probes;
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

void StartProbes(CServerList& list, ProbeTable& probes, Clock& clock, WorkIndicator& progress)
{
    const int count = list.GetUpperBound() + 1;
    for (int i = 0; i < count; ++i) {
        CPingProbe& probe = probes[i];
        // The entry's own text: the probe reads it after this loop.
        probe.m_pszHost = list.entries[i].serverName.c_str();
        probe.m_nTimeout = PING_TIMEOUT_MS;
        probe.m_nAttempts = PING_ATTEMPTS;
        probe.Start();
        clock.Sleep(PROBE_START_GAP_MS);
        progress.ShowProgress(FinishedProbes(probes, i + 1), count);
    }
}

// Copies every idle probe's result into its entry and reports them all;
// answers how many probes were idle.
int CollectResults(CServerList& list, const ProbeTable& probes, PingReport& report)
{
    std::vector<PingResult> finished;
    for (int i = 0; i <= list.GetUpperBound(); ++i) {
        const CPingProbe& probe = probes[i];
        if (IsBusy(probe))
            continue;
        list.entries[i].pingTime = probe.m_nResult;
        finished.push_back({i, probe.m_nResult});
    }
    report.ShowTimes(finished);
    return static_cast<int>(finished.size());
}

} // namespace

void PingAll(CServerList& list, PingReport& report, Clock& clock, EchoService& echo, WorkIndicator& progress)
{
    ProbeTable probes = MakeProbes(list, echo);
    StartProbes(list, probes, clock, progress);
    const int count = static_cast<int>(probes.size());
    bool anyBusy;
    do {
        const int finished = CollectResults(list, probes, report);
        anyBusy = finished < count;
        progress.ShowProgress(finished, count);
        clock.Sleep(PING_POLL_MS);
        report.Repaint();
    } while (anyBusy);
}
