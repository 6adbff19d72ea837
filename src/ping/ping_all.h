#pragma once

#include <cstdint>
#include <vector>

class CServerList;
class Clock;
class EchoService;
class WorkIndicator;

// A finished probe's time and the position of its server in the list.
struct PingResult {
    int server;
    std::int32_t pingTime;
};

// Where the ping command shows the times while it polls.
class PingReport {
  public:
    virtual ~PingReport() = default;
    // The servers whose probes had finished at one polling pass, in list
    // order; a finished server is reported again in every later pass.
    virtual void ShowTimes(const std::vector<PingResult>& finished) = 0;
    // Shows at once what the passes changed: the message loop does not run
    // while the command polls.
    virtual void Repaint() = 0;
};

// Measures every server of the list with a probe of its own, started one
// by one, and polls them until all are idle: each finished server's time
// goes into its entry and is reported after every pass, followed by a
// repaint after the pass's pause. The share of probes that have finished
// is shown after every start and every pass.
void PingAll(CServerList& list, PingReport& report, Clock& clock, EchoService& echo, WorkIndicator& progress);
