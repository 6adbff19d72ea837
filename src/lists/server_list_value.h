#pragma once

#include <string>
#include <vector>

// Where the game clients keep the servers they connect to.
constexpr const char* SERVER_LIST_KEY = "Software\\Battle.Net\\Configuration";
constexpr const char* SERVER_LIST_VALUE = "Server List";

// The server names of a "Server List" value, ';'-separated. Splitting
// stops at a ';' that starts the rest: "A;;B" gives "A" and ";B". The
// last name is whatever remains, possibly empty.
std::vector<std::string> SplitServerList(const std::string& value);
// The server names of a multi-string "Server List" value, its data in the
// code page's 8-bit text: each of its strings split as a string value is, in order, up to the empty string
// that ends the value. A value without strings gives one empty name, as an
// empty string value does.
std::vector<std::string> SplitServerListStrings(const std::string& data);
