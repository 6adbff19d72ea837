#include <gtest/gtest.h>

#include "ui/minimised_icon.h"

namespace {

TEST(MinimisedIcon, IsCentredWithTheOddPixelBeforeIt)
{
    IconOrigin origin = CentredIconOrigin(37, 36, 32, 32);
    EXPECT_EQ(origin.x, 3);
    EXPECT_EQ(origin.y, 2);
    origin = CentredIconOrigin(32, 32, 32, 32);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);
    // A client area smaller than the icon centres it off the edges.
    origin = CentredIconOrigin(20, 31, 32, 32);
    EXPECT_EQ(origin.x, -5);
    EXPECT_EQ(origin.y, 0);
}

} // namespace
