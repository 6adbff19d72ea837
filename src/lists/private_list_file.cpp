#include "lists/private_list_file.h"

#include "lists/private_list_format.h"
#include "lists/server_list.h"
#include "platform/file_store.h"
#include "platform/user.h"

std::string CPrivateListFile::Path() const
{
    return m_files.WindowsDirectory() + "\\VELNOR.INI";
}

void CPrivateListFile::LoadPrivateList(CServerList& list)
{
    m_linesBeyondList.clear();
    const std::string path = Path();
    std::optional<std::string> text = m_files.ReadFile(path);
    if (!text) {
        if (!m_files.CreateEmptyFile(path))
            m_user.ShowMessage("Can't create " + path);
        return;
    }
    for (const std::string& line : SplitPrivateListLines(*text)) {
        if (!list.Add(ParsePrivateListLine(line)))
            m_linesBeyondList.push_back(line);
    }
    if (!m_linesBeyondList.empty())
        m_user.ShowMessage("Only the first " + std::to_string(MAX_SERVERS) + " servers of " + path +
                           " are shown. The others stay in the file.");
}

void CPrivateListFile::SavePrivateList(const CServerList& list)
{
    std::string text;
    for (int i = 0; i <= list.GetUpperBound(); ++i)
        text += FormatPrivateListLine(list.GetAt(i));
    for (const std::string& line : m_linesBeyondList)
        text += line + '\n';
    const std::string path = Path();
    if (!m_files.WriteWholeFile(path, text))
        m_user.ShowMessage("Can't create " + path);
}
