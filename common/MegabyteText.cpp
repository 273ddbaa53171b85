#include "common/MegabyteText.h"

std::string MegabyteText(std::uint64_t bytes) {
    constexpr std::uint64_t kMegabyte = 1024 * 1024;
    return std::to_string(bytes / kMegabyte) + " MB";
}
