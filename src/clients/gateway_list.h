#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The most gateways a list can number: the selection has two digits.
constexpr int MAX_GATEWAYS = 99;

// Why data cannot be taken as a gateway list.
enum class GatewayListFault {
    None,
    // An odd number of bytes: the data is not whole UTF-16 units.
    OddByteCount,
    // The data ends inside a line, before its zero unit.
    UnterminatedLine,
    // An empty line, which ends a list, is followed by more data.
    EmptyLine,
    TooFewLines,
    // The second line is not one or two digits.
    BadSelection,
    // The lines after the first two do not come in threes.
    NotInThrees,
};

// A gateway as its list stores it, in UTF-16, whatever the code page can
// show of it.
struct Gateway {
    std::u16string host;
    // Hours to add to the gateway's local time to get UTC.
    std::u16string zone;
    std::u16string name;
};

// A game client's own list of Battle.net gateways: the data of a
// REG_MULTI_SZ value in the registry's own UTF-16LE, lines that each end in
// a zero unit, and an empty line at the end. Line 1 is a format number,
// line 2 the selected gateway's number, then three lines per gateway. Edits
// change the selection line and add lines after the last gateway; every
// other byte stays as it was.
class GatewayList {
  public:
    // Takes the raw bytes; after a fault the list is empty and is not to be
    // written back.
    GatewayListFault Parse(const std::string& data);

    int GatewayCount() const;
    // 1-based, as the list numbers them.
    Gateway GatewayAt(int number) const;
    // The selected gateway's number; 0 when the selection names none.
    int Selected() const;
    // The first gateway whose host is the given one, ignoring the case of
    // ASCII letters; 0 when none is.
    int Find(const std::u16string& host) const;

    // False beyond the list or beyond what two digits number.
    bool Select(int number);
    // Adds the gateway last. False when the list is full, or a
    // line would be empty or hold a zero unit and so break the list.
    bool Append(const Gateway& gateway);

    // The raw bytes.
    std::string Data() const;

  private:
    // Where a gateway's field (0 host, 1 zone, 2 name) is among the lines.
    static std::size_t LineOf(int gateway, int field) { return 2 + 3 * (gateway - 1) + field; }

    std::vector<std::u16string> m_lines;
    // Whether the data ended in the list's empty line; some writers leave
    // it out, and it is then left out again.
    bool m_endsWithEmptyLine = false;
};

// A gateway's time-zone number for a local bias in minutes, as the clients
// count it when they pick the nearest gateway: whole hours, nearest first.
int GatewayTimeZone(int biasMinutes);
