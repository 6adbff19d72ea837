#include "lists/private_list_file.h"

#include <utility>

#include "lists/private_list_format.h"
#include "lists/utf8.h"
#include "platform/code_page.h"
#include "platform/file_store.h"

namespace {

bool SameTexts(const ServerEntry& a, const ServerEntry& b)
{
    return a.serverName == b.serverName && a.description == b.description &&
           a.serverNameUtf16 == b.serverNameUtf16 && a.descriptionUtf16 == b.descriptionUtf16;
}

// Joins lines so that they split back the same: a last line without its
// end that is last no longer gets one, and a line ended by a carriage
// return alone takes a newline too before an empty line ended by one.
void AppendLine(const std::string& line, std::string& text)
{
    const char last = text.empty() ? '\n' : text.back();
    if (last == '\r' && !line.empty() && line.front() == '\n')
        text += '\n';
    else if (last != '\r' && last != '\n')
        text += "\r\n";
    text += line;
}

} // namespace

std::string PrivateListFile::Path() const
{
    return m_files.WindowsDirectory() + "\\VELNOR.INI";
}

// The fields of a UTF-8 line are whole characters: the line is split at
// ASCII bytes only.
ServerEntry PrivateListFile::ServerOf(const std::string& line) const
{
    ServerEntry server = ParsePrivateListLine(line);
    if (!IsUtf8() || IsAscii(line))
        return server;
    server.serverNameUtf16 = DecodeUtf8(server.serverName).value_or(u"");
    server.descriptionUtf16 = DecodeUtf8(server.description).value_or(u"");
    server.serverName = m_codePage.FromUtf16(server.serverNameUtf16);
    server.description = m_codePage.FromUtf16(server.descriptionUtf16);
    return server;
}

// The line of a server that the file does not hold yet.
std::string PrivateListFile::LineOf(const ServerEntry& server) const
{
    if (!IsUtf8())
        return FormatPrivateListLine(server);
    ServerEntry stored = server;
    stored.serverName = EncodeUtf8(server.serverNameUtf16.empty() ? m_codePage.ToUtf16(server.serverName)
                                                                  : server.serverNameUtf16);
    stored.description = EncodeUtf8(server.descriptionUtf16.empty() ? m_codePage.ToUtf16(server.description)
                                                                    : server.descriptionUtf16);
    return FormatPrivateListLine(stored);
}

// A server read from the file and not changed since writes its own line.
std::string PrivateListFile::TextOf(const CServerList& list) const
{
    std::string text;
    for (int i = 0; i <= list.GetUpperBound(); ++i) {
        const ServerEntry& server = list.entries[i];
        const auto line = static_cast<std::vector<StoredLine>::size_type>(server.privateFileLine);
        const bool read =
            server.privateFileLine >= 0 && line < m_lines.size() && SameTexts(m_lines[line].server, server);
        AppendLine(read ? m_lines[line].bytes : LineOf(server), text);
    }
    for (const std::string& line : m_linesBeyondList)
        AppendLine(line, text);
    return text;
}

Answer PrivateListFile::LoadPrivateList(CServerList& list)
{
    m_lines.clear();
    m_linesBeyondList.clear();
    m_file = PrivateListText{};
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
    m_file = DecodePrivateListFile(*bytes);
    for (const std::string& line : SplitPrivateListLines(m_file->text)) {
        ServerEntry server = ServerOf(line);
        server.privateFileLine = static_cast<int>(m_lines.size());
        if (list.Add(server))
            m_lines.push_back({std::move(server), line});
        else
            m_linesBeyondList.push_back(line);
    }
    Answer answer;
    if (m_file->encoding == PrivateListEncoding::Utf16) {
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
    PrivateListText file = m_file.value_or(PrivateListText{});
    file.text = TextOf(list);
    if (m_file && file.text == m_file->text)
        return {};
    if (!m_refusal.empty())
        return Answer::Refusing(m_refusal);
    const std::string path = Path();
    if (!m_files.WriteWholeFile(path, EncodePrivateListFile(file)))
        return Answer::Refusing("Can't create " + path);
    m_file = std::move(file);
    return {};
}
