#pragma once

#include <cstddef>
#include <optional>
#include <string>

// Tells whether a byte starts a two-byte character in the ANSI code page.
using LeadBytePredicate = bool (*)(unsigned char byte);

// The size of the buffer a command line is built in, its terminating zero
// included.
constexpr std::size_t COMMAND_BUFFER_SIZE = 520;

// The first occurrence of the pattern that starts on a character boundary,
// stepping over both bytes of every two-byte character; npos when none.
std::size_t FindAtCharacterBoundary(const std::string& text, const std::string& pattern,
                                    LeadBytePredicate isLeadByte);

// The command line that opens the target with a registered open command:
// the command cut at its "%1" placeholder (else at a plain %1), a blank and
// the unquoted target. Nothing when the line does not fit the buffer.
std::optional<std::string> BuildOpenCommand(const std::string& registeredCommand, const std::string& target,
                                            LeadBytePredicate isLeadByte);
