#pragma once

#include <windows.h>

#include "platform/taskbar_progress_win32.h"
#include "ui/work_indicator.h"
#include "win/window.h"

// The wait cursor over the window, and the progress on its taskbar button.
class Win32WorkIndicator : public WorkIndicator {
  public:
    void Attach(HWND window) { m_window.Attach(window); }

    void BeginWork() override;
    void ShowProgress(int finished, int total) override;
    void EndWork() override;

  private:
    win::Window m_window;
    bool m_waitCursorShown = false;
    HCURSOR m_cursorBefore = nullptr;
    TaskbarProgress m_taskbar;
};
