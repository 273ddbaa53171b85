#pragma once
#include <cstdint>
#include <string>

// A byte count as whole megabytes (1 MB = 1,048,576 bytes), truncated, never rounded up:
// "0 MB" for 1,048,575 bytes, "1 MB" for 1,048,576.
std::string MegabyteText(std::uint64_t bytes);
// A signed count, as the drive sizes are: a failed size query gives -1, which reads "0 MB"
// (the division truncates toward zero); there is no sign.
std::string MegabyteText(std::int64_t bytes);
