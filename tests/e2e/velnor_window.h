#pragma once

#include <windows.h>

#include <string>

#include "remote_list_view.h"
#include "window_messages.h"

class ChildProcess;

// A dialog of another process: a message box, the Add Server dialog, the
// About box, or Velnor's main window itself.
class DialogWindow {
  public:
    DialogWindow(HWND hwnd, HANDLE process) : m_window(hwnd), m_process(process) {}

    HWND Handle() const { return m_window; }
    HWND Item(int id) const;
    std::string ItemText(int id) const { return TextOf(Item(id)); }
    void SetItemText(int id, const std::string& text) const { SetTextOf(Item(id), text); }
    bool IsEnabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    bool IsChecked(int id) const;
    // The texts of its static controls, in z order.
    std::string StaticTexts() const;
    // Clicks the button and returns once its command has finished. For a
    // command that opens a modal window or runs long, see PendingPress.
    void Press(int id) const { SendWithin(Item(id), BM_CLICK, 0, 0); }
    // Clicks the button and returns at once: for the buttons that close
    // a modal window.
    void PressWithoutWaiting(int id) const;
    // A click on the control, queued as the mouse queues it; returns at once.
    void PostClick(int id) const;
    // A key pressed and released on the control that has the keyboard
    // focus, queued as the keyboard queues it; returns at once.
    void PostKey(WORD virtualKey) const;
    // Moves the keyboard focus to the control, as the dialog manager does.
    void Focus(int id) const;
    void SystemCommand(WPARAM command) const;
    bool IsShown() const { return IsWindow(m_window) && IsWindowVisible(m_window); }
    bool WaitUntilClosed(DWORD timeoutMs = ANSWER_TIMEOUT_MS) const;
    // The dialog's list view control.
    RemoteListView ListView(int id) const { return RemoteListView(Item(id), m_process); }

  private:
    HWND m_window;
    HANDLE m_process;
};

// The process's dialog with the caption and no owner, once shown; throws
// after the timeout.
DialogWindow WaitForTopLevelWindow(const ChildProcess& process, const std::string& caption, DWORD timeoutMs);
// Velnor's main window "Velnor".
inline DialogWindow WaitForMainWindow(const ChildProcess& velnor, DWORD timeoutMs)
{
    return WaitForTopLevelWindow(velnor, "Velnor", timeoutMs);
}

// A window with the caption that the main window owns, once shown; throws
// after the timeout.
DialogWindow WaitForOwnedWindow(const DialogWindow& owner, const ChildProcess& velnor,
                                const std::string& caption, DWORD timeoutMs = ANSWER_TIMEOUT_MS);
