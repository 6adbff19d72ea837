#pragma once

#include "platform/worker_threads.h"

// Threads of the system's own.
class Win32WorkerThreads : public WorkerThreads {
  public:
    bool StartThread(ThreadProc proc, void* parameter) override;
};
