#include "common/ChartMath.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

TEST(ChartY, ShareOfFreeMemoryFromTheTopTruncated) {
    struct Case {
        std::uint64_t available, total;
        int y;
    };
    const Case cases[] = {
        {1000, 1000, 89},                    // all free: the row just below the plot
        {0, 1000, 0},                        // none free: the top row
        {1'073'741'824, 2'147'483'647, 44},  // 44.50...: truncated, not rounded
        {47, 89, 46},                        // division first: 47 / 89 * 89 lands just below 47
        {6'442'450'944, 8'589'934'592, 66},  // 6 of 8 GB: counts past 32 bits
        {UINT64_MAX, UINT64_MAX, 89},
        {17'179'869'183, 17'179'869'184, 88},  // one byte short of all free
    };
    for (const Case& c : cases) EXPECT_EQ(ChartY(c.available, c.total, 89), c.y) << c.available << "/" << c.total;
}

TEST(ChartY, ZeroTotalAndResultsBeyondIntAreErrors) {
    EXPECT_THROW(ChartY(0, 0, 89), std::domain_error);
    EXPECT_THROW(ChartY(1'000'000, 0, 89), std::domain_error);
    EXPECT_THROW(ChartY(UINT64_MAX, 1, 89), std::overflow_error);
}

// The ticks of one sweep, each drawing to x and then moving on as the timer does.
TEST(ChartSweep, ThreeHundredTenPointsAndTheTickThatDrawsTo309Restarts) {
    std::vector<int> drawn;
    int x = 0;
    bool restarted = false;
    while (!restarted && drawn.size() < 1000) {
        drawn.push_back(x);
        x += 1;
        restarted = ChartSweepEnds(x);
    }
    ASSERT_EQ(drawn.size(), 310u);
    EXPECT_EQ(drawn.front(), 0);
    EXPECT_EQ(drawn.back(), 309);
    EXPECT_FALSE(ChartSweepEnds(309));
    EXPECT_FALSE(ChartSweepEnds(0));
}
