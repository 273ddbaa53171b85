#include "common/Placement.h"

#include <gtest/gtest.h>

TEST(CentredOrigin, CentresWithWholeNumbersAndClampsAtTheScreenEdge) {
    struct Case {
        int sw, sh, ww, wh, x, y;
    };
    const Case cases[] = {
        {1280, 1024, 375, 406, 452, 309}, {1281, 1025, 375, 406, 453, 309},  // halves are dropped
        {375, 406, 375, 406, 0, 0},       {300, 1024, 375, 406, 0, 309},  // narrower screen: touches the left edge only
        {1280, 200, 375, 406, 452, 0},                                    // lower screen: touches the top edge only
        {0, 0, 375, 406, 0, 0},
    };
    for (const Case& c : cases) {
        const Point p = CentredOrigin(c.sw, c.sh, c.ww, c.wh);
        EXPECT_EQ(p.x, c.x) << c.sw << "x" << c.sh;
        EXPECT_EQ(p.y, c.y) << c.sw << "x" << c.sh;
    }
}

TEST(ScaleForDpi, RoundsLikeMulDiv) {
    EXPECT_EQ(ScaleForDpi(369, 96), 369);
    EXPECT_EQ(ScaleForDpi(369, 144), 554);  // 553.5 rounds up
    EXPECT_EQ(ScaleForDpi(377, 144), 566);  // 565.5
    EXPECT_EQ(ScaleForDpi(-11, 144), -17);  // font heights are negative: halves away from zero
    EXPECT_EQ(ScaleForDpi(-11, 120), -14);  // -13.75
    EXPECT_EQ(ScaleForDpi(25, 192), 50);
}

TEST(ScaleEdges, RoundsEachEdgeSoAlignedEdgesStayAligned) {
    struct Case {
        int left, width, dpi, right;
    };
    const Case cases[] = {
        {41, 54, 144, 143},  // right edge 95: 142.5
        {69, 27, 144, 144},  // right edge 96: not 104 + 41 = 145
        {69, 27, 120, 120},  // 86.25 + 33.75
        {69, 27, 168, 168},  // 120.75 + 47.25
        {0, 369, 144, 554},
    };
    for (const Case& c : cases) {
        const Edges edges = ScaleEdges(c.left, 10, c.width, 14, c.dpi);
        EXPECT_EQ(edges.left, ScaleForDpi(c.left, c.dpi));
        EXPECT_EQ(edges.right, c.right) << c.left << "+" << c.width << " at " << c.dpi;
        EXPECT_EQ(edges.bottom, ScaleForDpi(24, c.dpi));
    }
    // Two labels whose right edges are 95 and 96 stay one pixel apart at 144 DPI.
    EXPECT_EQ(ScaleEdges(69, 0, 27, 14, 144).right - ScaleEdges(41, 0, 54, 14, 144).right, 1);
}
