#include "pending_press.h"

#include <stdexcept>

#include "window_messages.h"

PendingPress::PendingPress(HWND button, DWORD timeoutMs)
    : m_outcome(std::make_shared<std::atomic<int>>(RUNNING))
{
    m_sender = std::thread([button, timeoutMs, outcome = m_outcome] {
        DWORD_PTR result = 0;
        const bool answered =
            SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
        outcome->store(answered ? DONE : NO_ANSWER);
    });
}

PendingPress::~PendingPress()
{
    if (m_outcome->load() == RUNNING)
        m_sender.detach();
    else
        m_sender.join();
}

void PendingPress::WaitUntilDone(DWORD timeoutMs)
{
    PollUntil([&] { return m_outcome->load() != RUNNING; }, timeoutMs);
    if (m_outcome->load() != DONE)
        throw std::runtime_error("the command did not finish within " + std::to_string(timeoutMs) + " ms");
}
