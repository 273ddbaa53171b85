#include "common/MegabyteText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

TEST(MegabyteText, TruncatesToWholeMegabytes) {
    const std::pair<std::uint64_t, const char*> cases[] = {
        {0, "0 MB"},
        {1'048'575, "0 MB"},
        {1'048'576, "1 MB"},
        {4'294'967'295, "4095 MB"},
        {17'179'869'184, "16384 MB"},  // 16 GB: beyond what a 32-bit count holds
        {UINT64_MAX, "17592186044415 MB"},
    };
    for (const auto& [bytes, text] : cases) EXPECT_EQ(MegabyteText(bytes), text) << bytes;
}
