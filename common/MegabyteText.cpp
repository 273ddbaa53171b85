#include "common/MegabyteText.h"

std::string MegabyteText(std::int64_t bytes) {
    // Only -1 (a failed query) is ever negative: anything below a megabyte truncates to 0.
    return MegabyteText(bytes < 0 ? std::uint64_t{0} : static_cast<std::uint64_t>(bytes));
}

std::string MegabyteText(std::uint64_t bytes) {
    constexpr std::uint64_t kMegabyte = 1024 * 1024;
    return std::to_string(bytes / kMegabyte) + " MB";
}
