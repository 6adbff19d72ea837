#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "window_queries.h"

struct DialogSearch {
    std::string caption;
    HWND found;
};

inline BOOL CALLBACK MatchDialog(HWND hwnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<DialogSearch*>(lParam);
    if (IsWindowVisible(hwnd) && ClassName(hwnd) == "#32770" && WindowText(hwnd) == search->caption) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// The visible dialog-class window of this thread with the caption, or null.
inline HWND FindDialog(const std::string& caption)
{
    DialogSearch search{caption, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Plays the user's part from inside the dialog's own modal loop: a thread
// timer runs the next step on each tick once its window is there. A run
// that does not finish within the tick budget is cancelled and fails.
class ScriptedUser {
  public:
    using Step = std::function<bool()>; // true when done, false to retry

    explicit ScriptedUser(std::vector<Step> steps) : m_steps(std::move(steps))
    {
        s_current = this;
        m_timer = SetTimer(nullptr, 0, TICK_MS, OnTick);
    }
    ~ScriptedUser()
    {
        KillTimer(nullptr, m_timer);
        s_current = nullptr;
    }
    bool Finished() const { return m_next == m_steps.size(); }

  private:
    static constexpr UINT TICK_MS = 20;
    static constexpr int TICK_BUDGET = 500;

    static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD)
    {
        ScriptedUser* user = s_current;
        if (!user || user->m_busy)
            return;
        user->m_busy = true;
        if (++user->m_ticks > TICK_BUDGET) {
            // The main window takes no IDCANCEL; it ends on its close command.
            for (const char* caption : {"Velnor", "Dialog"}) {
                if (HWND stuck = FindDialog(caption)) {
                    PostMessageA(stuck, WM_COMMAND, IDCANCEL, 0);
                    PostMessageA(stuck, WM_SYSCOMMAND, SC_CLOSE, 0);
                }
            }
        } else if (!user->Finished() && user->m_steps[user->m_next]()) {
            ++user->m_next;
        }
        user->m_busy = false;
    }

    static inline ScriptedUser* s_current = nullptr;
    std::vector<Step> m_steps;
    std::size_t m_next = 0;
    int m_ticks = 0;
    bool m_busy = false;
    UINT_PTR m_timer = 0;
};
