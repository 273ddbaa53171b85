#include "probes/MemoryStatus.h"

std::string MemoryLoadText(std::uint32_t load) { return std::to_string(load) + " %"; }
