#include "lists/new_server_check.h"

#include "lists/server_list.h"
#include "platform/new_server.h"

namespace {

constexpr std::string::size_type SERVER_NAME_LIMIT = 127;

} // namespace

std::string CheckNewServer(const NewServer& server, const CServerList& list)
{
    if (list.IsFull())
        return "The private list already holds " + std::to_string(MAX_SERVERS) +
               " servers, as many as it can hold.";
    if (server.name.find_first_of(" \t\r\n\v\f") != std::string::npos)
        return "A server name cannot contain spaces or tabs.";
    if (server.name.size() > SERVER_NAME_LIMIT)
        return "A server name cannot be longer than " + std::to_string(SERVER_NAME_LIMIT) + " characters.";
    if (server.description.find_first_of("\r\n") != std::string::npos)
        return "A description cannot contain line breaks.";
    return "";
}
