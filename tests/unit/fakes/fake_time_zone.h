#pragma once

#include "platform/time_zone.h"

// A time zone that the test sets; central Europe unless told otherwise.
class FakeTimeZone : public TimeZone {
  public:
    int BiasMinutes() override { return biasMinutes; }

    int biasMinutes = -60;
};
