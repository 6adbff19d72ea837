#pragma once

#include <windows.h>

#include "platform/taskbar_progress_win32.h"
#include "ui/work_indicator.h"
#include "win/window.h"

// The wait cursor over the window, the progress on its taskbar button, and
// the clicks and keys of the thread's queue dropped at the end.
class Win32WorkIndicator : public WorkIndicator {
  public:
    void Attach(HWND window) { m_window.Attach(window); }

    void BeginWork() override;
    void ShowProgress(int finished, int total) override;
    void EndWork() override;
    // The answer to WM_SETCURSOR: while the work runs, the wait cursor and
    // true, since a look into the queue can still have the system ask for
    // a cursor; otherwise false.
    bool KeepWaitCursor();

  private:
    win::Window m_window;
    bool m_working = false;
    bool m_waitCursorShown = false;
    HCURSOR m_cursorBefore = nullptr;
    TaskbarProgress m_taskbar;
};
