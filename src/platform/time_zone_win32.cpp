#include "platform/time_zone_win32.h"

#include <windows.h>

int Win32TimeZone::BiasMinutes()
{
    TIME_ZONE_INFORMATION zone{};
    // Without a zone the bias stays 0: UTC.
    if (GetTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID)
        return 0;
    return static_cast<int>(zone.Bias);
}
