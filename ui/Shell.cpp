#include "ui/Shell.h"

#include <shellapi.h>

#include "common/Unicode.h"

namespace ui {

bool OpenWithShell(std::string_view target) {
    const std::wstring file = Widen(target);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpVerb = L"open";
    info.lpFile = file.c_str();
    info.nShow = SW_SHOWNORMAL;
    return ShellExecuteExW(&info) != FALSE;
}

HIMAGELIST SystemSmallIcons() {
    SHFILEINFOW info{};
    // By attributes alone: no file or drive is touched to find the list.
    return reinterpret_cast<HIMAGELIST>(SHGetFileInfoW(L"file", FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                                                       SHGFI_USEFILEATTRIBUTES | SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
}

int ShellIconIndex(std::string_view path) {
    const std::wstring wide = Widen(path);
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(wide.c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON)) return -1;
    return info.iIcon;
}

int DriveIconIndex(int driveType, std::string_view rootPath) {
    SHSTOCKICONID stock = SIID_DRIVEFIXED;
    switch (driveType) {
    case DRIVE_REMOVABLE:
        stock = SIID_DRIVEREMOVE;
        break;
    case DRIVE_REMOTE:
        stock = SIID_DRIVENET;
        break;
    case DRIVE_CDROM:
        stock = SIID_DRIVECD;
        break;
    case DRIVE_RAMDISK:
        stock = SIID_DRIVERAM;
        break;
    default:
        break;
    }
    if (const int index = StockIconIndex(stock); index >= 0) return index;
    return driveType == DRIVE_FIXED ? ShellIconIndex(rootPath) : -1;
}

int StockIconIndex(int id) {
    SHSTOCKICONINFO info{};
    info.cbSize = sizeof info;
    if (FAILED(SHGetStockIconInfo(static_cast<SHSTOCKICONID>(id), SHGSI_SYSICONINDEX | SHGSI_SMALLICON, &info)))
        return -1;
    return info.iSysImageIndex;
}

}  // namespace ui
