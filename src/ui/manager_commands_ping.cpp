#include "ui/manager_commands.h"

#include "ping/ping_all.h"
#include "ping/ping_schedule.h"
#include "platform/clock.h"
#include "ui/server_view.h"
#include "ui/server_view_ping_report.h"
#include "ui/work_indicator.h"

void ManagerCommands::OnPing()
{
    // Unsigned arithmetic gives the true elapsed time across a wrap of the tick.
    if (m_seams.clock.TickCount() - m_dwLastPingEnd < PING_DEBOUNCE_MS)
        return;
    m_bPinging = true;
    m_seams.work.BeginWork();
    FillServerView(*m_currentList, m_viewOrder, m_seams.view);
    m_seams.view.Repaint();
    SavePrivateListIfCurrent();
    ServerViewPingReport report(*m_currentList, m_seams.view, m_seams.work);
    PingAll(*m_currentList, report, m_seams.clock, m_seams.network, m_seams.threads, m_gamePorts);
    SortServerViewByPing(*m_currentList, m_viewOrder, m_seams.view);
    m_seams.work.EndWork();
    m_bPinging = false;
    m_dwLastPingEnd = m_seams.clock.TickCount();
}
