#pragma once

#include "answer/answer.h"

class CServerList;
struct ServerEntry;

// Refuses a server typed into the Add Server dialog that cannot join the
// private list, and says why; an answer without a refusal takes it. The
// file separates name and description by the first space and reads a line
// break as the end of a server, and a game is handed at most 127
// characters of a name.
Answer CheckNewServer(const ServerEntry& server, const CServerList& list);
