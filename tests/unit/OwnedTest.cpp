#include "common/Owned.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Handles are small integers here; every release is recorded.
std::vector<int> released;
void Release(int handle) { released.push_back(handle); }
int NoFile() { return -1; }

using Zeroed = Owned<int, Release, 0>;
using Minus = Owned<int, Release, NoFile>;

TEST(Owned, ReleasesOnceWhateverMovesAndResetsHappen) {
    released.clear();
    {
        Zeroed a(7);
        Zeroed b(std::move(a));
        EXPECT_FALSE(a);
        EXPECT_EQ(b.Get(), 7);
        Zeroed c(9);
        c = std::move(b);  // 9 goes, 7 stays owned by c
        EXPECT_EQ(released, std::vector<int>{9});
        c = std::move(c);
        EXPECT_EQ(c.Get(), 7);
        c.Reset(11);
        EXPECT_EQ(released, (std::vector<int>{9, 7}));
        EXPECT_EQ(c.Release(), 11);  // given up: never released by us
    }
    EXPECT_EQ(released, (std::vector<int>{9, 7}));
}

TEST(Owned, TheNoHandleValueIsNeverReleasedAndZeroCanBeAHandle) {
    released.clear();
    {
        Minus none;
        EXPECT_FALSE(none);
        EXPECT_EQ(none.Get(), -1);
        Minus zero(0);  // where -1 means "none", 0 is a real handle
        EXPECT_TRUE(zero);
        Minus moved(std::move(zero));
        EXPECT_EQ(zero.Get(), -1);
    }
    EXPECT_EQ(released, std::vector<int>{0});
}

}  // namespace
