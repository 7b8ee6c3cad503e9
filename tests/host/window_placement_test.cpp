#include <gtest/gtest.h>

#include "window_placement.h"

namespace {

TEST(PlaceMainWindow, CentresAcrossAndSitsHighWithTruncatingDivision)
{
    struct Case {
        int screenWidth;
        int screenHeight;
        int x;
        int y;
    };
    const Case cases[] = {
        {640, 480, 170, -10},
        {640, 481, 170, -9},   // -19 / 2 truncates toward zero
        {800, 600, 250, 50},
        {1024, 768, 362, 134},
        {1025, 769, 362, 134},
        {299, 499, 0, 0},      // -1 / 2 is 0, not -1
        {100, 100, -100, -200},
    };
    for (const Case& c : cases) {
        const WindowPlacement placement = PlaceMainWindow(c.screenWidth, c.screenHeight);
        EXPECT_EQ(placement.x, c.x) << c.screenWidth << "x" << c.screenHeight;
        EXPECT_EQ(placement.y, c.y) << c.screenWidth << "x" << c.screenHeight;
        EXPECT_EQ(placement.width, 300);
        EXPECT_EQ(placement.height, 325);
    }
}

}  // namespace
