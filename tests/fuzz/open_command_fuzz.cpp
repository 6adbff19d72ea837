// The open command comes from the registry's file associations, where any
// program may have written anything: the command line built from it must
// stay inside its buffer and hold the target whole at its end.
#include <cstddef>
#include <cstdint>
#include <string>

#include "controls/open_command.h"

namespace {

// Shift-JIS lead bytes, so that two-byte characters hiding a quote or a
// percent sign are exercised too.
bool IsShiftJisLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

} // namespace

// The input is the registered command, a zero byte, and the target.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string command = input.substr(0, split);
    const std::string target = split == std::string::npos ? "" : input.substr(split + 1);

    const std::optional<std::string> line = BuildOpenCommand(command, target, IsShiftJisLeadByte);
    if (!line)
        return 0;
    Check(line->size() < COMMAND_BUFFER_SIZE);
    const std::size_t kept = line->size() - target.size() - 1;
    Check(line->compare(kept, std::string::npos, " " + target) == 0);
    Check(command.compare(0, kept, *line, 0, kept) == 0);
    // Only a placeholder cuts the command; what is cut starts with one.
    if (command.find("%1") == std::string::npos)
        Check(kept == command.size());
    else
        Check(command.compare(kept, 2, "%1") == 0 || command.compare(kept, 4, "\"%1\"") == 0);
    return 0;
}
