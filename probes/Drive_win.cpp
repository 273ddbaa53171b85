#include <windows.h>
#include <winnetwk.h>

#include <cctype>

#include "common/Unicode.h"
#include "probes/Drive.h"

namespace {

// The system's dialog about a drive without a medium is off for this thread while a query
// runs: asked once a second, it would otherwise come back once a second.
class NoCriticalErrorDialogs {
public:
    NoCriticalErrorDialogs() { SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &old_); }
    ~NoCriticalErrorDialogs() { SetThreadErrorMode(old_, nullptr); }
    NoCriticalErrorDialogs(const NoCriticalErrorDialogs&) = delete;
    NoCriticalErrorDialogs& operator=(const NoCriticalErrorDialogs&) = delete;

private:
    DWORD old_ = 0;
};

std::wstring RootPath(char letter) { return {static_cast<wchar_t>(letter), L':', L'\\'}; }

}  // namespace

VolumeInfo QueryVolume(char letter) {
    const NoCriticalErrorDialogs quiet;
    wchar_t label[MAX_PATH + 1] = {};
    wchar_t fileSystem[MAX_PATH + 1] = {};
    DWORD serial = 0;
    if (!GetVolumeInformationW(RootPath(letter).c_str(), label, MAX_PATH + 1, &serial, nullptr, nullptr, fileSystem,
                               MAX_PATH + 1))
        return {};
    return {Narrow(label), serial, Narrow(fileSystem)};
}

std::string GetVolumeSerialText(char letter) {
    const VolumeInfo volume = QueryVolume(letter);
    return VolumeText(volume.label, volume.serial);
}

std::string GetFileSystemName(char letter) { return QueryVolume(letter).fileSystem; }

std::int64_t DriveTotalBytes(char letter) {
    const NoCriticalErrorDialogs quiet;
    ULARGE_INTEGER total{};
    if (!GetDiskFreeSpaceExW(RootPath(letter).c_str(), nullptr, &total, nullptr)) return -1;
    return static_cast<std::int64_t>(total.QuadPart);
}

std::int64_t DriveFreeBytes(char letter) {
    const NoCriticalErrorDialogs quiet;
    ULARGE_INTEGER available{};
    if (!GetDiskFreeSpaceExW(RootPath(letter).c_str(), &available, nullptr, nullptr)) return -1;
    return static_cast<std::int64_t>(available.QuadPart);
}

int QueryDriveType(char letter) { return static_cast<int>(GetDriveTypeW(RootPath(letter).c_str())); }

std::string NetworkName(char letter) {
    const wchar_t device[] = {static_cast<wchar_t>(letter), L':', 0};
    std::wstring name(MAX_PATH, L'\0');
    DWORD length = static_cast<DWORD>(name.size());
    DWORD result = WNetGetConnectionW(device, name.data(), &length);
    if (result == ERROR_MORE_DATA) {
        name.resize(length);
        result = WNetGetConnectionW(device, name.data(), &length);
    }
    if (result != NO_ERROR) return {};
    name.resize(wcsnlen(name.c_str(), name.size()));
    return Narrow(name);
}

std::vector<LogicalDrive> ListDrives() {
    std::vector<LogicalDrive> drives;
    const DWORD mask = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (!(mask & (1u << i))) continue;
        const char letter = static_cast<char>('a' + i);
        const int type = QueryDriveType(letter);
        std::string label, network;
        if (type == kDriveRemote)
            network = NetworkName(letter);
        else if (type != kDriveRemovable)
            label = QueryVolume(letter).label;
        drives.push_back({letter, type, DriveEntryText(letter, type, label, network)});
    }
    return drives;
}

char CurrentDirectoryDrive() {
    wchar_t directory[MAX_PATH + 1] = {};
    const DWORD length = GetCurrentDirectoryW(MAX_PATH + 1, directory);
    if (length >= 2 && length <= MAX_PATH && directory[1] == L':' && iswalpha(directory[0]))
        return static_cast<char>(std::tolower(static_cast<unsigned char>(directory[0])));
    return 'c';  // a UNC or too long path has no drive letter
}
