#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "lists/private_list_file.h"
#include "lists/server_list.h"
#include "ping/game_port_memory.h"

class Clock;
class CodePage;
class EchoService;
class FileStore;
class Registry;
class ServerView;
class Shell;
class TimeZone;
class User;
class WorkIndicator;

// What the main window's commands reach: the window's own ports and the
// operating system's seams.
struct CommandSeams {
    ServerView& view;
    User& user;
    Registry& registry;
    FileStore& files;
    Shell& shell;
    Clock& clock;
    EchoService& echo;
    TimeZone& timeZone;
    WorkIndicator& work;
    const CodePage& codePage;
};

// The commands of the main window, apart from the window itself: the two
// lists, which one is shown, and what each button does to them.
class ManagerCommands {
  public:
    explicit ManagerCommands(const CommandSeams& seams);

    // Loads and shows the public list, and disables the editing buttons.
    void InitServerView();

    // Runs the command of the button with the control ID; false when no
    // command has that ID. While "Ping" runs, every command is dropped: the
    // probes read the entries' names, and its waits take messages sent
    // from other programs.
    bool OnCommand(int controlId);
    bool IsBusy() const { return m_bPinging; }

    void OnPing();
    void OnStarCraft();
    void OnDiablo();
    void OnWarcraft2();
    void OnBlizzardServers();
    void OnPrivateServers();
    void OnAddServer();
    void OnDeleteServer();

    bool IsPrivateListCurrent() const { return m_currentList == &m_privateList; }
    const CServerList& CurrentList() const { return *m_currentList; }

  private:
    void SavePrivateListIfCurrent();

    CommandSeams m_seams;
    PrivateListFile m_privateListFile{m_seams.files, m_seams.codePage};
    CServerList m_publicList;
    CServerList m_privateList;
    CServerList* m_currentList = &m_publicList;
    // The "Ping" command's guard against repeated presses.
    bool m_bPinging = false;
    std::uint32_t m_dwLastPingEnd = 0;
    // Outlives every "Ping", so that no host is connected to too often.
    GamePortMemory m_gamePorts;
};
