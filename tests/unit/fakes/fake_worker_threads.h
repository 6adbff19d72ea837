#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/clock.h"
#include "platform/worker_threads.h"

// Threads that run only when the test says so, or once the clock given to
// them reaches the time chosen for them, so every interleaving is
// deterministic.
class FakeWorkerThreads : public WorkerThreads {
  public:
    explicit FakeWorkerThreads(Clock* clock = nullptr) : clock_(clock) {}

    bool StartThread(ThreadProc proc, void* parameter) override
    {
        if (!threadsAvailable)
            return false;
        std::uint32_t delay = threadsStarted < runDelays.size() ? runDelays[threadsStarted] : 0;
        if (onThreadStart)
            onThreadStart();
        pending_.push_back({proc, parameter, Now() + delay});
        ++threadsStarted;
        return true;
    }

    // Runs every started thread that has not run yet.
    void RunAllThreads() { RunThreadsDueBy(UINT32_MAX); }
    // Runs the threads whose time has come on the clock.
    void RunDueThreads() { RunThreadsDueBy(Now()); }
    size_t PendingThreads() const { return pending_.size(); }

    // How long after its start the n-th thread runs, on the clock; 0 when
    // not given.
    std::vector<std::uint32_t> runDelays;
    bool threadsAvailable = true;

    std::vector<std::uint32_t> exitCodes;
    size_t threadsStarted = 0;
    std::function<void()> onThreadStart;

  private:
    struct Thread {
        ThreadProc proc;
        void* parameter;
        std::uint32_t runAt;
    };

    std::uint32_t Now() const { return clock_ ? clock_->TickCount() : 0; }
    void RunThreadsDueBy(std::uint32_t time)
    {
        for (size_t i = 0; i < pending_.size();) {
            const Thread thread = pending_[i];
            if (thread.runAt > time) {
                ++i;
                continue;
            }
            pending_.erase(pending_.begin() + static_cast<std::ptrdiff_t>(i));
            exitCodes.push_back(thread.proc(thread.parameter));
        }
    }

    Clock* clock_;
    std::vector<Thread> pending_;
};
