#include <windows.h>

#include "probes/Uptime.h"

// The 64-bit count: the 32-bit one starts again at 0 after 49.7 days.
std::string FormatUptime() { return UptimeText(GetTickCount64()); }
