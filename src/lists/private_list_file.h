#pragma once

#include <optional>
#include <string>
#include <vector>

#include "answer/answer.h"
#include "lists/private_list_encoding.h"
#include "lists/server_list.h"

class CodePage;
class FileStore;

// The private list's file, "VELNOR.INI" in the Windows directory. Lines
// that did not fit in the list at the last load are written back after
// the list's own, so that no save loses a line of the file. A save writes
// the line of every server read from the file back byte for byte, the
// others in the encoding the file was read in, and writes nothing when the
// file would not change; a UTF-16 file is never written. A UTF-8 file's servers
// are shown through the code page and keep their UTF-16 texts.
class PrivateListFile {
  public:
    PrivateListFile(FileStore& files, const CodePage& codePage) : m_files(files), m_codePage(codePage) {}

    // Appends one server per line. A missing file is created empty. Answers
    // in its messages a file that cannot be written back and servers left
    // out, in that order, and refuses a file that can be neither read nor
    // created.
    [[nodiscard]] Answer LoadPrivateList(CServerList& list);
    // Replaces the file with the list's servers, unless it holds them
    // already (ping times are not stored). On failure the old file stays
    // as it was, and the answer refuses the save and says why.
    [[nodiscard]] Answer SavePrivateList(const CServerList& list);
    // Built anew for every use: the Windows directory may change.
    std::string Path() const;

  private:
    // A line of the file, its end included, and the server it holds.
    struct StoredLine {
        ServerEntry server;
        std::string bytes;
    };

    bool IsUtf8() const { return m_file && m_file->encoding == PrivateListEncoding::Utf8; }
    ServerEntry ServerOf(const std::string& line) const;
    std::string LineOf(const ServerEntry& server) const;
    std::string TextOf(const CServerList& list) const;

    FileStore& m_files;
    const CodePage& m_codePage;
    // The file as last read or written (as the empty list shown for a file
    // that could not be read); nothing before the first load, so that a
    // save then writes.
    std::optional<PrivateListText> m_file;
    // The lines of the list's servers as last read, in the file's order.
    std::vector<StoredLine> m_lines;
    std::vector<std::string> m_linesBeyondList;
    // Why the file as last loaded must not be written; "" when it may be.
    std::string m_refusal;
};
