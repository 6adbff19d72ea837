#include "answer_watch.h"

#include <algorithm>

namespace {

// An answer slower than this counts as this long.
constexpr DWORD ANSWER_LIMIT_MS = 10000;
// The system's verdict is asked for once in this many messages.
constexpr int MESSAGES_PER_HUNG_QUESTION = 25;

double NowMs()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double ThreadCpuMs()
{
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    auto ms = [](const FILETIME& time) {
        return static_cast<double>(static_cast<ULONGLONG>(time.dwHighDateTime) << 32 | time.dwLowDateTime) /
               10000.0;
    };
    return ms(kernel) + ms(user);
}

} // namespace

AnswerWatch::AnswerWatch(HWND window, DWORD intervalMs) : m_window(window), m_intervalMs(intervalMs)
{
    m_thread = CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

AnswerWatch::~AnswerWatch()
{
    Stop();
}

void AnswerWatch::Stop()
{
    if (!m_thread)
        return;
    m_stop = true;
    // The window may belong to this very thread: the message on its way is
    // answered while the watch ends.
    while (MsgWaitForMultipleObjects(1, &m_thread, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    CloseHandle(m_thread);
    m_thread = nullptr;
}

DWORD WINAPI AnswerWatch::Run(LPVOID watch)
{
    static_cast<AnswerWatch*>(watch)->Watch();
    return 0;
}

void AnswerWatch::Watch()
{
    for (int sent = 0; !m_stop; ++sent) {
        const double start = NowMs();
        DWORD_PTR result = 0;
        const bool answered =
            SendMessageTimeoutA(m_window, WM_NULL, 0, 0, SMTO_NORMAL, ANSWER_LIMIT_MS, &result) != 0;
        const double took = answered ? NowMs() - start : ANSWER_LIMIT_MS;
        m_longestMs = std::max(m_longestMs.load(), took);
        m_answers += answered ? 1 : 0;
        if (sent % MESSAGES_PER_HUNG_QUESTION == 0 && IsHungAppWindow(m_window))
            m_everHung = true;
        Sleep(m_intervalMs);
    }
    m_cpuMs = ThreadCpuMs();
}
