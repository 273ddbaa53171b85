#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Drive types as Windows numbers them (GetDriveTypeW).
enum DriveType : int {
    kDriveUnknown = 0,
    kDriveNoRootDir = 1,
    kDriveRemovable = 2,
    kDriveFixed = 3,
    kDriveRemote = 4,
    kDriveCdRom = 5,
    kDriveRamDisk = 6,
};

// --- Texts of the disk page (portable) ---

// "Label = <label>   VolSer = <serial as eight upper-case hex digits>".
std::string VolumeText(const std::string& label, std::uint32_t serial);
// The disk page's text for a drive type; none for 0, 1 and unknown numbers, which leave the
// label as it was.
std::optional<std::string> DriveTypeText(int type);
// A drive box entry: the lower-case letter and a colon, then the volume label in brackets
// for a local drive that has one, or the network name for a network drive.
std::string DriveEntryText(char letter, int type, const std::string& label, const std::string& networkName);

// --- What Windows says (Windows builds only). No query raises, and none brings up the
// system's dialog about a drive without a medium. ---

struct VolumeInfo {
    std::string label;         // empty when the query fails
    std::uint32_t serial = 0;  // 0 when the query fails
    std::string fileSystem;    // empty when the query fails
};
VolumeInfo QueryVolume(char letter);
// The volume text and the file system name of a drive, as the disk page shows them.
std::string GetVolumeSerialText(char letter);
std::string GetFileSystemName(char letter);
// The drive's size and the free bytes this user may use, each from its own query of the
// drive's root; -1 when the query fails.
std::int64_t DriveTotalBytes(char letter);
std::int64_t DriveFreeBytes(char letter);
int QueryDriveType(char letter);
// The network name a drive letter is connected to ("\\server\share"), or empty.
std::string NetworkName(char letter);

struct LogicalDrive {
    char letter = 'c';  // lower case
    int type = kDriveUnknown;
    std::string text;  // the drive box entry
};
// Every logical drive of the machine, in letter order. Removable and network drives are not
// asked for a volume label: a drive without a medium or a lost share would keep the caller
// waiting.
std::vector<LogicalDrive> ListDrives();
// The drive of the process's current directory, lower case ('c' when it has none).
char CurrentDirectoryDrive();
