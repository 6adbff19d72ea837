#pragma once

// The servers written into "Server List" when it holds no list: eight
// gateway addresses, then a host name, as the game clients read them.
// Distributors who point their users elsewhere change this one line.
constexpr const char* DEFAULT_SERVER_LIST = "63.240.202.139;63.240.202.134;63.240.202.131;63.241.83.110;"
                                            "63.241.83.8;213.248.106.204;213.248.106.200;211.233.0.54;"
                                            "useast.battle.net";
