#include "ui/server_view_ping_report.h"

#include "lists/server_list.h"
#include "ui/server_view.h"
#include "ui/work_indicator.h"

void ServerViewPingReport::ShowTimes(const std::vector<int>& finished)
{
    // One repaint for the whole pass, not one per cell.
    ServerViewBatch batch(m_view);
    for (int server : finished)
        DrawServerTimes(m_list.entries[server], server, m_view);
}

void ServerViewPingReport::Repaint()
{
    m_view.Repaint();
}

void ServerViewPingReport::ShowProgress(int finished, int total)
{
    m_work.ShowProgress(finished, total);
}
