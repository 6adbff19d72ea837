#pragma once

#include <string>

// Host names equal but for the case of their ASCII letters name one host,
// as the game clients match them: the same key. Hosts are ASCII in
// practice, so no other letter folds, in the 8-bit text or in UTF-16.
std::string HostKey(const std::string& host);
std::u16string HostKey(const std::u16string& host);
