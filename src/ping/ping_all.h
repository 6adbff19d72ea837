#pragma once

class CServerList;
class Clock;
class EchoService;
class ServerView;
class WorkIndicator;

// Measures every server of the list with a probe of its own, started one
// by one, and polls them until all are idle: each finished server's time
// goes into its entry and into the ping cell of the row at its position.
// Row i must show entry i. The view is repainted after every pass; it is
// not sorted here. The share of probes that have finished is shown after
// every start and every pass.
void PingAll(CServerList& list, ServerView& view, Clock& clock, EchoService& echo, WorkIndicator& progress);
