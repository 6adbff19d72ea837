#pragma once

#include "ui/window_queue.h"

// The queue of the calling thread.
class Win32WindowQueue : public WindowQueue {
  public:
    std::uint32_t TickCount() override;
    void AnswerSentAndPaint(std::uint32_t milliseconds) override;
    void Peek() override;
};
