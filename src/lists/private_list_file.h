#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "answer/answer.h"
#include "lists/private_list_encoding.h"

class CServerList;
class FileStore;

// The private list's file, "VELNOR.INI" in the Windows directory. Lines
// that did not fit in the list at the last load are written back after
// the list's own, so that no save loses a line of the file. A file is
// written only when its servers were changed, and in the encoding it was
// read in; a UTF-16 file is never written.
class PrivateListFile {
  public:
    explicit PrivateListFile(FileStore& files) : m_files(files) {}

    // Appends one server per line. A missing file is created empty. Answers
    // in its messages a file that cannot be written back and servers left
    // out, in that order, and refuses a file that can be neither read nor
    // created.
    [[nodiscard]] Answer LoadPrivateList(CServerList& list);
    // Replaces the file with the list's servers, unless they are the ones
    // it holds already (ping times are not stored). On failure the old
    // file stays as it was, and the answer refuses the save and says why.
    [[nodiscard]] Answer SavePrivateList(const CServerList& list);
    // Built anew for every use: the Windows directory may change.
    std::string Path() const;

  private:
    using StoredServers = std::vector<std::pair<std::string, std::string>>;
    static StoredServers ServersOf(const CServerList& list);

    FileStore& m_files;
    std::vector<std::string> m_linesBeyondList;
    PrivateListEncoding m_encoding = PrivateListEncoding::Ansi;
    // The servers the file holds as last read or written; unknown before
    // the first load, so that a save then writes.
    std::optional<StoredServers> m_stored;
    // Why the file as last loaded must not be written; "" when it may be.
    std::string m_refusal;
};
