#include "ui/command_key_hook_win32.h"

#include "ui/command_keys.h"

namespace {

static_assert(VIRTUAL_KEY_DELETE == VK_DELETE && VIRTUAL_KEY_F5 == VK_F5, "Windows' virtual-key codes");

// The thread's one main window; the filter hook carries no data of its own.
CommandKeyHook* s_keyHook = nullptr;

// A key held down repeats; its command is given once, the repeats swallowed.
constexpr LPARAM KEY_WAS_DOWN = 1 << 30;

bool IsHeld(int virtualKey)
{
    return (GetKeyState(virtualKey) & 0x8000) != 0;
}

} // namespace

CommandKeyHook::~CommandKeyHook()
{
    if (m_hook)
        UnhookWindowsHookEx(m_hook);
    if (s_keyHook == this)
        s_keyHook = nullptr;
}

void CommandKeyHook::Attach(HWND dialog)
{
    m_dialog = dialog;
    s_keyHook = this;
    if (!m_hook)
        m_hook = SetWindowsHookExA(WH_MSGFILTER, Filter, nullptr, GetCurrentThreadId());
}

// Nothing here can throw: a key press is read and one message sent.
LRESULT CALLBACK CommandKeyHook::Filter(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_DIALOGBOX && s_keyHook && s_keyHook->Command(*message))
        return TRUE;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool CommandKeyHook::Command(const MSG& message) const
{
    if (message.message != WM_KEYDOWN || !m_dialog ||
        (message.hwnd != m_dialog && !IsChild(m_dialog, message.hwnd)))
        return false;
    const int command =
        CommandOfKey({static_cast<int>(message.wParam), IsHeld(VK_CONTROL), IsHeld(VK_SHIFT)});
    if (command == 0)
        return false;
    // As a menu sends its command: no control and no notification code.
    if ((message.lParam & KEY_WAS_DOWN) == 0)
        SendMessageA(m_dialog, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    return true;
}
