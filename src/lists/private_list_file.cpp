#include "lists/private_list_file.h"

#include "lists/private_list_format.h"
#include "lists/server_list.h"
#include "platform/file_store.h"

std::string PrivateListFile::Path() const
{
    return m_files.WindowsDirectory() + "\\VELNOR.INI";
}

PrivateListFile::StoredServers PrivateListFile::ServersOf(const CServerList& list)
{
    StoredServers servers;
    for (int i = 0; i <= list.GetUpperBound(); ++i)
        servers.emplace_back(list.entries[i].serverName, list.entries[i].description);
    return servers;
}

Answer PrivateListFile::LoadPrivateList(CServerList& list)
{
    m_linesBeyondList.clear();
    m_encoding = PrivateListEncoding::Ansi;
    m_stored = StoredServers{};
    m_refusal.clear();
    const std::string path = Path();
    std::optional<std::string> bytes = m_files.ReadFile(path);
    if (!bytes) {
        // A file that exists but cannot be read must not be replaced by
        // the empty list shown for it.
        if (m_files.CreateEmptyFile(path))
            return {};
        m_refusal = "Can't create " + path;
        return Answer::Refusing(m_refusal);
    }
    const PrivateListText file = DecodePrivateListFile(*bytes);
    m_encoding = file.encoding;
    for (const std::string& line : SplitPrivateListLines(file.text)) {
        ServerEntry entry = ParsePrivateListLine(line);
        if (list.Add(entry))
            m_stored->emplace_back(entry.serverName, entry.description);
        else
            m_linesBeyondList.push_back(line);
    }
    Answer answer;
    if (m_encoding == PrivateListEncoding::Utf16) {
        m_refusal = path + " is saved as Unicode text, which Velnor cannot write. Its servers are shown, "
                           "but changes to them are not saved.";
        answer.messages.push_back(m_refusal);
    }
    if (!m_linesBeyondList.empty())
        answer.messages.push_back("Only the first " + std::to_string(MAX_SERVERS) + " servers of " + path +
                                  " are shown. The others stay in the file.");
    return answer;
}

Answer PrivateListFile::SavePrivateList(const CServerList& list)
{
    StoredServers servers = ServersOf(list);
    if (servers == m_stored)
        return {};
    if (!m_refusal.empty())
        return Answer::Refusing(m_refusal);
    std::string text;
    for (int i = 0; i <= list.GetUpperBound(); ++i)
        text += FormatPrivateListLine(list.GetAt(i));
    for (const std::string& line : m_linesBeyondList)
        text += line + '\n';
    const std::string path = Path();
    if (!m_files.WriteWholeFile(path, EncodePrivateListFile(m_encoding, text)))
        return Answer::Refusing("Can't create " + path);
    m_stored = std::move(servers);
    return {};
}
