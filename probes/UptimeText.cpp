#include "probes/Uptime.h"

std::string UptimeText(std::uint64_t milliseconds) {
    constexpr std::uint64_t kDay = 86'400'000, kHour = 3'600'000, kMinute = 60'000, kSecond = 1'000;
    const std::uint64_t days = milliseconds / kDay;
    milliseconds -= days * kDay;
    const std::uint64_t hours = milliseconds / kHour;
    milliseconds -= hours * kHour;
    const std::uint64_t minutes = milliseconds / kMinute;
    milliseconds -= minutes * kMinute;
    const std::uint64_t seconds = milliseconds / kSecond;
    return "运行时间: " + std::to_string(days) + " 天 " + std::to_string(hours) + " 小时 " + std::to_string(minutes) +
           " 分 " + std::to_string(seconds) + " 秒";
}
