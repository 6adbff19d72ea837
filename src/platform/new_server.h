#pragma once

#include <string>

// A server as typed into the Add Server dialog.
struct NewServer {
    std::string name;
    std::string description;
};
