#include "clients/gateway_list.h"

#include <algorithm>

#include "clients/host_key.h"
#include "clients/utf16_bytes.h"

namespace {

constexpr std::size_t HEADER_LINES = 2;
constexpr std::size_t SELECTION_LINE = 1;

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool IsSelectionText(const std::u16string& line)
{
    return (line.size() == 1 || line.size() == 2) && std::all_of(line.begin(), line.end(), IsDigit);
}

bool FitsInLine(const std::u16string& text)
{
    return !text.empty() && text.find(u'\0') == std::u16string::npos;
}

// Splits the data at its zero units. The one empty line allowed is the
// last, which ends the list.
GatewayListFault SplitLines(const std::u16string& data, std::vector<std::u16string>& lines, bool& endLine)
{
    lines.clear();
    endLine = false;
    for (std::size_t start = 0; start < data.size();) {
        const std::size_t end = data.find(u'\0', start);
        if (end == std::u16string::npos)
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

GatewayListFault ShapeFault(const std::vector<std::u16string>& lines)
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
    GatewayListFault fault = GatewayListFault::OddByteCount;
    if (data.size() % 2 == 0)
        fault = SplitLines(Utf16OfBytes(data), m_lines, m_endsWithEmptyLine);
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
    int number = 0;
    for (const char16_t digit : m_lines[SELECTION_LINE])
        number = 10 * number + (digit - u'0');
    return number >= 1 && number <= GatewayCount() ? number : 0;
}

int GatewayList::Find(const std::u16string& host) const
{
    const std::u16string wanted = HostKey(host);
    for (int number = 1; number <= GatewayCount(); ++number)
        if (HostKey(m_lines[LineOf(number, 0)]) == wanted)
            return number;
    return 0;
}

bool GatewayList::Select(int number)
{
    if (number < 1 || number > std::min(GatewayCount(), MAX_GATEWAYS))
        return false;
    m_lines[SELECTION_LINE] = {static_cast<char16_t>(u'0' + number / 10),
                               static_cast<char16_t>(u'0' + number % 10)};
    return true;
}

bool GatewayList::Append(const Gateway& gateway)
{
    if (m_lines.size() < HEADER_LINES || GatewayCount() >= MAX_GATEWAYS)
        return false;
    const std::u16string lines[] = {gateway.host, gateway.zone, gateway.name};
    if (!std::all_of(std::begin(lines), std::end(lines), FitsInLine))
        return false;
    m_lines.insert(m_lines.end(), std::begin(lines), std::end(lines));
    return true;
}

std::string GatewayList::Data() const
{
    std::u16string text;
    for (const std::u16string& line : m_lines)
        text += line + u'\0';
    if (m_endsWithEmptyLine)
        text += u'\0';
    return BytesOfUtf16(text);
}

int GatewayTimeZone(int biasMinutes)
{
    constexpr int HALF_HOUR = 30;
    constexpr int HOUR = 60;
    return (biasMinutes >= 0 ? biasMinutes + HALF_HOUR : biasMinutes - HALF_HOUR) / HOUR;
}
