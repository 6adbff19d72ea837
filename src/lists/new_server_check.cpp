#include "lists/new_server_check.h"

#include "lists/private_list_format.h"
#include "lists/server_list.h"
#include "platform/code_page.h"

namespace {

std::string Trimmed(const std::string& text)
{
    const std::string::size_type first = text.find_first_not_of(WHITE_SPACE);
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(WHITE_SPACE) - first + 1);
}

Answer Refusal(const ServerEntry& server, const CServerList& list, const CodePage& codePage)
{
    if (list.IsFull())
        return Answer::Refusing("The private list already holds " + std::to_string(MAX_SERVERS) +
                                " servers, as many as it can hold.");
    if (server.serverName.empty())
        return Answer::Refusing("A server name cannot be empty.");
    if (server.serverName.find_first_of(WHITE_SPACE) != std::string::npos)
        return Answer::Refusing("A server name cannot contain spaces or tabs.");
    if (server.serverName.size() > SERVER_NAME_LIMIT)
        return Answer::Refusing("A server name cannot be longer than " + std::to_string(SERVER_NAME_LIMIT) +
                                " characters.");
    if (server.description.find_first_of("\r\n") != std::string::npos)
        return Answer::Refusing("A description cannot contain line breaks.");
    if (!server.descriptionUtf16.empty() && codePage.ToUtf16(server.description) != server.descriptionUtf16)
        return Answer::Refusing("The description holds characters that this system's code page cannot "
                                "show. Type it in the system's own letters.");
    return {};
}

} // namespace

Answer CheckNewServer(ServerEntry& server, const CServerList& list, const CodePage& codePage)
{
    server.serverName = Trimmed(server.serverName);
    Answer answer = Refusal(server, list, codePage);
    if (!answer.Refused())
        server.descriptionUtf16.clear();
    return answer;
}
