#pragma once

#include <vector>

class CServerList;
class Clock;
class GamePortMemory;
class Network;
class WorkerThreads;

// Where the ping command shows the times while it polls.
class PingReport {
  public:
    virtual ~PingReport() = default;
    // The positions in the list of the servers that were done at one
    // polling pass, in list order, their times in their entries; a done
    // server is reported again in every later pass.
    virtual void ShowTimes(const std::vector<int>& finished) = 0;
    // Shows at once what the passes changed: the message loop does not run
    // while the command polls.
    virtual void Repaint() = 0;
    // finished of total servers are done.
    virtual void ShowProgress(int finished, int total) = 0;
};

// Measures every server of the list with a probe of its own, started one
// by one, and polls them until all are idle: each done server's times go
// into its entry and are reported after every pass, followed by a repaint
// after the pass's pause. While the probes are still being started, a pass
// follows every start that ends a pass's pause. The share of servers done
// is reported after every start and every pass.
//
// One probe per host connects to the game port, unless the memory holds an
// outcome for that host from less than the interval ago, which is then the
// outcome shown; each new connection is remembered.
void PingAll(CServerList& list, PingReport& report, Clock& clock, Network& network, WorkerThreads& threads,
             GamePortMemory& gamePorts);
