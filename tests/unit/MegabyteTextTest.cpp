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

TEST(MegabyteText, SignedDriveSizesReadZeroForAFailedQuery) {
    const std::pair<std::int64_t, const char*> cases[] = {
        {-1, "0 MB"},  // the size query failed
        {0, "0 MB"},
        {1'048'575, "0 MB"},
        {1'048'576, "1 MB"},
        {4'398'046'511'104 + 1'048'575, "4194304 MB"},  // a 4 TB drive and a little more
        {INT64_MAX, "8796093022207 MB"},
    };
    for (const auto& [bytes, text] : cases) EXPECT_EQ(MegabyteText(bytes), text) << bytes;
}
