#pragma once
#include <cstdint>
#include <string>

// "运行时间: D 天 H 小时 M 分 S 秒" for a count of milliseconds since the system started;
// every number written, the milliseconds dropped. 64-bit, so it goes on counting past the
// 49.7 days where a 32-bit count wraps.
std::string UptimeText(std::uint64_t milliseconds);

// The uptime text for the system's own tick count (Windows builds only).
std::string FormatUptime();
