#include <climits>

#include <gtest/gtest.h>

#include "controls/hyperlink.h"

namespace {

const std::string PREFIX = "Unable to open hyperlink:\n\n";

TEST(OpenErrorText, KnownCodesGiveTheirMessages)
{
    EXPECT_EQ(OpenErrorText(0), PREFIX + "The operating system is out\nof memory or resources.");
    EXPECT_EQ(OpenErrorText(2), PREFIX + "The specified file was not found.");
    EXPECT_EQ(OpenErrorText(11),
              PREFIX + "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).");
    EXPECT_EQ(OpenErrorText(26), PREFIX + "A sharing violation occurred. ");
    EXPECT_EQ(OpenErrorText(30), PREFIX + "The DDE transaction could not\nbe completed because other DDE "
                                          "transactions\nwere being processed.");
    EXPECT_EQ(OpenErrorText(31),
              PREFIX + "There is no application associated\nwith the given filename extension.");
    EXPECT_EQ(OpenErrorText(32), PREFIX + "The specified dynamic-link library was not found.");
}

TEST(OpenErrorText, EveryOtherCodeIsUnknownInSignedDecimal)
{
    EXPECT_EQ(OpenErrorText(1), PREFIX + "Unknown Error (1) occurred.");
    EXPECT_EQ(OpenErrorText(4), PREFIX + "Unknown Error (4) occurred.");
    EXPECT_EQ(OpenErrorText(33), PREFIX + "Unknown Error (33) occurred.");
    EXPECT_EQ(OpenErrorText(-5), PREFIX + "Unknown Error (-5) occurred.");
    EXPECT_EQ(OpenErrorText(INT_MIN), PREFIX + "Unknown Error (-2147483648) occurred.");
}

} // namespace
