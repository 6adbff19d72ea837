#pragma once

// How the window shows a command that takes no input while it runs: the
// wait cursor over the window, and how far the work has got on the
// taskbar button where the system has one.
class WorkIndicator {
  public:
    virtual ~WorkIndicator() = default;
    virtual void BeginWork() = 0;
    // finished of total parts are done; nothing is shown for no parts.
    virtual void ShowProgress(int finished, int total) = 0;
    // The window looks as before the work began.
    virtual void EndWork() = 0;
};
