#pragma once

#include <string>
#include <vector>

#include "walk.h"

// The servers that the first run puts into its private list.

struct PrivateServer {
    std::string name;
    std::string description;
};

// The private servers that the walk adds, in this order; "mistyped" is
// deleted again. With the fixture: the silent host, the delayed host, the
// host that takes game connections alone, the one that answers both, and
// loopback, whose game port refuses.
struct PrivateServers {
    PrivateServer silent;
    PrivateServer mistyped;
    PrivateServer clan;
    PrivateServer ladder;
    PrivateServer league;
    PrivateServer local;
};

PrivateServers ServersToAdd(const WalkSetup& setup);
// The private list once "mistyped" is deleted, in its own order.
std::vector<PrivateServer> Kept(const PrivateServers& servers);
// The file's text as Velnor writes it in text mode: per server the name
// padded with blanks to 21 characters, the description and CR LF.
std::string FileOf(const std::vector<PrivateServer>& servers);
// The rows of servers not yet measured.
std::vector<ViewRow> RowsOf(const std::vector<PrivateServer>& servers);
