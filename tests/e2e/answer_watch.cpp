#include "answer_watch.h"

#include <algorithm>

namespace {

// An answer slower than this counts as this long.
constexpr DWORD ANSWER_LIMIT_MS = 10000;
constexpr DWORD HUNG_QUESTION_INTERVAL_MS = 500;

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
    m_threads[0] = CreateThread(nullptr, 0, RunAnswers, this, 0, nullptr);
    m_threads[1] = CreateThread(nullptr, 0, RunHungQuestions, this, 0, nullptr);
}

AnswerWatch::~AnswerWatch()
{
    Stop();
}

void AnswerWatch::Stop()
{
    if (!m_threads[0])
        return;
    m_stop = true;
    // The window may belong to this very thread: the message on its way is
    // answered while the watch ends.
    for (HANDLE thread : m_threads) {
        while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
            MSG message;
            PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
    }
    for (HANDLE& thread : m_threads) {
        CloseHandle(thread);
        thread = nullptr;
    }
}

DWORD WINAPI AnswerWatch::RunAnswers(LPVOID watch)
{
    static_cast<AnswerWatch*>(watch)->WatchAnswers();
    return 0;
}

DWORD WINAPI AnswerWatch::RunHungQuestions(LPVOID watch)
{
    static_cast<AnswerWatch*>(watch)->AskWhetherHung();
    return 0;
}

void AnswerWatch::WatchAnswers()
{
    const double began = NowMs();
    while (!m_stop) {
        const double start = NowMs();
        DWORD_PTR result = 0;
        const bool answered =
            SendMessageTimeoutA(m_window, WM_NULL, 0, 0, SMTO_NORMAL, ANSWER_LIMIT_MS, &result) != 0;
        const double took = answered ? NowMs() - start : ANSWER_LIMIT_MS;
        if (took > m_longestMs) {
            m_longestMs = took;
            m_longestAskedAtMs = start - began;
        }
        m_answers += answered ? 1 : 0;
        Sleep(m_intervalMs);
    }
    m_answersCpuMs = ThreadCpuMs();
}

void AnswerWatch::AskWhetherHung()
{
    while (!m_stop) {
        if (IsHungAppWindow(m_window))
            m_everHung = true;
        Sleep(HUNG_QUESTION_INTERVAL_MS);
    }
    m_questionsCpuMs = ThreadCpuMs();
}
