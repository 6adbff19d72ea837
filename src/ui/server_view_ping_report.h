#pragma once

#include "ping/ping_all.h"

class CServerList;
class ServerView;
class WorkIndicator;

// Draws each reported server's ping and game port cells from its entry,
// in the row at its position in the list, so row i must show entry i
// while the command polls; the view is not sorted here. The share of
// servers done goes to the work indicator.
class ServerViewPingReport : public PingReport {
  public:
    ServerViewPingReport(const CServerList& list, ServerView& view, WorkIndicator& work)
        : m_list(list), m_view(view), m_work(work)
    {
    }
    void ShowTimes(const std::vector<int>& finished) override;
    void Repaint() override;
    void ShowProgress(int finished, int total) override;

  private:
    const CServerList& m_list;
    ServerView& m_view;
    WorkIndicator& m_work;
};
