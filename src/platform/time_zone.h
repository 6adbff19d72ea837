#pragma once

// The local time zone, as Windows gives it to the game clients.
class TimeZone {
  public:
    virtual ~TimeZone() = default;
    // Minutes to add to local standard time to get UTC: 480 on the US west
    // coast, -60 in central Europe. Daylight saving time is not counted.
    virtual int BiasMinutes() = 0;
};
