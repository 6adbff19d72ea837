#pragma once

#include <windows.h>

#include <atomic>
#include <memory>
#include <thread>

// A click on a button whose command runs for a while on the window's
// thread: one that opens a modal window (the Add Server dialog, a message
// box) or one that keeps the thread busy ("Ping"). The click is sent from a
// thread of its own, whose send returns only when the whole command has
// finished, so that the walk can deal with the modal window meanwhile and
// then know for certain that the command is over.
class PendingPress {
  public:
    // Clicks the button; the command may run up to the timeout.
    PendingPress(HWND button, DWORD timeoutMs);
    // A command still running when the walk gives up is left to end with
    // the process.
    ~PendingPress();
    PendingPress(const PendingPress&) = delete;
    PendingPress& operator=(const PendingPress&) = delete;

    // Waits for the command to finish; throws std::runtime_error when it
    // has not within the timeout.
    void WaitUntilDone(DWORD timeoutMs);
    // Whether the click's send has come back, without waiting.
    bool IsDone() const { return m_outcome->load() != RUNNING; }

  private:
    enum Outcome { RUNNING, DONE, NO_ANSWER };
    std::shared_ptr<std::atomic<int>> m_outcome;
    std::thread m_sender;
};
