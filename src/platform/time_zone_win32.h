#pragma once

#include "platform/time_zone.h"

// GetTimeZoneInformation.
class Win32TimeZone : public TimeZone {
  public:
    int BiasMinutes() override;
};
