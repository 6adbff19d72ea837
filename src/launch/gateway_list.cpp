#include "launch/gateway_list.h"

#include <algorithm>

namespace {

constexpr std::size_t HEADER_LINES = 2;
constexpr std::size_t SELECTION_LINE = 1;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsSelectionText(const std::string& line)
{
    return (line.size() == 1 || line.size() == 2) && std::all_of(line.begin(), line.end(), IsDigit);
}

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameHost(const std::string& a, const std::string& b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

bool FitsInLine(const std::string& text)
{
    return !text.empty() && text.find('\0') == std::string::npos;
}

// Splits the data at its zero bytes. The one empty line allowed is the
// last, which ends the list.
GatewayListFault SplitLines(const std::string& data, std::vector<std::string>& lines, bool& endLine)
{
    lines.clear();
    endLine = false;
    for (std::size_t start = 0; start < data.size();) {
        const std::size_t end = data.find('\0', start);
        if (end == std::string::npos)
            return GatewayListFault::UnterminatedLine;
        if (end == start && end + 1 < data.size())
            return GatewayListFault::EmptyLine;
        if (end == start)
            endLine = true;
        else
            lines.push_back(data.substr(start, end - start));
        start = end + 1;
    }
    return GatewayListFault::None;
}

GatewayListFault ShapeFault(const std::vector<std::string>& lines)
{
    if (lines.size() < HEADER_LINES)
        return GatewayListFault::TooFewLines;
    if (!IsSelectionText(lines[SELECTION_LINE]))
        return GatewayListFault::BadSelection;
    if ((lines.size() - HEADER_LINES) % 3 != 0)
        return GatewayListFault::NotInThrees;
    return GatewayListFault::None;
}

} // namespace

GatewayListFault GatewayList::Parse(const std::string& data)
{
    GatewayListFault fault = SplitLines(data, m_lines, m_endsWithEmptyLine);
    if (fault == GatewayListFault::None)
        fault = ShapeFault(m_lines);
    if (fault != GatewayListFault::None) {
        m_lines.clear();
        m_endsWithEmptyLine = false;
    }
    return fault;
}

int GatewayList::GatewayCount() const
{
    return m_lines.size() < HEADER_LINES ? 0 : static_cast<int>((m_lines.size() - HEADER_LINES) / 3);
}

Gateway GatewayList::GatewayAt(int number) const
{
    return {m_lines.at(LineOf(number, 0)), m_lines.at(LineOf(number, 1)), m_lines.at(LineOf(number, 2))};
}

int GatewayList::Selected() const
{
    if (m_lines.size() < HEADER_LINES)
        return 0;
    const int number = std::stoi(m_lines[SELECTION_LINE]);
    return number >= 1 && number <= GatewayCount() ? number : 0;
}

int GatewayList::Find(const std::string& host) const
{
    for (int number = 1; number <= GatewayCount(); ++number)
        if (SameHost(m_lines[LineOf(number, 0)], host))
            return number;
    return 0;
}

bool GatewayList::Select(int number)
{
    if (number < 1 || number > std::min(GatewayCount(), MAX_GATEWAYS))
        return false;
    m_lines[SELECTION_LINE] = {static_cast<char>('0' + number / 10), static_cast<char>('0' + number % 10)};
    return true;
}

bool GatewayList::Append(const Gateway& gateway)
{
    if (m_lines.size() < HEADER_LINES || GatewayCount() >= MAX_GATEWAYS)
        return false;
    if (!FitsInLine(gateway.host) || !FitsInLine(gateway.zone) || !FitsInLine(gateway.name))
        return false;
    m_lines.insert(m_lines.end(), {gateway.host, gateway.zone, gateway.name});
    return true;
}

std::string GatewayList::Data() const
{
    std::string data;
    for (const std::string& line : m_lines)
        data += line + '\0';
    if (m_endsWithEmptyLine)
        data += '\0';
    return data;
}

int GatewayTimeZone(int biasMinutes)
{
    constexpr int HALF_HOUR = 30;
    constexpr int HOUR = 60;
    return (biasMinutes >= 0 ? biasMinutes + HALF_HOUR : biasMinutes - HALF_HOUR) / HOUR;
}
