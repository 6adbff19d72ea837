#pragma once

// Windows' virtual-key codes of the keys that give commands.
constexpr int VIRTUAL_KEY_DELETE = 0x2E;
constexpr int VIRTUAL_KEY_F5 = 0x74;
constexpr int VIRTUAL_KEY_C = 'C';

// A key pressed in the main window, and the modifiers held with it.
struct KeyPress {
    int virtualKey;
    bool control = false;
    bool shift = false;
};

// The main window's command that the key gives, by the ID of its button
// or command; 0 for a key that gives none. Delete deletes the selected
// server, F5 pings, Ctrl+C copies the selected server's name.
int CommandOfKey(const KeyPress& key);
