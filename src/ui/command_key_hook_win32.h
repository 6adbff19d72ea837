#pragma once

#include <windows.h>

// Hands the main window's command keys to its commands wherever the focus
// is in the window. The dialog manager gives every key to the control
// with the focus, inside a modal loop that the system runs; that loop
// offers each message to the thread's message filter hooks first, so a
// filter sees the keys of every control. A key becomes the same
// WM_COMMAND as its button, so it goes where a click goes, and is dropped
// where a click is.
class CommandKeyHook {
  public:
    CommandKeyHook() = default;
    CommandKeyHook(const CommandKeyHook&) = delete;
    CommandKeyHook& operator=(const CommandKeyHook&) = delete;
    ~CommandKeyHook();

    // Starts taking the keys of the dialog and its controls.
    void Attach(HWND dialog);

  private:
    static LRESULT CALLBACK Filter(int code, WPARAM wParam, LPARAM lParam);
    // Gives the key's command to the dialog; false when the message is no
    // command key of the dialog.
    bool Command(const MSG& message) const;

    HWND m_dialog = nullptr;
    HHOOK m_hook = nullptr;
};
