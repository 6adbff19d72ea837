#include <ostream>

#include <gtest/gtest.h>

#include "controls/link_appearance.h"

std::ostream& operator<<(std::ostream& out, const LabelRect& r)
{
    return out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace {

TEST(ChooseLinkColor, HoverWinsOverVisited)
{
    const LinkColors colors{LINK_COLOR_UNVISITED, LINK_COLOR_VISITED, 0x00FF8000};
    EXPECT_EQ(ChooseLinkColor(colors, false, false), 0x00EE0000u);
    EXPECT_EQ(ChooseLinkColor(colors, false, true), 0x008B1A55u);
    EXPECT_EQ(ChooseLinkColor(colors, true, false), 0x00FF8000u);
    EXPECT_EQ(ChooseLinkColor(colors, true, true), 0x00FF8000u);
}

const LabelRect LABEL{10, 20, 110, 40}; // 100 by 20

TEST(FitLabelRect, LeftAlignedKeepsItsTopLeftCorner)
{
    EXPECT_EQ(FitLabelRect(LABEL, 0, 60, 13), (LabelRect{10, 20, 70, 33}));
    EXPECT_EQ(FitLabelRect(LABEL, 0x0100, 140, 27), (LabelRect{10, 20, 150, 47}));
}

TEST(FitLabelRect, RightAlignedKeepsItsRightEdge)
{
    EXPECT_EQ(FitLabelRect(LABEL, LABEL_STYLE_RIGHT, 60, 13), (LabelRect{50, 20, 110, 33}));
    EXPECT_EQ(FitLabelRect(LABEL, LABEL_STYLE_RIGHT, 140, 13), (LabelRect{-30, 20, 110, 33}));
}

TEST(FitLabelRect, CentredEndsOnePixelOffOnAnOddDifference)
{
    EXPECT_EQ(FitLabelRect(LABEL, LABEL_STYLE_CENTER, 60, 13), (LabelRect{30, 20, 90, 33}));
    // 39 narrower: 19 from each side leaves the text one pixel to spare.
    EXPECT_EQ(FitLabelRect(LABEL, LABEL_STYLE_CENTER, 61, 13), (LabelRect{29, 20, 91, 33}));
    // 41 wider: 20 onto each side leaves the label one pixel short.
    EXPECT_EQ(FitLabelRect(LABEL, LABEL_STYLE_CENTER, 141, 13), (LabelRect{-10, 20, 130, 33}));
}

TEST(FitLabelRect, CentreIsTestedBeforeRight)
{
    EXPECT_EQ(FitLabelRect(LABEL, LABEL_STYLE_CENTER | LABEL_STYLE_RIGHT, 60, 13),
              (LabelRect{30, 20, 90, 33}));
}

TEST(FitLabelRect, CentreImageCentresVerticallyWithTheSameArithmetic)
{
    EXPECT_EQ(FitLabelRect(LABEL, LABEL_STYLE_CENTERIMAGE, 60, 13), (LabelRect{10, 23, 70, 37}));
    EXPECT_EQ(FitLabelRect(LABEL, LABEL_STYLE_CENTERIMAGE, 60, 27), (LabelRect{10, 17, 70, 43}));
    EXPECT_EQ(FitLabelRect(LABEL, LABEL_STYLE_CENTERIMAGE | LABEL_STYLE_RIGHT, 60, 20),
              (LabelRect{50, 20, 110, 40}));
}

} // namespace
