#pragma once

#include "fakes/fake_clipboard.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_code_page.h"
#include "fakes/fake_file_store.h"
#include "fakes/fake_network.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_server_view.h"
#include "fakes/fake_shell.h"
#include "fakes/fake_time_zone.h"
#include "fakes/fake_user.h"
#include "fakes/fake_work_indicator.h"
#include "fakes/fake_worker_threads.h"
#include "ui/manager_commands.h"

// The main window's commands over in-memory fakes of every seam; probes run
// when the fake clock reaches their time.
struct FakeMainWindow {
    FakeServerView view;
    FakeUser user;
    FakeRegistry registry;
    FakeFileStore files;
    FakeShell shell;
    FakeClock clock;
    FakeNetwork network;
    FakeWorkerThreads threads{&clock};
    FakeTimeZone timeZone;
    FakeWorkIndicator work;
    FakeCodePage codePage;
    FakeClipboard clipboard;
    ManagerCommands commands{CommandSeams{view, user, registry, files, shell, clock, network, threads,
                                          timeZone, work, codePage, clipboard}};
};
