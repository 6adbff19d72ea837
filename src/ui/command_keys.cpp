#include "ui/command_keys.h"

#include "res/resource.h"

namespace {

struct KeyBinding {
    int virtualKey;
    bool control;
    int command;
};

constexpr KeyBinding KEYS[] = {
    {VIRTUAL_KEY_DELETE, false, IDC_DELETE_SERVER},
    {VIRTUAL_KEY_F5, false, IDC_PING},
    {VIRTUAL_KEY_C, true, IDM_COPY_SERVER},
};

} // namespace

// A key held with Shift is another key: none of them gives a command.
int CommandOfKey(const KeyPress& key)
{
    if (key.shift)
        return 0;
    for (const KeyBinding& binding : KEYS) {
        if (binding.virtualKey == key.virtualKey && binding.control == key.control)
            return binding.command;
    }
    return 0;
}
