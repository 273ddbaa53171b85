// The drive, host and uptime probes against what Wine gives, checked against Linux's own
// view of the same machine (its root is Wine's Z: drive).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <tuple>
#include <vector>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "probes/Drive.h"
#include "probes/Host.h"
#include "probes/Uptime.h"

namespace {

std::string FirstLine(const char* path) {
    std::ifstream file(path);
    std::string line;
    std::getline(file, line);
    return line;
}

bool UnderWine() { return !FirstLine("Z:\\proc\\uptime").empty(); }

TEST(DriveProbe, RealDrivesGiveVolumeTextSizesAndType) {
    for (const char letter : {'c', 'z'}) {
        EXPECT_TRUE(std::regex_match(GetVolumeSerialText(letter), std::regex("Label = .*   VolSer = [0-9A-F]{8}")))
            << letter;
        EXPECT_FALSE(GetFileSystemName(letter).empty()) << letter;
        const std::int64_t total = DriveTotalBytes(letter), free = DriveFreeBytes(letter);
        EXPECT_GT(total, 0) << letter;
        EXPECT_GE(free, 0) << letter;
        EXPECT_LE(free, total) << letter;
        EXPECT_EQ(QueryDriveType(letter), kDriveFixed) << letter;
    }
    // Every drive the system has is listed once, in order, with its text.
    const auto drives = ListDrives();
    ASSERT_FALSE(drives.empty());
    for (std::size_t i = 1; i < drives.size(); ++i) EXPECT_LT(drives[i - 1].letter, drives[i].letter);
    EXPECT_EQ(drives.front().text.substr(0, 2), (std::string{drives.front().letter, ':'}));
    // The current directory's drive is one of them.
    const char current = CurrentDirectoryDrive();
    EXPECT_TRUE(std::any_of(drives.begin(), drives.end(), [&](const LogicalDrive& d) { return d.letter == current; }))
        << current;
}

TEST(DriveProbe, ADriveThatIsNotThereGivesTheFailureValues) {
    const DWORD present = GetLogicalDrives();
    char missing = 0;
    for (char letter = 'y'; letter > 'c' && !missing; --letter)
        if (!(present & (1u << (letter - 'a')))) missing = letter;
    ASSERT_NE(missing, 0);
    EXPECT_EQ(GetVolumeSerialText(missing), "Label =    VolSer = 00000000");
    EXPECT_EQ(GetFileSystemName(missing), "");
    EXPECT_EQ(DriveTotalBytes(missing), -1);
    EXPECT_EQ(DriveFreeBytes(missing), -1);
    EXPECT_EQ(QueryDriveType(missing), kDriveNoRootDir);
}

// K: is a folder the test command maps with a label and serial of its own, M: a folder that
// does not exist (scripts/common.sh, make_drive_fixtures).
TEST(DriveProbe, AMappedFolderShowsItsLabelSerialAndLinuxsSizes) {
    if (!UnderWine()) GTEST_SKIP() << "the drives are mapped by the test command under Wine";
    std::ifstream sizes("K:\\linux-sizes.txt");
    ASSERT_TRUE(sizes) << "K: is not mapped: run the tests through scripts/test.sh";
    std::int64_t linuxTotal = 0, linuxFree = 0;
    sizes >> linuxTotal >> linuxFree;
    EXPECT_EQ(GetVolumeSerialText('k'), "Label = Kestrane 测试   VolSer = 1234ABCD");
    EXPECT_EQ(DriveTotalBytes('k'), linuxTotal);
    // Free space moves as the build and the tests write: within 1 % of the total.
    EXPECT_NEAR(static_cast<double>(DriveFreeBytes('k')), static_cast<double>(linuxFree), linuxTotal / 100.0);
    EXPECT_EQ(DriveEntryText('k', QueryDriveType('k'), QueryVolume('k').label, ""), "k: [Kestrane 测试]");

    // A drive whose folder is missing has no sizes (-1, shown "0 MB"), and no dialog or hang.
    // Wine still answers its volume query, from the letter alone; a well-formed text it is.
    EXPECT_TRUE(std::regex_match(GetVolumeSerialText('m'), std::regex("Label = .*   VolSer = [0-9A-F]{8}")));
    EXPECT_EQ(DriveTotalBytes('m'), -1);
    EXPECT_EQ(DriveFreeBytes('m'), -1);
}

TEST(HostProbe, NameAndDefaultRouteAddressAgreeWithLinux) {
    if (!UnderWine()) GTEST_SKIP() << "no Linux view to compare with";
    EXPECT_EQ(GetHostIdentity(2), FirstLine("Z:\\proc\\sys\\kernel\\hostname"));
    const std::string address = GetHostIdentity(1);
    ASSERT_TRUE(std::regex_match(address, std::regex(R"((\d{1,3})\.(\d{1,3})\.(\d{1,3})\.(\d{1,3}))"))) << address;
    EXPECT_NE(address.substr(0, 4), "127.");
    // Linux's routes: the default route's interface, and that interface's own network.
    std::ifstream routes("Z:\\proc\\net\\route");
    std::string line, defaultInterface;
    std::vector<std::tuple<std::string, std::uint32_t, std::uint32_t>> networks;
    std::getline(routes, line);  // the heading
    while (std::getline(routes, line)) {
        std::istringstream fields(line);
        std::string name;
        std::uint32_t destination = 0, gateway = 0, flags = 0, refs = 0, use = 0, metric = 0, mask = 0;
        fields >> name >> std::hex >> destination >> gateway >> flags >> std::dec >> refs >> use >> metric >>
            std::hex >> mask;
        if (destination == 0 && mask == 0)
            defaultInterface = name;
        else
            networks.emplace_back(name, destination, mask);
    }
    if (defaultInterface.empty()) GTEST_SKIP() << "no default route";
    unsigned a, b, c, d;
    std::sscanf(address.c_str(), "%u.%u.%u.%u", &a, &b, &c, &d);
    const std::uint32_t value = a | b << 8 | c << 16 | d << 24;  // as the kernel writes it
    bool onDefaultInterface = false;
    for (const auto& [name, destination, mask] : networks)
        onDefaultInterface |= name == defaultInterface && (value & mask) == destination;
    EXPECT_TRUE(onDefaultInterface) << address << " is not on " << defaultInterface;
}

TEST(UptimeProbe, AgreesWithLinux) {
    if (!UnderWine()) GTEST_SKIP() << "no Linux view to compare with";
    const double linuxSeconds = std::stod(FirstLine("Z:\\proc\\uptime"));
    const std::string text = FormatUptime();
    std::smatch parts;
    ASSERT_TRUE(std::regex_match(text, parts, std::regex("运行时间: (\\d+) 天 (\\d+) 小时 (\\d+) 分 (\\d+) 秒")))
        << text;
    const auto number = [&](int i) { return std::stod(parts[i].str()); };
    const double shown = ((number(1) * 24 + number(2)) * 60 + number(3)) * 60 + number(4);
    EXPECT_NEAR(shown, linuxSeconds, 3.0) << text;
}

}  // namespace
