#include "ping/ping_all.h"

#include <deque>

#include "lists/server_list.h"
#include "ping/ping_probe.h"
#include "ping/ping_schedule.h"
#include "platform/clock.h"
#include "ui/ping_text.h"
#include "ui/server_view.h"

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

void StartProbes(CServerList& list, ProbeTable& probes, Clock& clock)
{
    for (int i = 0; i <= list.GetUpperBound(); ++i) {
        CPingProbe& probe = probes[i];
        // The entry's own text: the probe reads it after this loop.
        probe.m_pszHost = list.entries[i].serverName.c_str();
        probe.m_nTimeout = PING_TIMEOUT_MS;
        probe.m_nAttempts = PING_ATTEMPTS;
        probe.Start();
        clock.Sleep(PROBE_START_GAP_MS);
    }
}

// Copies every idle probe's result into its entry and row; true while any
// probe is still busy.
bool CollectResults(CServerList& list, const ProbeTable& probes, ServerView& view)
{
    ServerViewBatch batch(view);
    bool anyBusy = false;
    for (int i = 0; i <= list.GetUpperBound(); ++i) {
        const CPingProbe& probe = probes[i];
        if (probe.m_bBusy.load(std::memory_order_acquire) != 0) {
            anyBusy = true;
            continue;
        }
        list.entries[i].pingTime = probe.m_nResult;
        view.SetCellText(i, COLUMN_PING, PingText(probe.m_nResult));
    }
    return anyBusy;
}

} // namespace

void PingAll(CServerList& list, ServerView& view, Clock& clock, EchoService& echo)
{
    ProbeTable probes = MakeProbes(list, echo);
    StartProbes(list, probes, clock);
    bool anyBusy;
    do {
        anyBusy = CollectResults(list, probes, view);
        clock.Sleep(PING_POLL_MS);
        view.Repaint();
    } while (anyBusy);
}
