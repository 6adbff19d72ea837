#pragma once

#include <cstdint>

using ThreadProc = std::uint32_t (*)(void* parameter);

// The start of worker threads that nobody waits for.
class WorkerThreads {
  public:
    virtual ~WorkerThreads() = default;
    // Starts a thread that runs proc(parameter) at once and ends by itself,
    // on a small stack of its own. False when no thread could be started.
    virtual bool StartThread(ThreadProc proc, void* parameter) = 0;
};
