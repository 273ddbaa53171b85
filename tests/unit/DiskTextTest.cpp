#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "probes/Drive.h"
#include "probes/Uptime.h"

TEST(VolumeText, LabelThreeBlanksAndEightHexDigits) {
    EXPECT_EQ(VolumeText("DATA", 0xABC), "Label = DATA   VolSer = 00000ABC");
    EXPECT_EQ(VolumeText("", 0x1234ABCD), "Label =    VolSer = 1234ABCD");  // no label: the blanks follow at once
    EXPECT_EQ(VolumeText("数据 盘", 0xFFFFFFFF), "Label = 数据 盘   VolSer = FFFFFFFF");
    EXPECT_EQ(VolumeText("", 0), "Label =    VolSer = 00000000");  // what a failed query shows
}

TEST(DriveTypeText, KnownTypesHaveTextsAndTheRestLeaveTheLabel) {
    const std::pair<int, std::optional<std::string>> cases[] = {
        {0, std::nullopt}, {1, std::nullopt}, {2, "可移动存储器或软盘"}, {3, "固定驱动器"},  {4, "远程存储器"},
        {5, "光盘驱动器"}, {6, "内存存储器"}, {7, std::nullopt},         {-1, std::nullopt},
    };
    for (const auto& [type, text] : cases) EXPECT_EQ(DriveTypeText(type), text) << type;
}

TEST(DriveEntryText, LetterColonAndTheLabelOrTheNetworkName) {
    EXPECT_EQ(DriveEntryText('C', kDriveFixed, "System", ""), "c: [System]");
    EXPECT_EQ(DriveEntryText('d', kDriveFixed, "", ""), "d:");
    EXPECT_EQ(DriveEntryText('E', kDriveCdRom, "备份", ""), "e: [备份]");
    EXPECT_EQ(DriveEntryText('z', kDriveRemote, "ignored", "\\\\server\\share"), "z: \\\\server\\share");
    EXPECT_EQ(DriveEntryText('y', kDriveRemote, "", ""), "y:");
}

TEST(UptimeText, SplitsIntoDaysHoursMinutesAndWholeSeconds) {
    const std::pair<std::uint64_t, const char*> cases[] = {
        {0, "运行时间: 0 天 0 小时 0 分 0 秒"},
        {86'400'000 + 3'600'000 + 60'000 + 1'999, "运行时间: 1 天 1 小时 1 分 1 秒"},
        {4'294'967'295, "运行时间: 49 天 17 小时 2 分 47 秒"},
        {4'294'967'296, "运行时间: 49 天 17 小时 2 分 47 秒"},  // no wrap at 2^32
        {4'294'967'295 + 1'000, "运行时间: 49 天 17 小时 2 分 48 秒"},
        {400ull * 86'400'000, "运行时间: 400 天 0 小时 0 分 0 秒"},
    };
    for (const auto& [ms, text] : cases) EXPECT_EQ(UptimeText(ms), text) << ms;
}
