#pragma once

#include <windows.h>

#include <atomic>

// Watches whether a window keeps answering while its program works: a
// thread of its own sends it WM_NULL every interval and keeps the longest
// time an answer took; another asks the system twice a second whether it
// calls the window hung (it does after some 5 s without a look at the
// queue).
class AnswerWatch {
  public:
    explicit AnswerWatch(HWND window, DWORD intervalMs = 20);
    // Stops the watch.
    ~AnswerWatch();
    AnswerWatch(const AnswerWatch&) = delete;
    AnswerWatch& operator=(const AnswerWatch&) = delete;

    // Ends the watch after the message on its way has been answered.
    void Stop();
    double LongestAnswerMs() const { return m_longestMs.load(); }
    // When the slowest answer was asked for, in ms after the watch began.
    double LongestAnswerAskedAtMs() const { return m_longestAskedAtMs.load(); }
    int Answers() const { return m_answers.load(); }
    bool EverHung() const { return m_everHung.load(); }
    // CPU time of the watch's own threads, so that a benchmark can leave
    // it out of the figures of the program it watches.
    double CpuMs() const { return m_answersCpuMs.load() + m_questionsCpuMs.load(); }

  private:
    static DWORD WINAPI RunAnswers(LPVOID watch);
    static DWORD WINAPI RunHungQuestions(LPVOID watch);
    void WatchAnswers();
    void AskWhetherHung();

    HWND m_window;
    DWORD m_intervalMs;
    std::atomic<bool> m_stop{false};
    std::atomic<double> m_longestMs{0};
    std::atomic<double> m_longestAskedAtMs{0};
    std::atomic<int> m_answers{0};
    std::atomic<bool> m_everHung{false};
    std::atomic<double> m_answersCpuMs{0};
    std::atomic<double> m_questionsCpuMs{0};
    HANDLE m_threads[2] = {nullptr, nullptr};
};
