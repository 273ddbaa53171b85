#pragma once
#include <cstdint>
#include <string>

// The system's memory figures from one query. 64-bit counts: a 32-bit query caps or garbles
// them on any machine with more than 4 GB.
struct MemoryStatus {
    std::uint32_t load = 0;  // share of memory in use, 0..100
    std::uint64_t totalPhys = 0;
    std::uint64_t availPhys = 0;
    std::uint64_t totalPageFile = 0;
    std::uint64_t availPageFile = 0;
};

// Asks Windows for its memory status. Throws WindowsError when the query fails.
MemoryStatus QueryMemoryStatus();

// The memory load as the memory page writes it: "37 %".
std::string MemoryLoadText(std::uint32_t load);
