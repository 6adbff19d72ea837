#pragma once

#include "platform/clipboard_win32.h"
#include "platform/clock_win32.h"
#include "platform/code_page_win32.h"
#include "platform/file_associations_win32.h"
#include "platform/file_store_win32.h"
#include "platform/registry_win32.h"
#include "platform/shell_win32.h"
#include "platform/time_zone_win32.h"
#include "platform/worker_threads_win32.h"

// The Windows side of every seam of the operating system that the main
// window's commands and links reach, in one object that the application
// makes and lends to the window; the window's own ports are its own. The
// network is lent apart, so that tests can stand in for it alone.
struct OperatingSystem {
    Win32Registry registry;
    // A save runs inside a command, so its retries wait on a clock that
    // runs no window message: the window's clock would run other commands
    // sent meanwhile.
    Win32Clock fileClock;
    Win32FileStore files{fileClock};
    Win32Shell shell;
    Win32FileAssociations associations;
    Win32TimeZone timeZone;
    Win32CodePage codePage;
    Win32WorkerThreads threads;
    Win32Clipboard clipboard;
};
