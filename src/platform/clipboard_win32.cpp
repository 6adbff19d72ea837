#include "platform/clipboard_win32.h"

#include <windows.h>

#include <cstring>

namespace {

// The text with its terminator in memory that the clipboard can own.
HGLOBAL TextMemory(const std::string& text)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!memory)
        return nullptr;
    void* bytes = GlobalLock(memory);
    if (!bytes) {
        GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    return memory;
}

} // namespace

void Win32Clipboard::CopyText(const std::string& text)
{
    HGLOBAL memory = TextMemory(text);
    if (!memory)
        return;
    if (!OpenClipboard(nullptr)) {
        GlobalFree(memory);
        return;
    }
    EmptyClipboard();
    // Once set, the memory is the clipboard's.
    if (!SetClipboardData(CF_TEXT, memory))
        GlobalFree(memory);
    CloseClipboard();
}
