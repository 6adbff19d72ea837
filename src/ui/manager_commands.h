#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "lists/private_list_file.h"
#include "lists/server_list.h"
#include "ping/game_port_memory.h"
#include "ui/server_view.h"

class Clipboard;
class Clock;
class CodePage;
class FileStore;
class Network;
class Registry;
class Shell;
class TimeZone;
class User;
class WorkIndicator;
class WorkerThreads;

// What the main window's commands reach: the window's own ports and the
// operating system's seams.
struct CommandSeams {
    ServerView& view;
    User& user;
    Registry& registry;
    FileStore& files;
    Shell& shell;
    Clock& clock;
    Network& network;
    WorkerThreads& threads;
    TimeZone& timeZone;
    WorkIndicator& work;
    const CodePage& codePage;
    Clipboard& clipboard;
};

// The commands of the main window, apart from the window itself: the two
// lists, which one is shown, and what each button does to them.
class ManagerCommands {
  public:
    explicit ManagerCommands(const CommandSeams& seams);

    // Loads and shows the public list, and disables the editing buttons.
    void InitServerView();

    // Runs the command of the button with the control ID; false when no
    // command has that ID.
    bool OnCommand(int controlId);
    // True while "Ping" runs: no other command may start meanwhile, since
    // the probes read the entries' names and its waits answer messages
    // that other programs send to the window.
    bool IsBusy() const { return m_bPinging; }

    void OnPing();
    void OnStarCraft();
    void OnDiablo();
    void OnWarcraft2();
    void OnBlizzardServers();
    void OnPrivateServers();
    void OnAddServer();
    void OnDeleteServer();
    // Copies the selected server's name as the view shows it.
    void OnCopyServer();

    bool IsPrivateListCurrent() const { return m_currentList == &m_privateList; }
    const CServerList& CurrentList() const { return *m_currentList; }

  private:
    // The entry of the selected row; none when no row is selected.
    std::optional<ServerEntry> SelectedServer() const;
    void EnableEditing(bool enabled);
    void SavePrivateListIfCurrent();

    CommandSeams m_seams;
    PrivateListFile m_privateListFile{m_seams.files, m_seams.codePage};
    CServerList m_publicList;
    CServerList m_privateList;
    CServerList* m_currentList = &m_publicList;
    // The order in which the view shows the current list.
    ServerViewOrder m_viewOrder;
    // The "Ping" command's guard against repeated presses.
    bool m_bPinging = false;
    std::uint32_t m_dwLastPingEnd = 0;
    // Outlives every "Ping", so that no host is connected to too often.
    GamePortMemory m_gamePorts;
};
