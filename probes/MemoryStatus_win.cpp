#include "probes/MemoryStatus.h"

#include <windows.h>

#include <system_error>

MemoryStatus QueryMemoryStatus() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status))
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), "GlobalMemoryStatusEx");
    return {status.dwMemoryLoad, status.ullTotalPhys, status.ullAvailPhys, status.ullTotalPageFile,
            status.ullAvailPageFile};
}
