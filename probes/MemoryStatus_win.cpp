#include "probes/MemoryStatus.h"

#include <windows.h>

#include "common/WindowsError.h"

MemoryStatus QueryMemoryStatus() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status)) ThrowLastError("GlobalMemoryStatusEx");
    return {status.dwMemoryLoad, status.ullTotalPhys, status.ullAvailPhys, status.ullTotalPageFile,
            status.ullAvailPageFile};
}
