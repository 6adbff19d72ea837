#pragma once

#include <cstdint>

// The message queue of the window's thread, as a wait on that thread
// uses it.
class WindowQueue {
  public:
    virtual ~WindowQueue() = default;
    virtual std::uint32_t TickCount() = 0;
    // Returns once a message is sent to the thread's windows or one of them
    // needs painting, having run those messages, or once the time is up.
    virtual void AnswerSentAndPaint(std::uint32_t milliseconds) = 0;
    // Looks into the queue and leaves everything in it, clicks and keys
    // included.
    virtual void Peek() = 0;
};
