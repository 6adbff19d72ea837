#pragma once

#include <windows.h>

struct ITaskbarList3;

// The progress bar on a window's taskbar button (ITaskbarList3), where the
// system offers one. Without it, or without COM, nothing is shown and
// nothing fails. COM is loaded only when progress is first shown, so that
// the program's start does not wait for it.
class TaskbarProgress {
  public:
    TaskbarProgress() = default;
    ~TaskbarProgress() { End(); }
    TaskbarProgress(const TaskbarProgress&) = delete;
    TaskbarProgress& operator=(const TaskbarProgress&) = delete;

    void Begin(HWND window);
    void Show(int finished, int total);
    // Clears the bar.
    void End();

  private:
    HWND m_window = nullptr;
    HMODULE m_com = nullptr;
    bool m_comStarted = false;
    ITaskbarList3* m_taskbar = nullptr;
};
