#include "controls/open_command.h"

std::size_t FindAtCharacterBoundary(const std::string& text, const std::string& pattern,
                                    LeadBytePredicate isLeadByte)
{
    std::size_t position = 0;
    while (position < text.size()) {
        if (text.compare(position, pattern.size(), pattern) == 0)
            return position;
        const bool twoBytes =
            isLeadByte(static_cast<unsigned char>(text[position])) && position + 1 < text.size();
        position += twoBytes ? 2 : 1;
    }
    return std::string::npos;
}

std::optional<std::string> BuildOpenCommand(const std::string& registeredCommand, const std::string& target,
                                            LeadBytePredicate isLeadByte)
{
    std::size_t placeholder = FindAtCharacterBoundary(registeredCommand, "\"%1\"", isLeadByte);
    if (placeholder == std::string::npos)
        placeholder = registeredCommand.find("%1");
    std::string commandLine = registeredCommand.substr(0, placeholder) + " " + target;
    if (commandLine.size() >= COMMAND_BUFFER_SIZE)
        return std::nullopt;
    return commandLine;
}
