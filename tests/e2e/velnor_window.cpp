#include "velnor_window.h"

#include <stdexcept>
#include <vector>

#include "child_process.h"

namespace {

// Fine enough for the start-up benchmark, light enough not to slow the
// program being watched.
constexpr DWORD WINDOW_POLL_MS = 5;

// What a search through the top-level windows looks for.
struct WindowQuery {
    DWORD processId;
    HWND owner;
    const char* caption;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM parameter)
{
    auto* query = reinterpret_cast<WindowQuery*>(parameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd, &processId);
    char caption[256] = "";
    GetWindowTextA(hwnd, caption, sizeof caption);
    if (processId == query->processId && GetWindow(hwnd, GW_OWNER) == query->owner && IsWindowVisible(hwnd) &&
        ClassOf(hwnd) == "#32770" && query->caption == std::string(caption)) {
        query->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

DialogWindow WaitForWindow(const ChildProcess& process, HWND owner, const std::string& caption,
                           DWORD timeoutMs)
{
    WindowQuery query{process.Id(), owner, caption.c_str(), nullptr};
    const bool found = PollUntil(
        [&] {
            EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
            return query.found != nullptr;
        },
        timeoutMs, WINDOW_POLL_MS);
    if (!found)
        throw std::runtime_error("no window \"" + caption + "\" was shown within " +
                                 std::to_string(timeoutMs) + " ms");
    return DialogWindow(query.found, process.Handle());
}

BOOL CALLBACK CollectStatic(HWND hwnd, LPARAM parameter)
{
    if (ClassOf(hwnd) == "Static")
        reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(hwnd);
    return TRUE;
}

// The lParam of a key message: one stroke, the key's scan code, and for a
// release the previous-state and transition bits.
LPARAM KeyParameter(WORD virtualKey, bool release)
{
    const LPARAM scanCode = static_cast<LPARAM>(MapVirtualKeyA(virtualKey, 0 /* MAPVK_VK_TO_VSC */));
    return 1 | scanCode << 16 | (release ? static_cast<LPARAM>(0xC0000000) : 0);
}

} // namespace

HWND DialogWindow::Item(int id) const
{
    HWND item = GetDlgItem(m_window, id);
    if (item == nullptr)
        throw std::runtime_error("the dialog has no control " + std::to_string(id));
    return item;
}

bool DialogWindow::IsChecked(int id) const
{
    return SendWithin(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::string DialogWindow::StaticTexts() const
{
    std::vector<HWND> statics;
    EnumChildWindows(m_window, CollectStatic, reinterpret_cast<LPARAM>(&statics));
    std::string texts;
    for (HWND item : statics)
        texts += TextOf(item) + "\n";
    return texts;
}

void DialogWindow::PressWithoutWaiting(int id) const
{
    if (!PostMessageA(Item(id), BM_CLICK, 0, 0))
        throw std::runtime_error("cannot click control " + std::to_string(id));
}

void DialogWindow::PostClick(int id) const
{
    PostMessageA(Item(id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageA(Item(id), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

void DialogWindow::PostKey(WORD virtualKey) const
{
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(m_window, nullptr), &thread) ||
        thread.hwndFocus == nullptr)
        throw std::runtime_error("no control of the dialog has the keyboard focus");
    PostMessageA(thread.hwndFocus, WM_KEYDOWN, virtualKey, KeyParameter(virtualKey, false));
    PostMessageA(thread.hwndFocus, WM_KEYUP, virtualKey, KeyParameter(virtualKey, true));
}

void DialogWindow::Focus(int id) const
{
    // As a person clicks into the window first.
    SetForegroundWindow(m_window);
    SendWithin(m_window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
}

void DialogWindow::SystemCommand(WPARAM command) const
{
    if (!PostMessageA(m_window, WM_SYSCOMMAND, command, 0))
        throw std::runtime_error("cannot send the system command");
}

bool DialogWindow::WaitUntilClosed(DWORD timeoutMs) const
{
    return PollUntil([&] { return !IsShown(); }, timeoutMs);
}

DialogWindow WaitForTopLevelWindow(const ChildProcess& process, const std::string& caption, DWORD timeoutMs)
{
    return WaitForWindow(process, nullptr, caption, timeoutMs);
}

DialogWindow WaitForOwnedWindow(const DialogWindow& owner, const ChildProcess& velnor,
                                const std::string& caption, DWORD timeoutMs)
{
    return WaitForWindow(velnor, owner.Handle(), caption, timeoutMs);
}
