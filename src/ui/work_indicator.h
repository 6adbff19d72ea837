#pragma once

// How the window goes through a command that takes no input while it runs:
// it shows the wait cursor over the window and how far the work has got on
// the taskbar button where the system has one, and at the end it drops the
// clicks and keys given meanwhile.
class WorkIndicator {
  public:
    virtual ~WorkIndicator() = default;
    virtual void BeginWork() = 0;
    // finished of total parts are done; nothing is shown for no parts.
    virtual void ShowProgress(int finished, int total) = 0;
    // The window looks as before the work began. What was clicked or typed
    // meanwhile was aimed at what it showed then, and is dropped; only a
    // close is still carried out.
    virtual void EndWork() = 0;
};
