#pragma once
#include <cstdint>
#include <string>

// A byte count as whole megabytes (1 MB = 1,048,576 bytes), truncated, never rounded up:
// "0 MB" for 1,048,575 bytes, "1 MB" for 1,048,576.
std::string MegabyteText(std::uint64_t bytes);
