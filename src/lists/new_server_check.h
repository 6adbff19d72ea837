#pragma once

#include "answer/answer.h"

class CodePage;
class CServerList;
struct ServerEntry;

// Takes a server typed into the Add Server dialog as the private list will
// hold it, or refuses it and says why. The blanks that a paste brings
// around the name go first. The file separates name and description by
// the first space and reads a line break as the end of a server, and a
// game is handed at most 127 characters of a name. The description comes
// in the code page's text and, as typed, in UTF-16: a character that the
// code page cannot hold would be stored as "?". A server taken keeps no
// UTF-16 text, since the code page's text holds it all.
Answer CheckNewServer(ServerEntry& server, const CServerList& list, const CodePage& codePage);
