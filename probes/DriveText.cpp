#include <cctype>
#include <cstdio>

#include "probes/Drive.h"

std::string VolumeText(const std::string& label, std::uint32_t serial) {
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08X", static_cast<unsigned>(serial));
    return "Label = " + label + "   VolSer = " + hex;
}

std::optional<std::string> DriveTypeText(int type) {
    switch (type) {
    case kDriveRemovable:
        return "可移动存储器或软盘";
    case kDriveFixed:
        return "固定驱动器";
    case kDriveRemote:
        return "远程存储器";
    case kDriveCdRom:
        return "光盘驱动器";
    case kDriveRamDisk:
        return "内存存储器";
    default:
        return std::nullopt;
    }
}

std::string DriveEntryText(char letter, int type, const std::string& label, const std::string& networkName) {
    std::string text{static_cast<char>(std::tolower(static_cast<unsigned char>(letter))), ':'};
    if (type == kDriveRemote) {
        if (!networkName.empty()) text += " " + networkName;
    } else if (!label.empty()) {
        text += " [" + label + "]";
    }
    return text;
}
