#include "lists/new_server_check.h"

#include "lists/private_list_format.h"
#include "lists/server_list.h"

Answer CheckNewServer(const ServerEntry& server, const CServerList& list)
{
    if (list.IsFull())
        return Answer::Refusing("The private list already holds " + std::to_string(MAX_SERVERS) +
                                " servers, as many as it can hold.");
    if (server.serverName.find_first_of(WHITE_SPACE) != std::string::npos)
        return Answer::Refusing("A server name cannot contain spaces or tabs.");
    if (server.serverName.size() > SERVER_NAME_LIMIT)
        return Answer::Refusing("A server name cannot be longer than " + std::to_string(SERVER_NAME_LIMIT) +
                                " characters.");
    if (server.description.find_first_of("\r\n") != std::string::npos)
        return Answer::Refusing("A description cannot contain line breaks.");
    return {};
}
