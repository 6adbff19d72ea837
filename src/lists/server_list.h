#pragma once

#include <array>
#include <cstdint>
#include <string>

constexpr int MAX_SERVERS = 100;

// The game port time of a server whose game port has not been tried.
constexpr std::int32_t GAME_PORT_UNMEASURED = -1;

struct ServerEntry {
    std::string serverName;
    std::string description;
    std::int32_t pingTime = 0;
    // What the last connection to the game port gave: its time in
    // milliseconds, or one of the GAME_PORT_ values below 0.
    std::int32_t gamePortTime = GAME_PORT_UNMEASURED;
    // The name and description as their source stored them, in UTF-16,
    // where that source can hold more than the code page shows (a game's
    // gateway list, a private list saved as UTF-8); empty where the texts
    // above are the whole of them. What the window shows is the texts above.
    std::u16string serverNameUtf16{};
    std::u16string descriptionUtf16{};
    // The number of the private list file's line that the entry was read
    // from, so that a save writes that line back byte for byte; -1 for an
    // entry from anywhere else.
    int privateFileLine = -1;
};

class CodePage;

// The entry's name and description as their source stored them: the
// UTF-16 texts it keeps, or else its 8-bit texts through the code page.
std::u16string StoredServerName(const ServerEntry& entry, const CodePage& codePage);
std::u16string StoredDescription(const ServerEntry& entry, const CodePage& codePage);

// The longest server name that a game is handed.
constexpr std::string::size_type SERVER_NAME_LIMIT = 127;

// A fixed table of servers. Callers walk it from 0 to GetUpperBound().
class CServerList {
  public:
    virtual ~CServerList() = default;

    // Copies the entry into the next free slot. A full list refuses the
    // entry and answers false, so that the caller can tell the user.
    bool Add(const ServerEntry& entry);
    int GetUpperBound() const { return count - 1; }
    ServerEntry GetAt(int index) const { return entries[index]; }
    void RemoveAll() { count = 0; }
    bool IsFull() const { return count == MAX_SERVERS; }

    // The ping command writes measured times in place, and its probes
    // borrow the name texts, so the table itself is open to it.
    std::array<ServerEntry, MAX_SERVERS> entries;

  private:
    int count = 0;
};
